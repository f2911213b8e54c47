// Text properties over QFont.
#include "TextStyle.h"

#include <QApplication>
#include <QFont>

namespace platform {

void TextStyle::SetTextSize(double size) {
    size_ = size;
    Apply();
}

void TextStyle::SetTextUnit(int unit) {
    unit_ = unit;
    Apply();
}

bool TextStyle::SetProperty(const QByteArray& name, const PropertyValue& value) {
    QFont font = widget_->font();
    if (name == "TextFont") {
        const QByteArray family = AsText(value);
        font.setFamily(family == "System" ? QApplication::font().family() : FontFamilyFor(family));
    } else if (name == "Bold") {
        font.setBold(AsBoolean(value));
    } else if (name == "Italic") {
        font.setItalic(AsBoolean(value));
    } else if (name == "Underline") {
        font.setUnderline(AsBoolean(value));
    } else {
        return false;
    }
    widget_->setFont(font);
    return true;
}

void TextStyle::Apply() {
    if (size_ <= 0) return;
    QFont font = widget_->font();
    font.setPixelSize(static_cast<int>(size_ + 0.5));
    widget_->setFont(font);
}

QString FontFamilyFor(const QByteArray& designFamily) { return QString::fromUtf8(designFamily); }

void InstallFontSubstitutions() {
    // "Osaka" is the proportional Japanese face of the original design;
    // IPA P Gothic is its nearest free counterpart.
    QFont::insertSubstitutions(QStringLiteral("Osaka"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                                QStringLiteral("Noto Sans CJK JP")});
}

}  // namespace platform
