// Canvas over QWidget.
#include "Canvas.h"

#include <QPainter>

namespace platform {

Canvas::Canvas(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
    backdrop_ = std::move(picture);
    update();
}

void Canvas::SetProperty(const QByteArray& name, const PropertyValue& value) {
    if (name == "AcceptFocus") {
        acceptFocus_ = AsBoolean(value);
        setFocusPolicy(acceptFocus_ ? Qt::StrongFocus : Qt::NoFocus);
    } else if (name == "TabStop") {
        // A canvas that does not accept focus is no tab stop either.
        RectControl::SetProperty(name, value);
        if (!acceptFocus_) setFocusPolicy(Qt::NoFocus);
    } else {
        // UseFocusRing, AcceptTabs, DoubleBuffer and EraseBackground: Qt
        // double-buffers and erases every widget anyway.
        RectControl::SetProperty(name, value);
    }
}

void Canvas::paintEvent(QPaintEvent*) {
    if (!backdrop_) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, backdrop_->Pixmap());
}

}  // namespace platform
