// Entry orders of the control lists, one row per entry.
#include "ControlLists.h"

namespace platform {

namespace {

// The design font of every text control of these windows.
const QByteArray kDesignFont = "Osaka";

// Every list of these windows begins with the control's name and place.
QByteArray EncodePropertyList(const ControlPlace& p, std::initializer_list<PropertyEntry> rest) {
    // clang-format off
    std::vector<PropertyEntry> entries{
        {"Name",          Text(p.name)},
        {"Index",         Integer(kNoControlArray)},
        {"Left",          Integer(p.left)},
        {"Top",           Integer(p.top)},
        {"Width",         Integer(p.width)},
        {"Height",        Integer(p.height)},
        {"LockLeft",      Boolean(false)},
        {"LockTop",       Boolean(false)},
        {"LockRight",     Boolean(false)},
        {"LockBottom",    Boolean(false)},
        {"TabPanelIndex", Integer(0)},
        {"TabIndex",      Integer(p.tabIndex)},
    };
    // clang-format on
    entries.insert(entries.end(), rest);
    return platform::EncodePropertyList(entries);
}

}  // namespace

// clang-format off
QByteArray PushButtonList(const ControlPlace& p, const QByteArray& caption) {
    return EncodePropertyList(p, {
        {"TabStop",        Boolean(true)},
        {"Caption",        Text(caption)},
        {"Default",        Boolean(false)},
        {"Cancel",         Boolean(false)},
        {"Enabled",        Boolean(true)},
        {"Visible",        Boolean(true)},
        {"HelpTag",        Text("")},
        {"AutoDeactivate", Boolean(true)},
        {"ButtonStyle",    Integer(0)},
        {"TextFont",       Text(kDesignFont)},
        {"Bold",           Boolean(false)},
        {"Italic",         Boolean(false)},
        {"Underline",      Boolean(false)},
        {"InitialParent",  Text("")},
    });
}

QByteArray LabelList(const LabelDesign& d) {
    const ControlPlace& p = d.place;
    const Color& c = d.textColor;
    return EncodePropertyList(p, {
        {"Text",           Text(d.text)},
        {"TextAlign",      Integer(d.textAlign)},
        {"TextColor",      ColorValue(c.red, c.green, c.blue)},
        {"Multiline",      Boolean(false)},
        {"Enabled",        Boolean(true)},
        {"Visible",        Boolean(true)},
        {"Selectable",     Boolean(false)},
        {"Transparent",    Boolean(false)},
        {"HelpTag",        Text("")},
        {"AutoDeactivate", Boolean(true)},
        {"TextFont",       Text(kDesignFont)},
        {"Bold",           Boolean(d.bold)},
        {"Italic",         Boolean(false)},
        {"Underline",      Boolean(d.underline)},
        {"DataSource",     Text("")},
        {"DataField",      Text("")},
        {"InitialParent",  Text("")},
    });
}

QByteArray CanvasList(const ControlPlace& p) {
    return EncodePropertyList(p, {
        {"TabStop",         Boolean(true)},
        {"Visible",         Boolean(true)},
        {"HelpTag",         Text("")},
        {"AutoDeactivate",  Boolean(true)},
        {"Enabled",         Boolean(true)},
        {"UseFocusRing",    Boolean(true)},
        {"AcceptFocus",     Boolean(false)},
        {"AcceptTabs",      Boolean(false)},
        {"DoubleBuffer",    Boolean(false)},
        {"EraseBackground", Boolean(true)},
        {"InitialParent",   Text("")},
    });
}
// clang-format on

}  // namespace platform
