// The property list of a window: every window of the program has the same
// 21 entries in the same order; the values come in as a design row.
#pragma once

#include <QByteArray>

#include "platform/widgets/PropertyList.h"

namespace platform {

struct WindowDesign {
    qint32 placement;
    qint32 width;
    qint32 height;
    qint32 minWidth;
    qint32 minHeight;
    qint32 maxWidth;
    qint32 maxHeight;
    qint32 frame;
    bool hasBackColor;
    QByteArray title;
    bool resizeable;
    bool liveResize;
    bool maximizeButton;
    bool minimizeButton;
};

QByteArray WindowList(const WindowDesign& design);

}  // namespace platform
