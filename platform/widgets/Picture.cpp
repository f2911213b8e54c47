// Picture: decoding is FolderItem's; here only the drawing form.
#include "Picture.h"

namespace platform {

void Picture::SetTransparent(int value) {
    if (value == transparent_) return;
    transparent_ = value;
    pixmapValid_ = false;
}

const QPixmap& Picture::Pixmap() const {
    if (!pixmapValid_) {
        if (transparent_ == 1) {
            QImage keyed = image_.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < keyed.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
                for (int x = 0; x < keyed.width(); ++x) {
                    if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu) line[x] = 0;
                }
            }
            pixmap_ = QPixmap::fromImage(keyed);
        } else {
            pixmap_ = QPixmap::fromImage(image_);
        }
        pixmapValid_ = true;
    }
    return pixmap_;
}

}  // namespace platform
