// Byte-string functions over QByteArray; see ByteString.h for the rules on
// positions.
#include "ByteString.h"

namespace platform {

qsizetype LenB(const Bytes& text) { return text.size(); }

Bytes LeftB(const Bytes& text, qsizetype count) {
    if (count <= 0) return {};
    return text.left(count);
}

Bytes MidB(const Bytes& text, qsizetype start, qsizetype count) {
    if (start < 1 || start > text.size() || count <= 0) return {};
    const qsizetype offset = start - 1;
    const qsizetype available = text.size() - offset;
    return text.mid(offset, count < available ? count : available);
}

qsizetype InStrB(qsizetype start, const Bytes& text, const Bytes& find) {
    if (find.isEmpty()) return 0;
    const qsizetype from = start <= 1 ? 0 : start - 1;
    if (from >= text.size()) return 0;
    const qsizetype at = text.indexOf(find, from);
    return at < 0 ? 0 : at + 1;
}

qsizetype CountFields(const Bytes& text, const Bytes& separator) {
    if (text.isEmpty()) return 0;
    if (separator.isEmpty()) return 1;
    qsizetype fields = 1;
    for (qsizetype at = text.indexOf(separator); at >= 0;
         at = text.indexOf(separator, at + separator.size())) {
        ++fields;
    }
    return fields;
}

Bytes NthField(const Bytes& text, const Bytes& separator, qsizetype index) {
    if (index < 1 || text.isEmpty()) return {};
    if (separator.isEmpty()) return index == 1 ? text : Bytes();
    qsizetype begin = 0;
    for (qsizetype field = 1;; ++field) {
        const qsizetype end = text.indexOf(separator, begin);
        if (field == index) return text.mid(begin, (end < 0 ? text.size() : end) - begin);
        if (end < 0) return {};
        begin = end + separator.size();
    }
}

Bytes Chr(int code) { return Bytes(1, static_cast<char>(static_cast<unsigned char>(code & 0xFF))); }

Bytes Str(long long value) { return Bytes::number(value); }

Bytes EndOfLine() { return Bytes("\n"); }

}  // namespace platform
