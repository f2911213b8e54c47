// The record stage: the chunk that holds the sub-version record, found from
// a fixed offset onwards, and what its fields give: the sub-version text
// after the chunk's last separator and the edition byte in the field before
// it.
#pragma once

#include <functional>

#include "ChunkSearch.h"
#include "Header.h"
#include "platform/core/BinaryStream.h"
#include "platform/core/ByteString.h"

namespace inspect {

// Longest sub-version text shown.
inline constexpr qsizetype kSubVersionLength = 9;

enum class Edition { Macintosh, Windows, NotUnderstood };

struct SubVersionRecord {
    // Fields of the chunk used at the separator; 0 (an empty chunk) means no
    // record: the other members are then empty and NotUnderstood.
    qsizetype fieldCount = 0;
    // The first 9 bytes of the chunk's last field (the whole chunk's first 9
    // when it holds no separator).
    platform::Bytes subVersion;
    // From the edition byte: in the second-to-last field (the only field
    // when there is one), 12 (big-endian) or 13 (little-endian) bytes before
    // the field's end; 0x00 Macintosh, 0x01 Windows, any other byte or none
    // (a field too short to hold it) NotUnderstood.
    Edition edition = Edition::NotUnderstood;
};

// Searches `stream` for the chunk of the record of `header`'s release, with
// the patterns of its byte order (see FindMarkerChunk, which calls `yield`
// once per chunk without the marker), and reads the record out of it.
// `searchStart` is a parameter for the fuzzer's short documents only. Read
// failures surface as platform::IOException.
SubVersionRecord ReadSubVersionRecord(platform::BinaryStream& stream, const Header& header,
                                      const std::function<void()>& yield,
                                      quint64 searchStart = kSearchStart);

// True when the sub-version text, as the label holds it, has "5" as its
// third byte (release CS5.5); a text shorter than 3 bytes never has.
bool CallsForCS55(const platform::Bytes& subVersionText);

}  // namespace inspect
