// Label over QLabel.
#include "Label.h"

#include <QMouseEvent>
#include <QPointer>

#include "EventDispatch.h"

namespace platform {

Label::Label(QWidget* parent) : QLabel(parent), style_(this) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void Label::SetText(const QByteArray& bytes, TextEncoding encoding) {
    bytes_ = bytes;
    setText(encoding == TextEncoding::UTF8 ? QString::fromUtf8(bytes)
                                           : DisplayTextOfRawBytes(bytes));
}

void Label::SetTextColor(const Color& color) {
    color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
    setPalette(p);
}

void Label::SetTextAlign(int align) {
    align_ = align;
    const Qt::Alignment horizontal = align == 1   ? Qt::AlignHCenter
                                     : align == 2 ? Qt::AlignRight
                                                  : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignTop);
}

void Label::SetProperty(const QByteArray& name, const PropertyValue& value) {
    if (style_.SetProperty(name, value)) return;
    if (name == "Text") {
        SetText(AsText(value));
    } else if (name == "TextColor") {
        SetTextColor(AsColor(value));
    } else if (name == "TextAlign") {
        SetTextAlign(AsInteger(value));
    } else if (name == "Multiline") {
        setWordWrap(AsBoolean(value));
    } else if (name == "Selectable") {
        setTextInteractionFlags(AsBoolean(value) ? Qt::TextSelectableByMouse
                                                 : Qt::NoTextInteraction);
    } else if (name == "Transparent") {
        // Labels draw no background of their own here; the window shows
        // through either way.
        (void)value;
    } else {
        RectControl::SetProperty(name, value);
    }
}

void Label::mousePressEvent(QMouseEvent* event) {
    pressClaimed_ = false;
    if (!MouseDown || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint at = event->position().toPoint();
    if (HandlerRunning()) {
        // Another handler is busy: the press waits for it, and is claimed so
        // that its release comes here too.
        pressClaimed_ = true;
        Dispatch([self = QPointer<Label>(this), at] {
            if (self && self->MouseDown) self->MouseDown(*self, at.x(), at.y());
        });
        event->accept();
        return;
    }
    bool claimed = false;
    Dispatch([&] { claimed = MouseDown(*this, at.x(), at.y()); });
    pressClaimed_ = claimed;
    event->setAccepted(claimed);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressClaimed_ || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressClaimed_ = false;
    const QPoint at = event->position().toPoint();
    Dispatch([self = QPointer<Label>(this), at] {
        if (self && self->MouseUp) self->MouseUp(*self, at.x(), at.y());
    });
}

void Label::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    Dispatch([self = QPointer<Label>(this)] {
        if (self && self->MouseEnter) self->MouseEnter(*self);
    });
}

void Label::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    Dispatch([self = QPointer<Label>(this)] {
        if (self && self->MouseExit) self->MouseExit(*self);
    });
}

QString DisplayTextOfRawBytes(const QByteArray& bytes) {
    QString shown;
    shown.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        shown += (code >= 0x20 && code <= 0x7E) ? QChar(code) : QChar(QChar::ReplacementCharacter);
    }
    return shown;
}

}  // namespace platform
