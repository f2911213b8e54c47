// Crafted InDesign-like documents for tests: a header with a chosen byte
// order and release byte, and byte runs at chosen offsets, written sparse
// (the size is set first, the runs written into it), so a document of
// several GiB costs only the bytes of its runs. The byte values here are
// written down independently of the reader's own tables on purpose.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace testsupport {

enum class Order { Big, Little };

// Document offset of chunk `k` of the record search (4,096-byte chunks
// from offset 53,248).
constexpr quint64 ChunkOffset(quint64 k) { return 53248 + k * 4096; }

struct ByteRun {
    quint64 offset;
    QByteArray bytes;
};

// Order byte at offset 24 (0x02 big, 0x01 little), release byte at offset
// 32 (big) or 29 (little).
QList<ByteRun> HeaderRuns(Order order, quint8 releaseByte);

// Separator, then the edition byte with the 11 (big) or 12 (little) bytes
// that follow it, the separator and the sub-version text.
QByteArray Record(Order order, quint8 editionByte, const QByteArray& subVersion);

// Release-3 marker for 0x03, release-4-to-7 marker for any other byte.
QByteArray Marker(Order order, quint8 releaseByte);

// One whole chunk: the marker at its first byte, filler, and the record
// ending at its last byte.
QByteArray RecordChunk(Order order, quint8 releaseByte, quint8 editionByte,
                       const QByteArray& subVersion);

// Writes a sparse file of `size` bytes (zeros but for `runs`) at `path` and
// returns the path; fails the process when the file cannot be written.
QString WriteDocument(const QString& path, quint64 size, const QList<ByteRun>& runs);

}  // namespace testsupport
