// The maker's logo shown in the About window: a tarn (a mountain lake) as an
// emblem beside the product's name.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace pictures {

inline constexpr int kLogoWidth = 170;
inline constexpr int kLogoHeight = 65;

// The logo's emblem, a disc of water with a peak rising behind two wave
// lines, filling `disc`.
void DrawMakerEmblem(QPainter& painter, const QRectF& disc);

// A kLogoWidth x kLogoHeight logo on white reading `productName`.
QImage DrawMakerLogo(const QString& productName, const QString& family);

}  // namespace pictures
