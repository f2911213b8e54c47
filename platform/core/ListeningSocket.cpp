// Listening at a path with the system calls themselves: bind() fails where
// anything lies, so nothing is ever replaced by accident. (Qt's listen with
// access options renames its socket over whatever is at the path.)
#include "ListeningSocket.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "LocalSocket.h"

namespace platform {

namespace {

QString SystemError(const QString& path) {
    return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
}

// Whether a program listens on the socket at `path`: only a refused
// connection says that none does; a full backlog is a busy program.
bool SomeoneListens(const QString& path) {
    const int probe = ConnectLocal(path);
    if (probe < 0) return errno != ECONNREFUSED;
    ::close(probe);
    return true;
}

}  // namespace

QString FreeSocketPath(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address;
    if (!LocalAddress(path, address))
        return QStringLiteral("%1: no socket can have this name").arg(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) return {};
    if (!S_ISSOCK(st.st_mode)) return QStringLiteral("%1 is in the way").arg(path);
    if (SomeoneListens(path)) return QStringLiteral("another program listens at %1").arg(path);
    // Left by a program that ended without removing it.
    if (::unlink(native.constData()) != 0 && errno != ENOENT) return SystemError(path);
    return {};
}

ListeningSocket ListenAt(const QString& path) {
    if (QString problem = FreeSocketPath(path); !problem.isEmpty()) return {-1, problem};
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address;
    LocalAddress(path, address);
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (descriptor < 0) return {-1, SystemError(path)};
    // The socket's mode comes from the mask in force when it is bound.
    const mode_t mask = ::umask(S_IRWXG | S_IRWXO | S_IXUSR);
    const int bound =
        ::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::umask(mask);
    if (bound != 0) {
        const QString problem = SystemError(path);
        ::close(descriptor);
        return {-1, problem};
    }
    if (::listen(descriptor, SOMAXCONN) != 0) {
        const QString problem = SystemError(path);
        ::unlink(native.constData());
        ::close(descriptor);
        return {-1, problem};
    }
    return {descriptor, {}};
}

Accepted AcceptLocal(int listening) {
    for (;;) {
        const int descriptor = ::accept4(listening, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (descriptor >= 0) return {Accepted::Connection, descriptor};
        switch (errno) {
            case EINTR:
            case ECONNABORTED:
                continue;  // that one has gone; look for the next
            case EAGAIN:
                return {Accepted::NoneWaiting, -1};
            case EMFILE:
            case ENFILE:
            case ENOBUFS:
            case ENOMEM:
            case EPERM:
                return {Accepted::TryLater, -1};
            default:
                return {Accepted::Lost, -1};
        }
    }
}

}  // namespace platform
