// Drawing of the release badges.
#include "ReleaseBadge.h"

#include <QPainter>
#include <QPainterPath>

#include "PictureText.h"

namespace pictures {

namespace {

// Pure white is the program's transparent key; this is the brightest color
// that stays visible.
const QColor kKeepWhite(0xFE, 0xFE, 0xFE);

}  // namespace

QImage DrawReleaseBadge(const QString& label, const QColor& fill, int textHeight,
                        const QString& family) {
    QImage image(kBadgeSize, kBadgeSize, QImage::Format_RGB32);
    image.fill(Qt::white);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF badge(2, 2, kBadgeSize - 4, kBadgeSize - 4);
    painter.setPen(QPen(fill.darker(140), 2));
    painter.setBrush(fill);
    painter.drawRoundedRect(badge, 12, 12);

    // A lighter band across the top half gives the flat badge some depth.
    QPainterPath band;
    band.addRoundedRect(badge.adjusted(3, 3, -3, -badge.height() / 2), 9, 9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill.lighter(118));
    painter.drawPath(band);

    const QRectF textBox = badge.adjusted(5, 6, -5, -6);
    painter.setBrush(kKeepWhite);
    painter.drawPath(FittedText(label, family, textBox, textHeight));
    painter.end();
    return image;
}

}  // namespace pictures
