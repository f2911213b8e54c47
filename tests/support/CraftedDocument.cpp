// Writing crafted documents with plain POSIX calls, sparse by construction.
#include "CraftedDocument.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <initializer_list>

namespace testsupport {

namespace {

constexpr quint64 kHeaderSize = 48;
constexpr quint64 kOrderOffset = 24;
constexpr quint64 kBigReleaseOffset = 32;
constexpr quint64 kLittleReleaseOffset = 29;

QByteArray Raw(std::initializer_list<unsigned char> bytes) {
    QByteArray out;
    for (const unsigned char b : bytes) out.append(static_cast<char>(b));
    return out;
}

bool WriteAll(int fd, const QByteArray& bytes, quint64 offset) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done),
                     static_cast<off_t>(offset + static_cast<quint64>(done)));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

}  // namespace

bool WriteSparseFile(const QString& path, quint64 size, const QList<ByteRun>& runs) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = ::ftruncate(fd, static_cast<off_t>(size)) == 0;
    for (const ByteRun& run : runs) ok = ok && WriteAll(fd, run.bytes, run.offset);
    return ::close(fd) == 0 && ok;
}

QString WriteCraftedDocument(const QString& dir, const CraftedDocument& doc, const QString& name) {
    QList<ByteRun> runs;
    quint64 size = doc.size;
    if (!doc.noHeader) {
        const quint8 orderByte = doc.orderByte.value_or(doc.order == Order::Big ? 0x02 : 0x01);
        runs.append({kOrderOffset, QByteArray(1, static_cast<char>(orderByte))});
        if (doc.releaseByte) {
            runs.append({doc.order == Order::Big ? kBigReleaseOffset : kLittleReleaseOffset,
                         QByteArray(1, static_cast<char>(*doc.releaseByte))});
        }
        size = std::max(size, kHeaderSize);
    }
    for (const ByteRun& run : doc.runs) {
        runs.append(run);
        size = std::max(size, run.offset + static_cast<quint64>(run.bytes.size()));
    }
    const QString path = QDir(dir).filePath(name);
    if (!WriteSparseFile(path, size, runs)) qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray Separator(Order order) {
    return order == Order::Big ? Raw({0x40, 0x09}) : Raw({0x09, 0x40});
}

QByteArray Release3Marker(Order order) { return Separator(order) + Raw({0x33, 0x2E}); }

QByteArray Release4to7Marker(Order order) {
    return order == Order::Big ? Raw({0x4E, 0x0D, 0x66, 0x0E, 0x30, 0x6A, 0x30})
                               : Raw({0x4E, 0x0E, 0x66, 0x6A, 0x30, 0xE6, 0x30});
}

QByteArray MarkerForRelease(Order order, quint8 releaseByte) {
    return releaseByte == 0x03 ? Release3Marker(order) : Release4to7Marker(order);
}

qsizetype TrailerLength(Order order) { return order == Order::Big ? 11 : 12; }

QByteArray SubVersionRecord(Order order, quint8 editionByte, const QByteArray& subVersion) {
    return QByteArray(1, static_cast<char>(editionByte)) + QByteArray(TrailerLength(order), 'f') +
           Separator(order) + subVersion;
}

CraftedDocument RecognisedDocument(Order order, quint8 releaseByte, const QByteArray& subVersion,
                                   quint8 editionByte, quint64 chunks) {
    CraftedDocument doc;
    doc.order = order;
    doc.releaseByte = releaseByte;
    doc.size = ChunkOffset(std::max<quint64>(chunks, 1));
    const QByteArray record = SubVersionRecord(order, editionByte, subVersion);
    // Marker, a field boundary, then the record closing the first chunk.
    doc.runs.append({ChunkOffset(0) + 16, MarkerForRelease(order, releaseByte)});
    doc.runs.append({ChunkOffset(1) - static_cast<quint64>(record.size()), record});
    return doc;
}

}  // namespace testsupport
