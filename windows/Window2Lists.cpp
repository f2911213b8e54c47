// About window design values.
#include "Window2Lists.h"

#include "TarnwickConfig.h"
#include "platform/widgets/ControlLists.h"
#include "platform/widgets/WindowList.h"

using namespace platform;

namespace windows::window2 {

QByteArray ShownSiteAddress() {
    QByteArray address = config::kSiteAddress;
    if (address.endsWith('/')) address.chop(1);
    return address;
}

QByteArray MailAddress() { return QByteArray("mailto:") + config::kContactAddress; }

// clang-format off
QByteArray WindowProperties() {
    return WindowList({.placement = 2, .width = 300, .height = 180,
                       .minWidth = 300, .minHeight = 180, .maxWidth = 300, .maxHeight = 180,
                       .frame = 2, .hasBackColor = true, .title = config::kProductName,
                       .resizeable = true, .liveResize = false, .maximizeButton = true,
                       .minimizeButton = true});
}

//                                             name           left  top  width height tab
QByteArray PushButton1Properties() { return PushButtonList({"PushButton1", 216, 150,  69,  20,  0}, "Close"); }
QByteArray Canvas1Properties()     { return CanvasList(    {"Canvas1",      65,   9, 170,  65,  2}); }

QByteArray StaticText1Properties() { return LabelList({{"StaticText1",  20, 117, 210,  20,  1}, ShownSiteAddress(),   0, kLinkBlue, false, true }); }
QByteArray StaticText2Properties() { return LabelList({{"StaticText2",  20, 147, 150,  20,  3}, MailAddress(),        0, kLinkBlue, false, true }); }
QByteArray StaticText3Properties() { return LabelList({{"StaticText3",  20,  80, 157,  25,  4}, config::kProductName, 0, kBlack,    true,  false}); }
QByteArray StaticText5Properties() { return LabelList({{"StaticText5", 195,  83,  69,  22,  5}, "Ver.1.20",           0, kBlack,    false, false}); }
// clang-format on

}  // namespace windows::window2
