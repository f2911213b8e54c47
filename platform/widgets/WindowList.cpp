// Entry order of window lists, one row per entry.
#include "WindowList.h"

namespace platform {

// clang-format off
QByteArray WindowList(const WindowDesign& d) {
    return EncodePropertyList({
        {"Placement",      Integer(d.placement)},
        {"Width",          Integer(d.width)},
        {"Height",         Integer(d.height)},
        {"MinWidth",       Integer(d.minWidth)},
        {"MinHeight",      Integer(d.minHeight)},
        {"MaxWidth",       Integer(d.maxWidth)},
        {"MaxHeight",      Integer(d.maxHeight)},
        {"Frame",          Integer(d.frame)},
        {"Composite",      Boolean(false)},
        {"HasBackColor",   Boolean(d.hasBackColor)},
        {"BackColor",      ColorValue(0xFF, 0xFF, 0xFF)},
        {"Title",          Text(d.title)},
        {"Visible",        Boolean(true)},
        {"FullScreen",     Boolean(false)},
        {"MenuBarVisible", Boolean(true)},
        {"CloseButton",    Boolean(true)},
        {"Resizeable",     Boolean(d.resizeable)},
        {"LiveResize",     Boolean(d.liveResize)},
        {"MaximizeButton", Boolean(d.maximizeButton)},
        {"MinimizeButton", Boolean(d.minimizeButton)},
        {"MacProcID",      Integer(0)},
    });
}
// clang-format on

}  // namespace platform
