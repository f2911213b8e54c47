// FolderItem over plain paths.
#include "FolderItem.h"

#include <QImage>

#include "Picture.h"

namespace platform {

namespace {
// Picture files are small; anything larger is not one of ours.
constexpr qsizetype kMaxPictureFileSize = qsizetype{16} * 1024 * 1024;
}  // namespace

FolderItem::FolderItem(QByteArray nativePath) : path_(std::move(nativePath)) {}

QString FolderItem::Name() const {
    QByteArray trimmed = path_;
    while (trimmed.size() > 1 && trimmed.endsWith('/')) trimmed.chop(1);
    return QString::fromUtf8(trimmed.mid(trimmed.lastIndexOf('/') + 1));
}

std::unique_ptr<FolderItem> FolderItem::Child(const QString& name) const {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/'))) {
        return nullptr;
    }
    QByteArray base = path_;
    if (!base.endsWith('/')) base += '/';
    return std::make_unique<FolderItem>(base + QFile::encodeName(name));
}

std::unique_ptr<BinaryStream> FolderItem::OpenAsBinaryFile(bool writable) const {
    if (writable) return nullptr;
    return BinaryStream::OpenForReading(path_);
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const {
    auto stream = OpenAsBinaryFile(false);
    if (!stream) return nullptr;
    const Bytes data = stream->Read(kMaxPictureFileSize + 1);
    if (data.size() > kMaxPictureFileSize) return nullptr;
    QImage image;
    if (!image.loadFromData(data)) return nullptr;
    return std::make_shared<Picture>(std::move(image));
}

}  // namespace platform
