// Writing crafted documents through QFile; resize() leaves holes.
#include "CraftedDocument.h"

#include <QFile>

namespace testsupport {

QList<ByteRun> HeaderRuns(Order order, quint8 releaseByte) {
    const bool big = order == Order::Big;
    return {{24, QByteArray(1, big ? '\x02' : '\x01')},
            {big ? 32u : 29u, QByteArray(1, static_cast<char>(releaseByte))}};
}

QByteArray Record(Order order, quint8 editionByte, const QByteArray& subVersion) {
    const QByteArray separator = order == Order::Big ? "\x40\x09" : "\x09\x40";
    return separator + QByteArray(1, static_cast<char>(editionByte)) +
           QByteArray(order == Order::Big ? 11 : 12, 'f') + separator + subVersion;
}

QByteArray Marker(Order order, quint8 releaseByte) {
    if (releaseByte == 0x03) return order == Order::Big ? "\x40\x09\x33\x2E" : "\x09\x40\x33\x2E";
    return QByteArray::fromHex(order == Order::Big ? "4E0D660E306A30" : "4E0E666A30E630");
}

QByteArray RecordChunk(Order order, quint8 releaseByte, quint8 editionByte,
                       const QByteArray& subVersion) {
    const QByteArray marker = Marker(order, releaseByte);
    const QByteArray record = Record(order, editionByte, subVersion);
    return marker + QByteArray(4096 - marker.size() - record.size(), 'x') + record;
}

QString WriteDocument(const QString& path, quint64 size, const QList<ByteRun>& runs) {
    QFile file(path);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              file.resize(static_cast<qint64>(size));
    for (const ByteRun& run : runs) {
        ok = ok && file.seek(static_cast<qint64>(run.offset)) && file.write(run.bytes) > 0;
    }
    if (!ok) qFatal("cannot write %s", qPrintable(path));
    return path;
}

}  // namespace testsupport
