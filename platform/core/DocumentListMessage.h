// The message a second launch sends the running program: the documents it
// was given, as file-system bytes, in order. A message that is not exactly
// one well-formed list is refused whole, so a stray or hostile writer on the
// socket can never make the program open anything.
//
// Layout: the 4 bytes "TWd1", a 32-bit big-endian count, then per document
// a 32-bit big-endian length and that many bytes.
//
// Each document is handed over on its own, when the running program is
// about to open it: the program says Ready, the launch Confirms, and only
// then does the program open it. So a launch that gives up (it heard
// nothing for a while) leaves nothing behind that the program will open
// later, and a program that leaves before a document's turn has not taken
// it. A program that stops waiting for a Confirm shuts its end for reading
// first: a Confirm sent after that fails to send, and the launch knows.
#pragma once

#include <QByteArray>
#include <QList>

namespace platform {

// Bounds that keep a reader's memory small whatever arrives.
inline constexpr quint32 kMaxHandedDocuments = 1024;
inline constexpr quint32 kMaxHandedPathBytes = 4096;  // PATH_MAX on Linux
inline constexpr qsizetype kMaxDocumentListBytes =
    8 + qsizetype{kMaxHandedDocuments} * (4 + qsizetype{kMaxHandedPathBytes});

// What the running program says after a well-formed list, a byte at a time:
inline constexpr char kHandOverWait = '\x16';     // queued; said again while it waits
inline constexpr char kHandOverReady = '\x05';    // the next document's turn (the empty
                                                  // list's: coming to the front)
inline constexpr char kHandOverRefused = '\x15';  // leaving: the launch opens the rest
inline constexpr char kHandOverEnded = '\x04';    // the rest goes with a batch that failed
// What the launch says to each Ready, to hand that document over:
inline constexpr char kHandOverConfirm = '\x06';

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
