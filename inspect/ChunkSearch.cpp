// The chunk loop. The marker test comes before the end-of-file test, so a
// marker in the document's last chunk ends the loop through the marker test.
#include "ChunkSearch.h"

namespace inspect {

platform::Bytes FindMarkerChunk(platform::BinaryStream& stream, const platform::Bytes& marker,
                                const std::function<void()>& yield, quint64 searchStart) {
    quint64 position = searchStart;
    platform::Bytes chunk;
    for (;;) {
        stream.SetPosition(position);
        chunk = stream.Read(kChunkSize);
        if (platform::InStrB(0, chunk, marker) > 0) break;
        position += static_cast<quint64>(kChunkSize);
        if (yield) yield();
        if (stream.Eof()) break;
    }
    return chunk;
}

}  // namespace inspect
