// Byte-string functions. Positions count from 1, as the program's text
// functions always have; counts and lengths are plain byte counts. Nothing
// here reads outside the bytes it is given: a position or count that falls
// outside the text yields what exists, possibly nothing.
#pragma once

#include <QByteArray>

namespace platform {

using Bytes = QByteArray;

// Byte length of a text.
qsizetype LenB(const Bytes& text);

// The first `count` bytes, or all of them when the text is shorter.
Bytes LeftB(const Bytes& text, qsizetype count);

// `count` bytes from the 1-based position `start`, fewer at the end. A start
// of 0 or less, or past the end, gives the empty text: there is no byte
// before the first one.
Bytes MidB(const Bytes& text, qsizetype start, qsizetype count);

// 1-based position of the first occurrence of `find` in `text`, searching
// from the 1-based position `start` (0 and 1 both mean the first byte);
// 0 when it does not occur or `find` is empty.
qsizetype InStrB(qsizetype start, const Bytes& text, const Bytes& find);

// Number of fields of `text` split at `separator`: 0 for the empty text,
// otherwise one more than the separators found (scanning left to right,
// without overlaps).
qsizetype CountFields(const Bytes& text, const Bytes& separator);

// Field `index` (from 1) of `text` split at `separator`; the empty text when
// there is no such field.
Bytes NthField(const Bytes& text, const Bytes& separator, qsizetype index);

// The one-byte text of `code` (0 to 255): one raw byte, never an encoded
// character.
Bytes Chr(int code);

// Decimal text of an integer.
Bytes Str(long long value);

// The platform's line end.
Bytes EndOfLine();

}  // namespace platform
