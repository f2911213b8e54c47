// A read-only byte stream on a regular file. Reads are positioned (the
// stream's 64-bit position is the only cursor), so a stream never depends on
// what another one did to the same file.
#pragma once

#include <QFile>
#include <QString>
#include <memory>

#include "ByteString.h"

namespace platform {

class BinaryStream {
public:
    // Opens `path` for reading. Gives nil (nullptr) for anything that is not
    // a regular file once links are followed (folders, FIFOs, devices,
    // sockets, dangling links, link loops) and for files that cannot be
    // read. Never blocks. The path is the file system's own bytes, which
    // need not be UTF-8.
    static std::unique_ptr<BinaryStream> OpenForReading(const QByteArray& nativePath);
    static std::unique_ptr<BinaryStream> OpenForReading(const QString& path) {
        return OpenForReading(QFile::encodeName(path));
    }

    ~BinaryStream();
    BinaryStream(const BinaryStream&) = delete;
    BinaryStream& operator=(const BinaryStream&) = delete;

    quint64 Position() const { return position_; }
    void SetPosition(quint64 position) { position_ = position; }

    // Up to `count` raw bytes from the position; fewer at the end of the
    // file, none at or past it. The position moves past the bytes read.
    // Raises IOException when the system reports a read failure.
    Bytes Read(qsizetype count);

    // True once the position is at or past the end of the file.
    // (EOF itself is a C macro, hence the spelling.)
    bool Eof() const;

    // Ends the stream; reads after it give nothing.
    void Close();

private:
    explicit BinaryStream(int fd) : fd_(fd) {}

    int fd_;
    quint64 position_ = 0;
};

}  // namespace platform
