// A push button; pressing it runs its Action handler.
#pragma once

#include <QPushButton>
#include <functional>

#include "RectControl.h"
#include "TextStyle.h"

namespace platform {

class PushButton : public QPushButton, public RectControl {
public:
    explicit PushButton(QWidget* parent);

    QWidget* Widget() override { return this; }
    QString Caption() const { return text(); }
    bool Default() const { return isDefault(); }
    bool Cancel() const { return cancel_; }
    TextStyle& Style() { return style_; }

    void SetProperty(const QByteArray& name, const PropertyValue& value) override;

    std::function<void(PushButton&)> Action;

private:
    bool cancel_ = false;
    TextStyle style_;
};

}  // namespace platform
