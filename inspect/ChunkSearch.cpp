// The chunk loop. The marker test comes before the end-of-file test, so a
// marker in the document's last chunk ends the loop through the marker test.
//
// The chunks are read kChunksPerRead at a time: one read of 4,096 bytes per
// chunk made the system calls and a byte-by-byte search cost several times
// what reading the document costs. Each chunk is still decided on its own
// bytes (a marker straddling two chunks counts for neither), the yield still
// runs once per chunk without the marker, and the end-of-file test is still
// made after each chunk that can be the last. Memory stays one read's worth.
#include "ChunkSearch.h"

#include <algorithm>

#include "MarkerScan.h"

namespace inspect {

namespace {

constexpr qsizetype kChunksPerRead = 32;  // 128 KiB per read

}  // namespace

platform::Bytes FindMarkerChunk(platform::BinaryStream& stream, const platform::Bytes& marker,
                                const std::function<void()>& yield, quint64 searchStart) {
    quint64 position = searchStart;  // start of the next chunk
    for (;;) {
        const quint64 readStart = position;
        stream.SetPosition(readStart);
        const platform::Bytes read = stream.Read(kChunkSize * kChunksPerRead);
        // An empty read still counts as one (empty) chunk.
        const qsizetype chunks =
            std::max<qsizetype>(1, (read.size() + kChunkSize - 1) / kChunkSize);
        const qsizetype hit = FindWholeMarker(read, marker, kChunkSize);
        const qsizetype markerChunk = hit < 0 ? chunks : hit / kChunkSize;

        for (qsizetype chunk = 0; chunk < markerChunk; ++chunk) {
            position += static_cast<quint64>(kChunkSize);
            if (yield) yield();
            // Only the read's last chunk can reach the end of the file; the
            // stream's position is then the end of that chunk.
            if (chunk == chunks - 1 && stream.Eof())
                return read.mid(chunk * kChunkSize, kChunkSize);
        }
        if (hit >= 0) {
            const platform::Bytes found = read.mid(markerChunk * kChunkSize, kChunkSize);
            // Leave the stream where a chunk-by-chunk read would have.
            stream.SetPosition(readStart + static_cast<quint64>(markerChunk * kChunkSize) +
                               static_cast<quint64>(found.size()));
            return found;
        }
    }
}

}  // namespace inspect
