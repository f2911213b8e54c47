// The search for the chunk that holds the sub-version record: consecutive,
// non-overlapping chunks from a fixed offset to the end of the document.
#pragma once

#include <functional>

#include "platform/core/BinaryStream.h"
#include "platform/core/ByteString.h"

namespace inspect {

// Offset of the first chunk searched, and the size of every chunk.
inline constexpr quint64 kSearchStart = 53248;
inline constexpr qsizetype kChunkSize = 4096;

// Reads chunk after chunk from `searchStart` until one wholly contains
// `marker` or the stream reaches its end, and returns the chunk in hand
// whichever way the loop ends (empty when the document ends before
// `searchStart`). A marker straddling two chunks is found in neither.
// `yield` (may be empty) runs once for every chunk without the marker. The
// position is 64-bit, so documents of any size are searched to their end.
// The stream is left open.
platform::Bytes FindMarkerChunk(platform::BinaryStream& stream, const platform::Bytes& marker,
                                const std::function<void()>& yield,
                                quint64 searchStart = kSearchStart);

}  // namespace inspect
