// flock(2) on a file looked at with lstat before it is opened. The lock's
// folder is this user's alone, so only the user could change what lies
// there in between.
#include "InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {

// Why what `st` describes may not serve as the lock; empty when it may.
QString Unfit(const QString& path, const struct stat& st) {
    if (!S_ISREG(st.st_mode)) return QStringLiteral("%1 is in the way").arg(path);
    if (st.st_uid != ::geteuid()) return QStringLiteral("%1 belongs to another user").arg(path);
    return {};
}

QString SystemError(const QString& path, int error) {
    return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace

InstanceLock::InstanceLock(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) == 0) {
        problem_ = Unfit(path, st);
        if (!problem_.isEmpty()) return;
    } else if (errno != ENOENT) {
        problem_ = SystemError(path, errno);
        return;
    }
    // Not followed if it has become a link, nor waited on if it has become a
    // FIFO, since it was looked at.
    descriptor_ = ::open(native.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                         S_IRUSR | S_IWUSR);
    if (descriptor_ < 0) {
        problem_ = SystemError(path, errno);
        return;
    }
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Held;
        return;
    }
    if (errno == EWOULDBLOCK) {
        state_ = State::Elsewhere;
        return;
    }
    problem_ = SystemError(path, errno);
}

InstanceLock::~InstanceLock() { Release(); }

void InstanceLock::Release() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
}

}  // namespace platform
