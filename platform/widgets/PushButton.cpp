// PushButton over QPushButton.
#include "PushButton.h"

#include <QPointer>

#include "EventDispatch.h"

namespace platform {

PushButton::PushButton(QWidget* parent) : QPushButton(parent), style_(this) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        Dispatch([self = QPointer<PushButton>(this)] {
            if (self && self->Action) self->Action(*self);
        });
    });
}

void PushButton::SetProperty(const QByteArray& name, const PropertyValue& value) {
    if (style_.SetProperty(name, value)) return;
    if (name == "Caption") {
        setText(QString::fromUtf8(AsText(value)));
    } else if (name == "Default") {
        setDefault(AsBoolean(value));
    } else if (name == "Cancel") {
        cancel_ = AsBoolean(value);
        if (cancel_) setShortcut(QKeySequence(Qt::Key_Escape));
    } else {
        // ButtonStyle 0 is the plain push button Qt draws anyway.
        RectControl::SetProperty(name, value);
    }
}

}  // namespace platform
