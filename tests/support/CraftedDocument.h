// Crafted InDesign-like documents for tests: a header with a chosen byte
// order and release byte, a chosen size, and byte runs at chosen offsets.
// The files are written sparse (the size is set first, runs written into
// it), so a document of several GiB costs only the bytes of its runs.
//
// The byte values here are written down independently of the reader's own
// tables on purpose.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace testsupport {

enum class Order { Big, Little };

// Document offset where the search for the record begins, and the size of
// one chunk of the search.
inline constexpr quint64 kSearchStart = 53248;
inline constexpr quint64 kChunkSize = 4096;

// Offset of chunk `k` of the search.
constexpr quint64 ChunkOffset(quint64 k) { return kSearchStart + k * kChunkSize; }

struct ByteRun {
    quint64 offset;
    QByteArray bytes;
};

struct CraftedDocument {
    Order order = Order::Little;
    // Written at offset 24: 0x02 for Big, 0x01 for Little unless set here.
    std::optional<quint8> orderByte;
    // Written at offset 32 (Big) or 29 (Little); nothing when unset.
    std::optional<quint8> releaseByte;
    // Total size; the file is made at least large enough for the header
    // (48 bytes) and every run. Bytes not written read as 0x00.
    quint64 size = 0;
    // Written in order after the header, so a run may overwrite it.
    QList<ByteRun> runs;
    // Leave the first 48 bytes alone (no order or release byte written).
    bool noHeader = false;
};

// Writes `doc` into `dir` as `name` (default "crafted.indd") and returns the
// path; fails the process (qFatal) when the file cannot be written.
QString WriteCraftedDocument(const QString& dir, const CraftedDocument& doc,
                             const QString& name = QStringLiteral("crafted.indd"));

// Writes a file of `size` bytes holding `runs` and zeros elsewhere, sparse
// (ftruncate, then the runs); returns false on any failure.
bool WriteSparseFile(const QString& path, quint64 size, const QList<ByteRun>& runs);

// The patterns of each byte order, as they stand in the document.
QByteArray Separator(Order order);          // 40 09 / 09 40
QByteArray Release3Marker(Order order);     // separator + 33 2E
QByteArray Release4to7Marker(Order order);  // 4E 0D 66 0E 30 6A 30 / 4E 0E 66 6A 30 E6 30
QByteArray MarkerForRelease(Order order, quint8 releaseByte);  // 0x03: release-3, else 4-to-7

// Bytes that follow the edition byte before the last separator: 11 (Big),
// 12 (Little).
qsizetype TrailerLength(Order order);

// A sub-version record: edition byte, the 11/12 filler bytes, the separator,
// then the sub-version text. Placed at a chunk's end (or followed by bytes
// without a separator), its last separator is the record's.
QByteArray SubVersionRecord(Order order, quint8 editionByte, const QByteArray& subVersion);

// A document that a correct reader names `releaseByte` with `subVersion`
// and the edition of `editionByte`: marker and record in the first chunk
// searched, the record ending the chunk. `chunks` sets how many chunks the
// document holds after the search start (at least 1).
CraftedDocument RecognisedDocument(Order order, quint8 releaseByte, const QByteArray& subVersion,
                                   quint8 editionByte, quint64 chunks = 1);

}  // namespace testsupport
