// poll(2), send(2) with MSG_NOSIGNAL and recv(2) with MSG_DONTWAIT.
#include "LocalSocket.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {

// Waits for `events` on `descriptor` up to `waitMs`, however many signals
// come meanwhile; true when one came. (The calls below never wait, so a
// signal interrupts none of them.)
bool Await(int descriptor, short events, int waitMs) {
    pollfd watched{descriptor, events, 0};
    const QDeadlineTimer deadline(waitMs);
    int ready;
    do {
        ready = ::poll(&watched, 1, static_cast<int>(deadline.remainingTime()));
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

}  // namespace

bool LocalAddress(const QString& path, sockaddr_un& address) {
    const QByteArray native = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (native.isEmpty() || native.size() >= qsizetype{sizeof address.sun_path}) return false;
    std::memcpy(address.sun_path, native.constData(), static_cast<size_t>(native.size()));
    return true;
}

int ConnectLocal(const QString& path) {
    sockaddr_un address;
    if (!LocalAddress(path, address)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (descriptor < 0) return -1;
    if (::connect(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(descriptor);
        errno = error;
        return -1;
    }
    return descriptor;
}

bool SendAll(int descriptor, const QByteArray& bytes, int idleMs) {
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t n =
            ::send(descriptor, bytes.constData() + sent, static_cast<size_t>(bytes.size() - sent),
                   MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            sent += n;
        } else if (n == 0 || errno != EAGAIN) {
            return false;
        } else if (!Await(descriptor, POLLOUT, idleMs)) {
            errno = ETIMEDOUT;
            return false;
        }
    }
    return true;
}

bool SendByte(int descriptor, char byte) {
    return ::send(descriptor, &byte, 1, MSG_NOSIGNAL | MSG_DONTWAIT) == 1;
}

Receipt ReceiveByte(int descriptor, int waitMs, char& byte) {
    if (!Await(descriptor, POLLIN, waitMs)) return Receipt::Nothing;
    const ssize_t n = ::recv(descriptor, &byte, 1, MSG_DONTWAIT);
    if (n == 1) return Receipt::Byte;
    return n < 0 && errno == EAGAIN ? Receipt::Nothing : Receipt::Closed;
}

qsizetype ReceiveAvailable(int descriptor, QByteArray& into, qsizetype most) {
    const qsizetype before = into.size();
    into.resize(before + most);
    const ssize_t n =
        ::recv(descriptor, into.data() + before, static_cast<size_t>(most), MSG_DONTWAIT);
    into.resize(before + std::max<qsizetype>(n, 0));
    if (n < 0) return errno == EAGAIN ? -1 : 0;
    return n;
}

}  // namespace platform
