// Font choice and fitted text outlines for the pictures.
#include "PictureText.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainterPathStroker>
#include <QTransform>
#include <algorithm>
#include <array>

namespace pictures {

namespace {

// Stroke added around the outline of a regular face to embolden it, as a share
// of the text's height.
constexpr qreal kSyntheticBoldShare = 0.07;

}  // namespace

QString PictureFontFamily() {
    // DejaVu Sans has a real bold face; IPA P Gothic is the font the project
    // always installs and serves as the fallback.
    static constexpr std::array kPreferred = {"DejaVu Sans", "IPAPGothic"};
    const QStringList installed = QFontDatabase::families();
    for (const char* family : kPreferred) {
        if (installed.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) {
            return QString::fromLatin1(family);
        }
    }
    return {};
}

QPainterPath FittedText(const QString& text, const QString& family, const QRectF& box,
                        qreal inkHeight) {
    // Lay the text out large, then scale its ink box: exact centring and size
    // regardless of the font's ascent, descent and side bearings.
    QFont font(family);
    font.setPixelSize(100);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) return path;

    // A label too wide for the box is first narrowed (down to kMostCondensed
    // of its width) and only then made smaller: "CS5.5" stays as tall as "CS".
    constexpr qreal kMostCondensed = 0.8;
    const qreal scale =
        std::min(inkHeight / ink.height(), box.width() / ink.width() / kMostCondensed);
    const qreal widthScale = std::min(scale, box.width() / ink.width());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(widthScale, scale);
    transform.translate(-ink.center().x(), -ink.center().y());
    QPainterPath fitted = transform.map(path);

    // A family with no bold face (IPA P Gothic) gets no synthetic bold in an
    // outline either: thicken the strokes ourselves so the lettering is as
    // legible as with a real bold.
    if (!QFontDatabase::styles(family).contains(QStringLiteral("Bold"), Qt::CaseInsensitive)) {
        QPainterPathStroker stroker;
        stroker.setWidth(inkHeight * kSyntheticBoldShare);
        stroker.setJoinStyle(Qt::RoundJoin);
        fitted = fitted.united(stroker.createStroke(fitted)).simplified();
    }
    return fitted;
}

}  // namespace pictures
