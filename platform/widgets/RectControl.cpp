// Shared control properties.
#include "RectControl.h"

namespace platform {

void RectControl::SetProperty(const QByteArray& name, const PropertyValue& value) {
    QWidget* w = Widget();
    if (name == "Name") {
        w->setObjectName(QString::fromUtf8(AsText(value)));
    } else if (name == "Left") {
        w->move(AsInteger(value), w->y());
    } else if (name == "Top") {
        w->move(w->x(), AsInteger(value));
    } else if (name == "Width") {
        w->resize(AsInteger(value), w->height());
    } else if (name == "Height") {
        w->resize(w->width(), AsInteger(value));
    } else if (name == "Enabled") {
        w->setEnabled(AsBoolean(value));
    } else if (name == "Visible") {
        w->setVisible(AsBoolean(value));
    } else if (name == "HelpTag") {
        w->setToolTip(QString::fromUtf8(AsText(value)));
    } else if (name == "TabIndex") {
        tabIndex_ = AsInteger(value);
    } else if (name == "TabStop") {
        tabStop_ = AsBoolean(value);
        w->setFocusPolicy(tabStop_ ? Qt::StrongFocus : Qt::ClickFocus);
    }
    // Index, the Lock* anchors, TabPanelIndex, AutoDeactivate and
    // InitialParent change nothing for controls placed at fixed positions
    // in windows without tab panels.
}

}  // namespace platform
