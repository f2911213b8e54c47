// Result window design values.
#include "Window1Lists.h"

#include "TarnwickConfig.h"
#include "platform/widgets/ControlLists.h"
#include "platform/widgets/WindowList.h"

using namespace platform;

namespace windows::window1 {

// clang-format off
QByteArray WindowProperties() {
    return WindowList({.placement = 0, .width = 280, .height = 150,
                       .minWidth = 280, .minHeight = 150, .maxWidth = 280, .maxHeight = 150,
                       .frame = 0, .hasBackColor = false, .title = "", .resizeable = false,
                       .liveResize = false, .maximizeButton = false, .minimizeButton = false});
}

//                                             name           left  top  width height tab
QByteArray PushButton2Properties() { return PushButtonList({"PushButton2", 183, 111,  69,  20,  0}, "閉じる"); }
QByteArray Canvas1Properties()     { return CanvasList(    {"Canvas1",      34,  42,  64,  64,  3}); }

QByteArray StaticText1Properties() { return LabelList({{"StaticText1",  20,  10, 240,  20,  1}, config::kProductName,   0, kBlack,    false, false}); }
QByteArray StaticText2Properties() { return LabelList({{"StaticText2", 104,  42, 161,  20,  2}, "Adobe InDesign CS3",   0, kBlack,    false, false}); }
QByteArray StaticText3Properties() { return LabelList({{"StaticText3", 105,  61, 137,  18,  4}, "Macintosh Edition",    0, kBlack,    false, false}); }
QByteArray StaticText4Properties() { return LabelList({{"StaticText4",  20, 114, 151,  20,  5}, config::kSiteAddress,   0, kLinkBlue, false, false}); }
QByteArray StaticText5Properties() { return LabelList({{"StaticText5", 105,  82, 160,  25,  6}, "サブバージョン不明",   1, kBlack,    false, false}); }
// clang-format on

}  // namespace windows::window1
