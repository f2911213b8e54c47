// A decoded picture. With Transparent set to 1 it is drawn with its white
// pixels left out, so a badge on a white square sits on any background.
#pragma once

#include <QImage>
#include <QPixmap>

namespace platform {

class Picture {
public:
    explicit Picture(QImage image) : image_(std::move(image)) {}

    int Transparent() const { return transparent_; }
    void SetTransparent(int value);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }

    // What a canvas draws: the image, with white keyed out when Transparent
    // is 1. Made once per Transparent value.
    const QPixmap& Pixmap() const;

private:
    QImage image_;
    int transparent_ = 0;
    mutable QPixmap pixmap_;
    mutable bool pixmapValid_ = false;
};

}  // namespace platform
