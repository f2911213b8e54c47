// Text properties over QFont.
#include "TextStyle.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QHash>

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

namespace {
// "Osaka" is the proportional Japanese face the windows are laid out for; IPA P
// Gothic is its nearest free counterpart. Asked for by name, fontconfig
// would pick its default Latin face instead.
const QStringList& OsakaStandIns() {
    static const QStringList families{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                                      QStringLiteral("Noto Sans CJK JP")};
    return families;
}
}  // namespace

QString FontFamilyFor(const QByteArray& designFamily) {
    // Every label asks, and fontconfig answers each question anew at some
    // cost: a batch of windows would spend a fifth of its time here. The
    // fonts installed do not change while the program runs.
    static QHash<QByteArray, QString> known;
    if (const auto found = known.constFind(designFamily); found != known.cend()) return *found;
    QString family = QString::fromUtf8(designFamily);
    if (!QFontDatabase::hasFamily(family) && family == QLatin1String("Osaka")) {
        for (const QString& standIn : OsakaStandIns()) {
            if (QFontDatabase::hasFamily(standIn)) {
                family = standIn;
                break;
            }
        }
    }
    known.insert(designFamily, family);
    return family;
}

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("Osaka"), OsakaStandIns());
}

}  // namespace platform
