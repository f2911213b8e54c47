// Fast search for a marker that lies wholly inside one chunk of a buffer
// holding several consecutive chunks, so the chunk search can read many
// chunks with one system call and still decide chunk by chunk.
#pragma once

#include <QByteArrayView>

namespace inspect {

// Offset in `window` of the first occurrence of `marker` that lies wholly
// inside one of the window's chunks (chunk i covers offsets i * chunkSize
// to (i + 1) * chunkSize - 1); occurrences that straddle two chunks are
// skipped. -1 when there is none, or when `marker` is empty or `chunkSize`
// is not positive. The first chunk holding such an occurrence is the first
// chunk in which a chunk-by-chunk InStrB finds the marker.
qsizetype FindWholeMarker(QByteArrayView window, QByteArrayView marker, qsizetype chunkSize);

// Offset of the first occurrence of `needle` in `haystack` at or after
// `from`; -1 when there is none or `needle` is empty.
qsizetype FindBytes(QByteArrayView haystack, qsizetype from, QByteArrayView needle);

}  // namespace inspect
