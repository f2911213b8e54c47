// Encoding and checked reading of the list of documents a second launch
// hands over.
#include "DocumentListMessage.h"

#include <QtEndian>
#include <algorithm>

namespace platform {

namespace {

constexpr char kTag[] = "TWd1";
constexpr qsizetype kTagBytes = 4;
constexpr qsizetype kNumberBytes = 4;

void AppendNumber(QByteArray& out, quint32 value) {
    char bytes[kNumberBytes];
    qToBigEndian(value, bytes);
    out.append(bytes, kNumberBytes);
}

// The number at `at`, or nothing when the bytes are not all there yet.
bool NumberAt(const QByteArray& in, qsizetype at, quint32& value) {
    if (in.size() - at < kNumberBytes) return false;
    value = qFromBigEndian<quint32>(in.constData() + at);
    return true;
}

}  // namespace

QByteArray EncodeDocumentList(const QList<QByteArray>& nativePaths) {
    QByteArray out(kTag, kTagBytes);
    AppendNumber(out, static_cast<quint32>(nativePaths.size()));
    for (const QByteArray& path : nativePaths) {
        AppendNumber(out, static_cast<quint32>(path.size()));
        out.append(path);
    }
    return out;
}

DocumentListReading ReadDocumentList(const QByteArray& received) {
    using State = DocumentListReading::State;
    const DocumentListReading incomplete;
    const DocumentListReading malformed{State::Malformed, {}};
    const QByteArray tag(kTag, kTagBytes);
    const qsizetype head = std::min(received.size(), kTagBytes);
    if (received.size() > kMaxDocumentListBytes || received.left(head) != tag.left(head))
        return malformed;
    quint32 count = 0;
    if (!NumberAt(received, kTagBytes, count)) return incomplete;
    if (count > kMaxHandedDocuments) return malformed;
    // Read again as each part arrives: the names are copied out only once
    // the whole is there.
    QList<QByteArrayView> paths;
    qsizetype at = kTagBytes + kNumberBytes;
    for (quint32 i = 0; i < count; ++i) {
        quint32 length = 0;
        if (!NumberAt(received, at, length)) return incomplete;
        if (length == 0 || length > kMaxHandedPathBytes) return malformed;
        at += kNumberBytes;
        const QByteArrayView path =
            QByteArrayView(received).sliced(at, std::min<qsizetype>(length, received.size() - at));
        if (path.contains('\0')) return malformed;
        if (path.size() < qsizetype{length}) return incomplete;
        paths.append(path);
        at += length;
    }
    if (at != received.size()) return malformed;
    DocumentListReading reading{State::Complete, {}};
    for (const QByteArrayView path : paths) reading.nativePaths.append(path.toByteArray());
    return reading;
}

}  // namespace platform
