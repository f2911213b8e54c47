// What every control of a window has: a name, a place, a size and the flags
// of its property list. The concrete controls (Label, PushButton, Canvas)
// are Qt widgets that also derive from this.
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

#include "PropertyList.h"

namespace platform {

class RectControl : public PropertyTarget {
public:
    virtual QWidget* Widget() = 0;
    const QWidget* Widget() const { return const_cast<RectControl*>(this)->Widget(); }

    QString Name() const { return Widget()->objectName(); }
    int Left() const { return Widget()->x(); }
    int Top() const { return Widget()->y(); }
    int Width() const { return Widget()->width(); }
    int Height() const { return Widget()->height(); }
    bool Enabled() const { return Widget()->isEnabled(); }
    // Visible as designed: the control shows whenever its window does.
    bool Visible() const { return !Widget()->isHidden(); }
    int TabIndex() const { return tabIndex_; }
    bool TabStop() const { return tabStop_; }

    // The properties every control shares; others are ignored.
    void SetProperty(const QByteArray& name, const PropertyValue& value) override;

protected:
    RectControl() = default;

private:
    int tabIndex_ = 0;
    bool tabStop_ = false;
};

// The control's class, tested: nil for nil, RuntimeException when the
// control is of another class.
template <typename Control>
Control* RuntimeCheckCast(RectControl* control);

}  // namespace platform

#include "RectControlCast.h"
