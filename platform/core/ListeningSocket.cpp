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

namespace platform {

namespace {

QString SystemError(const QString& path) {
    return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
}

// Whether a program listens on the socket at `address`: only a refused
// connection says that none does; a full backlog is a busy program.
bool SomeoneListens(const sockaddr_un& address) {
    const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (probe < 0) return true;
    const int connected =
        ::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int error = errno;
    ::close(probe);
    return connected == 0 || error != ECONNREFUSED;
}

// The address of `path`, or nothing when no socket can have that name.
bool AddressOf(const QByteArray& native, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (native.isEmpty() || native.size() >= qsizetype{sizeof address.sun_path}) return false;
    std::memcpy(address.sun_path, native.constData(), static_cast<size_t>(native.size()));
    return true;
}

}  // namespace

QString FreeSocketPath(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address;
    if (!AddressOf(native, address))
        return QStringLiteral("%1: no socket can have this name").arg(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) return {};
    if (!S_ISSOCK(st.st_mode)) return QStringLiteral("%1 is in the way").arg(path);
    if (SomeoneListens(address)) return QStringLiteral("another program listens at %1").arg(path);
    // Left by a program that ended without removing it.
    if (::unlink(native.constData()) != 0 && errno != ENOENT) return SystemError(path);
    return {};
}

ListeningSocket ListenAt(const QString& path) {
    if (QString problem = FreeSocketPath(path); !problem.isEmpty()) return {-1, problem};
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address;
    AddressOf(native, address);
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
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

}  // namespace platform
