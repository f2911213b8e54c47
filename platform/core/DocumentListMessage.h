// The message a second launch sends the running program: the documents it
// was given, as file-system bytes, in order. A message that is not exactly
// one well-formed list is refused whole, so a stray or hostile writer on the
// socket can never make the program open anything.
//
// Layout: the 4 bytes "TWd1", a 32-bit big-endian count, then per document
// a 32-bit big-endian length and that many bytes. Nothing may follow. The
// running program answers a well-formed list with one byte: taken, or not
// taken (it is on its way out, and the launch must open them itself).
#pragma once

#include <QByteArray>
#include <QList>

namespace platform {

// Bounds that keep a reader's memory small whatever arrives.
inline constexpr quint32 kMaxHandedDocuments = 1024;
inline constexpr quint32 kMaxHandedPathBytes = 4096;  // PATH_MAX on Linux
inline constexpr qsizetype kMaxDocumentListBytes =
    8 + qsizetype{kMaxHandedDocuments} * (4 + qsizetype{kMaxHandedPathBytes});

inline constexpr char kDocumentsTaken = '\x06';
inline constexpr char kDocumentsNotTaken = '\x15';

// An empty list is well-formed: it asks the running program to come to the
// front.
QByteArray EncodeDocumentList(const QList<QByteArray>& nativePaths);

struct DocumentListReading {
    enum class State { Incomplete, Complete, Malformed };
    State state = State::Incomplete;
    QList<QByteArray> nativePaths;  // filled when Complete
};

// Reads `received` (all bytes so far): Incomplete while it is a proper
// start of a well-formed message, Complete when it is one whole message,
// Malformed otherwise (wrong tag, a bound exceeded, an empty path or one
// holding a NUL byte, bytes after the end).
DocumentListReading ReadDocumentList(const QByteArray& received);

}  // namespace platform
