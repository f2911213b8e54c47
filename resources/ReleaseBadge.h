// The badge of one InDesign release (or of an unknown one) shown in the
// result window: a rounded square in the release's color with its name.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace pictures {

// Side of a release badge, in pixels.
inline constexpr int kBadgeSize = 64;

// A kBadgeSize square badge reading `label`, its ink `textHeight` pixels
// tall, on a `fill` background. Outside the badge every pixel is pure white,
// which the program keys out; inside, nothing is pure white, so the
// lettering stays visible.
QImage DrawReleaseBadge(const QString& label, const QColor& fill, int textHeight,
                        const QString& family);

}  // namespace pictures
