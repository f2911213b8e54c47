// Text for the pictures: the font they are drawn with, and a text laid out as
// an outline fitted into a box, so every picture has crisp, centred lettering
// whatever the font's own metrics.
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace pictures {

// The bold sans-serif family the pictures use, or an empty string when none
// of the families we rely on is installed (the text would come out as boxes).
QString PictureFontFamily();

// The outline of `text` in `family`, bold, scaled so that its ink is
// `inkHeight` pixels tall and centred in `box`; a text too wide for `box` is
// narrowed a little, then made smaller, until it fits.
QPainterPath FittedText(const QString& text, const QString& family, const QRectF& box,
                        qreal inkHeight);

}  // namespace pictures
