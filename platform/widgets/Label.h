// A label: a line of text whose bytes are kept exactly as given, so that
// reading the text back returns them unchanged. Mouse events go to the
// handlers bound to it; a MouseDown handler that returns true claims the
// press, and the release then reaches MouseUp wherever it happens.
#pragma once

#include <QColor>
#include <QLabel>
#include <functional>

#include "RectControl.h"
#include "TextStyle.h"

namespace platform {

// How a label's bytes are meant: UTF-8 text, or raw bytes of no encoding.
enum class TextEncoding { UTF8, None };

class Label : public QLabel, public RectControl {
public:
    explicit Label(QWidget* parent);

    QWidget* Widget() override { return this; }

    void SetText(const QByteArray& bytes, TextEncoding encoding = TextEncoding::UTF8);
    const QByteArray& Text() const { return bytes_; }

    void SetTextColor(const Color& color);
    Color TextColor() const { return color_; }
    int TextAlign() const { return align_; }

    TextStyle& Style() { return style_; }

    void SetProperty(const QByteArray& name, const PropertyValue& value) override;

    std::function<bool(Label&, int x, int y)> MouseDown;
    std::function<void(Label&, int x, int y)> MouseUp;
    std::function<void(Label&)> MouseEnter;
    std::function<void(Label&)> MouseExit;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetTextAlign(int align);

    QByteArray bytes_;
    Color color_;
    int align_ = 0;
    bool pressClaimed_ = false;
    TextStyle style_;
};

// What a label shows for bytes of no encoding: printable ASCII as it is,
// every other byte as U+FFFD, one mark per byte, so nothing is mis-decoded
// and no byte goes unseen.
QString DisplayTextOfRawBytes(const QByteArray& bytes);

}  // namespace platform
