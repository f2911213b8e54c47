// The text properties shared by labels and buttons: font, size, unit and
// style. Sizes with unit 0 are pixels (the design's points at 72 dpi).
#pragma once

#include <QByteArray>
#include <QWidget>

#include "PropertyList.h"

namespace platform {

class TextStyle {
public:
    explicit TextStyle(QWidget* widget) : widget_(widget) {}

    void SetTextSize(double size);
    void SetTextUnit(int unit);
    double TextSize() const { return size_; }
    int TextUnit() const { return unit_; }

    // Handles TextFont, Bold, Italic and Underline; false for other names.
    bool SetProperty(const QByteArray& name, const PropertyValue& value);

private:
    void Apply();

    QWidget* widget_;
    double size_ = 0;  // 0: the widget's default size
    int unit_ = 0;
};

// The family that draws a design font on this system: "System" is the
// desktop's font, any other family is looked up with Japanese fall-backs.
QString FontFamilyFor(const QByteArray& designFamily);

// Installs the fall-backs of the design fonts; called once at start-up.
void InstallFontSubstitutions();

}  // namespace platform
