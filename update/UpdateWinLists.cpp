// Update notice design values. Its control lists keep their own entry
// order, and its controls are anchored to the left and top edges.
#include "UpdateWinLists.h"

#include "platform/widgets/ControlLists.h"
#include "platform/widgets/PropertyList.h"
#include "platform/widgets/WindowList.h"

using namespace platform;

namespace update::updatewin {

namespace {
const QByteArray kSystemFont = "System";

struct ButtonDesign {
    platform::ControlPlace place;
    const char* caption;
    bool isDefault;
};

// clang-format off
QByteArray ButtonList(const ButtonDesign& b) {
    const platform::ControlPlace& p = b.place;
    return EncodePropertyList({
        {"InitialParent",  Text("")},
        {"Underline",      Boolean(false)},
        {"Italic",         Boolean(false)},
        {"Bold",           Boolean(false)},
        {"TextFont",       Text(kSystemFont)},
        {"ButtonStyle",    Integer(0)},
        {"AutoDeactivate", Boolean(true)},
        {"HelpTag",        Text("")},
        {"Visible",        Boolean(true)},
        {"Enabled",        Boolean(true)},
        {"Cancel",         Boolean(false)},
        {"Default",        Boolean(b.isDefault)},
        {"Caption",        Text(b.caption)},
        {"TabStop",        Boolean(true)},
        {"TabIndex",       Integer(p.tabIndex)},
        {"TabPanelIndex",  Integer(0)},
        {"LockBottom",     Boolean(false)},
        {"LockRight",      Boolean(false)},
        {"LockTop",        Boolean(true)},
        {"LockLeft",       Boolean(true)},
        {"Height",         Integer(p.height)},
        {"Width",          Integer(p.width)},
        {"Top",            Integer(p.top)},
        {"Left",           Integer(p.left)},
        {"Index",          Integer(kNoControlArray)},
        {"Name",           Text(p.name)},
    });
}
}  // namespace

QByteArray WindowProperties() {
    return platform::WindowList({.placement = 2, .width = 250, .height = 100,
                                .minWidth = 64, .minHeight = 64, .maxWidth = 32000, .maxHeight = 32000,
                                .frame = 7, .hasBackColor = false, .title = "ヴァージョンアップ情報",
                                .resizeable = true, .liveResize = true, .maximizeButton = false,
                                .minimizeButton = true});
}

QByteArray Label1Properties() {
    return EncodePropertyList({
        {"InitialParent",  Text("")},
        {"DataField",      Text("")},
        {"DataSource",     Text("")},
        {"Underline",      Boolean(false)},
        {"Italic",         Boolean(false)},
        {"Bold",           Boolean(false)},
        {"TextFont",       Text(kSystemFont)},
        {"AutoDeactivate", Boolean(true)},
        {"HelpTag",        Text("")},
        {"Transparent",    Boolean(false)},
        {"Selectable",     Boolean(false)},
        {"Visible",        Boolean(true)},
        {"Enabled",        Boolean(true)},
        {"Multiline",      Boolean(false)},
        {"TextColor",      ColorValue(0x00, 0x00, 0x00)},
        {"TextAlign",      Integer(0)},
        {"Text",           Text("新しいバージョンが公開されています。")},
        {"TabIndex",       Integer(0)},
        {"TabPanelIndex",  Integer(0)},
        {"LockBottom",     Boolean(false)},
        {"LockRight",      Boolean(false)},
        {"LockTop",        Boolean(true)},
        {"LockLeft",       Boolean(true)},
        {"Height",         Integer(20)},
        {"Width",          Integer(230)},
        {"Top",            Integer(15)},
        {"Left",           Integer(10)},
        {"Index",          Integer(kNoControlArray)},
        {"Name",           Text("Label1")},
        {"TabStop",        Boolean(true)},
    });
}

//                                                       name          left top width height tab  caption               default
QByteArray PushButton1Properties() { return ButtonList({{"PushButton1", 160,  55,  80,   20,   1}, "また後で",         false}); }
QByteArray PushButton2Properties() { return ButtonList({{"PushButton2",  10,  55, 140,   20,   2}, "サイトを見に行く", true}); }
// clang-format on

}  // namespace update::updatewin
