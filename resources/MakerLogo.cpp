// Drawing of the maker's logo.
#include "MakerLogo.h"

#include <QPainter>
#include <QPainterPath>

#include "PictureText.h"

namespace pictures {

namespace {

const QColor kDeepWater(0x1E, 0x4E, 0x79);
const QColor kShallowWater(0x5B, 0x9B, 0xC9);
const QColor kMountain(0xEE, 0xF2, 0xF5);
const QColor kWordmark(0x1E, 0x3A, 0x5F);

}  // namespace

void DrawMakerEmblem(QPainter& painter, const QRectF& disc) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDeepWater);
    painter.drawEllipse(disc);

    QPainterPath clip;
    clip.addEllipse(disc);
    painter.save();
    painter.setClipPath(clip);

    const qreal x = disc.left();
    const qreal y = disc.top();
    const qreal w = disc.width();
    const qreal h = disc.height();
    QPainterPath peaks;
    peaks.moveTo(x, y + h * 0.62);
    peaks.lineTo(x + w * 0.36, y + h * 0.22);
    peaks.lineTo(x + w * 0.52, y + h * 0.40);
    peaks.lineTo(x + w * 0.66, y + h * 0.28);
    peaks.lineTo(x + w, y + h * 0.62);
    peaks.closeSubpath();
    painter.setBrush(kMountain);
    painter.drawPath(peaks);

    painter.setBrush(kShallowWater);
    painter.drawRect(QRectF(x, y + h * 0.62, w, h * 0.38));

    // Line and swell grow with the disc, so small icons keep their waves.
    painter.setPen(QPen(kMountain, w * 0.0415, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (const qreal level : {0.74, 0.86}) {
        QPainterPath wave;
        const qreal wy = y + h * level;
        wave.moveTo(x + w * 0.18, wy);
        wave.quadTo(x + w * 0.34, wy - h * 0.075, x + w * 0.50, wy);
        wave.quadTo(x + w * 0.66, wy + h * 0.075, x + w * 0.82, wy);
        painter.drawPath(wave);
    }
    painter.restore();
}

QImage DrawMakerLogo(const QString& productName, const QString& family) {
    QImage image(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    image.fill(Qt::white);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawMakerEmblem(painter, QRectF(6, 6, kLogoHeight - 12, kLogoHeight - 12));

    const QRectF wordBox(kLogoHeight, 12, kLogoWidth - kLogoHeight - 6, 32);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWordmark);
    painter.drawPath(FittedText(productName, family, wordBox, 24));

    painter.setBrush(kShallowWater);
    painter.drawRect(QRectF(wordBox.left() + 2, 48, wordBox.width() - 4, 3));
    painter.end();
    return image;
}

}  // namespace pictures
