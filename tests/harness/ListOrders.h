// The entry order of each kind of property list in the result and About
// windows, written out by hand, and the names a list actually holds.
#pragma once

#include <QByteArray>
#include <QList>

#include "platform/widgets/PropertyList.h"

namespace harness {

inline QList<QByteArray> EntryNames(const QByteArray& list) {
    QList<QByteArray> names;
    for (const auto& e : platform::DecodePropertyList(list)) names << e.name;
    return names;
}

inline const QList<QByteArray> kWindowOrder = {
    "Placement",   "Width",      "Height",     "MinWidth",       "MinHeight",
    "MaxWidth",    "MaxHeight",  "Frame",      "Composite",      "HasBackColor",
    "BackColor",   "Title",      "Visible",    "FullScreen",     "MenuBarVisible",
    "CloseButton", "Resizeable", "LiveResize", "MaximizeButton", "MinimizeButton",
    "MacProcID"};
inline const QList<QByteArray> kLabelOrder = {
    "Name",          "Index",          "Left",      "Top",          "Width",
    "Height",        "LockLeft",       "LockTop",   "LockRight",    "LockBottom",
    "TabPanelIndex", "TabIndex",       "Text",      "TextAlign",    "TextColor",
    "Multiline",     "Enabled",        "Visible",   "Selectable",   "Transparent",
    "HelpTag",       "AutoDeactivate", "TextFont",  "Bold",         "Italic",
    "Underline",     "DataSource",     "DataField", "InitialParent"};
inline const QList<QByteArray> kButtonOrder = {
    "Name",      "Index",          "Left",        "Top",        "Width",         "Height",
    "LockLeft",  "LockTop",        "LockRight",   "LockBottom", "TabPanelIndex", "TabIndex",
    "TabStop",   "Caption",        "Default",     "Cancel",     "Enabled",       "Visible",
    "HelpTag",   "AutoDeactivate", "ButtonStyle", "TextFont",   "Bold",          "Italic",
    "Underline", "InitialParent"};
inline const QList<QByteArray> kCanvasOrder = {
    "Name",           "Index",           "Left",         "Top",         "Width",
    "Height",         "LockLeft",        "LockTop",      "LockRight",   "LockBottom",
    "TabPanelIndex",  "TabIndex",        "TabStop",      "Visible",     "HelpTag",
    "AutoDeactivate", "Enabled",         "UseFocusRing", "AcceptFocus", "AcceptTabs",
    "DoubleBuffer",   "EraseBackground", "InitialParent"};

}  // namespace harness
