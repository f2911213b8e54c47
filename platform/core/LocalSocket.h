// Connected local sockets driven with the system calls themselves and never
// blocking past a given time. Both ends of the hand-over decide on exactly
// the bytes that were sent and received, which a buffered socket would hide,
// and a write to an end that has stopped reading fails at once rather than
// raising SIGPIPE.
#pragma once

#include <sys/un.h>

#include <QByteArray>
#include <QString>

namespace platform {

// The address of the socket at `path`; false when no socket can have that
// name (empty, or longer than an address holds).
bool LocalAddress(const QString& path, sockaddr_un& address);

// A socket connected to `path` without waiting, or -1 with errno set
// (ENOENT or ECONNREFUSED: nobody listens; EAGAIN: the listener's backlog is
// full).
int ConnectLocal(const QString& path);

// Writes all of `bytes`; gives up when no byte could be written for
// `idleMs` (errno ETIMEDOUT) or the other end has gone.
bool SendAll(int descriptor, const QByteArray& bytes, int idleMs);

// Writes one byte now; false when it cannot go at once.
bool SendByte(int descriptor, char byte);

enum class Receipt { Byte, Closed, Nothing };
// Waits up to `waitMs` for one byte; Nothing when none came in that time,
// Closed when the other end has closed (or the connection failed).
Receipt ReceiveByte(int descriptor, int waitMs, char& byte);

// Appends to `into` what has arrived, at most `most` (> 0) bytes, without
// waiting. The count appended; 0 when the other end has closed; -1 when
// nothing is there yet.
qsizetype ReceiveAvailable(int descriptor, QByteArray& into, qsizetype most);

}  // namespace platform
