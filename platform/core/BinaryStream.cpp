// POSIX implementation of BinaryStream: kind checks before and after opening
// so that a FIFO or device can neither block the program nor feed it
// endless bytes.
#include "BinaryStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "Exceptions.h"

namespace platform {

namespace {

// A single read never allocates more than this, whatever count it is given.
constexpr qsizetype kMaxReadSize = qsizetype{64} * 1024 * 1024;

bool IsReadableRegularFile(const struct stat& info) { return S_ISREG(info.st_mode); }

}  // namespace

std::unique_ptr<BinaryStream> BinaryStream::OpenForReading(const QByteArray& native) {
    if (native.isEmpty()) return nullptr;
    struct stat before {};
    if (::stat(native.constData(), &before) != 0 || !IsReadableRegularFile(before)) return nullptr;
    // O_NONBLOCK: should the path have been swapped for a FIFO since the
    // check, opening it must not wait for a writer.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return nullptr;
    struct stat after {};
    if (::fstat(fd, &after) != 0 || !IsReadableRegularFile(after)) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<BinaryStream>(new BinaryStream(fd));
}

BinaryStream::~BinaryStream() { Close(); }

Bytes BinaryStream::Read(qsizetype count) {
    if (fd_ < 0 || count <= 0) return {};
    if (position_ > static_cast<quint64>(std::numeric_limits<off_t>::max())) return {};
    Bytes buffer(count < kMaxReadSize ? count : kMaxReadSize, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < buffer.size()) {
        const auto offset = static_cast<off_t>(position_ + static_cast<quint64>(filled));
        const ssize_t got = ::pread(fd_, buffer.data() + filled,
                                    static_cast<size_t>(buffer.size() - filled), offset);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw IOException();
        }
        if (got == 0) break;
        filled += got;
    }
    buffer.truncate(filled);
    position_ += static_cast<quint64>(filled);
    return buffer;
}

bool BinaryStream::Eof() const {
    if (fd_ < 0) return true;
    struct stat info {};
    if (::fstat(fd_, &info) != 0) return true;
    return position_ >= static_cast<quint64>(info.st_size);
}

void BinaryStream::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace platform
