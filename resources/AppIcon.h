// The program's icon for the desktop: the logo's emblem alone, drawn at the
// sizes the icon theme looks for.
#pragma once

#include <QImage>

namespace pictures {

// The pixel sizes of the icon, each installed as
// share/icons/hicolor/<size>x<size>/apps/tarnwick.png.
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
// The largest of those a window carries. Each window hands every size of its
// icon to the window system: the two large ones, which desktops take from the
// installed icon anyway, would add a third of a megabyte to every window.
inline constexpr int kWindowIconLargest = 64;

// A `size` square icon; outside the emblem it is fully transparent.
QImage DrawAppIcon(int size);

}  // namespace pictures
