// A reference to a file or folder by path. Holding one opens nothing; the
// item need not exist.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

#include "platform/core/BinaryStream.h"

namespace platform {

class Picture;

class FolderItem {
public:
    // `nativePath` is the path as the file system holds it: bytes, which
    // need not be UTF-8 (names from older Japanese systems are Shift_JIS).
    explicit FolderItem(QByteArray nativePath);
    explicit FolderItem(const QString& path) : FolderItem(QFile::encodeName(path)) {}
    virtual ~FolderItem() = default;
    FolderItem(const FolderItem&) = default;
    FolderItem& operator=(const FolderItem&) = default;

    const QByteArray& Path() const { return path_; }

    // The item's own name, the last part of its path, for display: a byte
    // that is not text shows as a replacement mark.
    QString Name() const;

    // The item called `name` inside this folder; nil when no such name can
    // be formed (empty, ".", "..", or holding a "/").
    std::unique_ptr<FolderItem> Child(const QString& name) const;

    // A stream for reading at position 0, or nil when the item is not a
    // readable regular file. `writable` must be false: the program only
    // reads, so write access is never granted. Virtual so a test can make
    // an item that changes between two opens.
    virtual std::unique_ptr<BinaryStream> OpenAsBinaryFile(bool writable) const;

    // The file decoded as a picture, or nil when it cannot be read or
    // decoded.
    std::shared_ptr<Picture> OpenAsPicture() const;

private:
    QByteArray path_;
};

}  // namespace platform
