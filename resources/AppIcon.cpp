// Drawing of the program's icon.
#include "AppIcon.h"

#include <QPainter>

#include "MakerLogo.h"

namespace pictures {

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A margin of one sixteenth, as icon themes leave round their shapes.
    const qreal margin = size / 16.0;
    DrawMakerEmblem(painter, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
    painter.end();
    return image;
}

}  // namespace pictures
