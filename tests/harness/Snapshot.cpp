// Snapshot description and comparison.
#include "Snapshot.h"

#include <QtWidgets>

#include "platform/widgets/Canvas.h"
#include "platform/widgets/Window.h"

namespace harness {

namespace {

// Quoted, with tabs, marks of undecodable bytes and unprintables spelt out.
QString Quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        const bool plain = c.isPrint() && c != QChar::ReplacementCharacter && c != u'\\';
        out += plain ? QString(c) : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    }
    return out + u'"';
}

QString Size(const QSize& s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); }
QString On(bool on, const char* word) { return on ? QStringLiteral(" ") + word : QString(); }
template <typename Flags>
QString Keys(Flags value) {
    return QString::fromLatin1(QMetaEnum::fromType<Flags>().valueToKeys(int(value.toInt())));
}

void DescribeControl(QTextStream& s, QWidget* w) {
    auto* label = qobject_cast<QLabel*>(w);
    auto* button = qobject_cast<QPushButton*>(w);
    auto* canvas = dynamic_cast<platform::Canvas*>(w);
    s << (canvas ? "Canvas" : QString(w->metaObject()->className()).mid(1)) << ' '
      << w->objectName() << " at " << w->x() << ',' << w->y() << " size " << Size(w->size())
      << On(w->isHidden(), "hidden") << On(!w->isEnabled(), "disabled") << '\n';
    if (const platform::Picture* picture = canvas ? canvas->Backdrop().get() : nullptr)
        s << "  picture " << Size(picture->Image().size())
          << On(picture->Transparent() == 1, "white keyed out") << '\n';
    if (!label && !button) return;
    const QString text = label ? label->text() : button->text();
    const QFontInfo font(w->font());
    s << "  text " << Quoted(text)
      << On(QFontMetrics(w->font()).horizontalAdvance(text) > w->width(), "overflows")
      << "\n  font " << Quoted(font.family())
      << ' '  // the size as set: pixels or the desktop's points
      << (w->font().pixelSize() > 0 ? QString::number(font.pixelSize()) + "px"
                                    : QString::number(font.pointSizeF()) + "pt")
      << On(font.bold(), "bold") << On(font.italic(), "italic")
      << On(font.underline(), "underlined") << ", colour "
      << w->palette().color(w->foregroundRole()).name()
      << (label ? ", " + Keys(label->alignment()) : QString())
      << On(label && label->wordWrap(), "wraps")
      << On(label && label->textInteractionFlags() != Qt::NoTextInteraction, "selectable")
      << On(button && button->isDefault(), "default")
      << On(button && !button->shortcut().isEmpty(), "with a key") << '\n';
}

}  // namespace

QString Describe(QWidget* top) {
    QString out;
    QTextStream s(&out);
    auto* window = dynamic_cast<platform::Window*>(top);
    QWidget* content = window ? window->Content() : top;
    const QPoint off = top->frameGeometry().center() - top->screen()->availableGeometry().center();
    s << "title " << Quoted(top->windowTitle()) << '\n'
      << "window " << Size(top->size()) << On(top->parentWidget(), "owned")
      << On(off.manhattanLength() <= 8, "centred") << On(top->acceptDrops(), "takes drops") << '\n'
      << "  " << Keys(top->windowFlags()) << '\n'
      << "content " << Size(content->size()) << " from " << Size(content->minimumSize()) << " to "
      << Size(content->maximumSize()) << ", background "
      << (content->autoFillBackground() ? content : top)->palette().color(QPalette::Window).name()
      << "\nicon sizes";
    for (const QSize& size : top->windowIcon().availableSizes()) s << ' ' << Size(size);
    s << "\ntab order";
    for (QWidget* w = content->nextInFocusChain(); w != content; w = w->nextInFocusChain())
        if (content->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
            s << ' ' << w->objectName();
    s << '\n';
    if (auto* bar = top->findChild<QMenuBar*>()) {
        s << "menu bar" << On(!bar->isVisible(), "hidden") << " height " << bar->height() << '\n';
        for (QAction* title : bar->actions()) {
            emit title->menu()->aboutToShow();  // the items as the user finds them on opening
            s << "  " << Quoted(title->text()) << On(!title->isEnabled(), "off") << '\n';
            for (QAction* a : title->menu()->actions())
                s << "    "
                  << (a->isSeparator() ? "-" : Quoted(a->text()) + On(!a->isEnabled(), "off"))
                  << '\n';
        }
        s << "keys the window carries";
        for (QAction* a : top->actions())
            s << ' ' << Quoted(a->shortcut().toString()) << On(!a->isEnabled(), "off");
        s << '\n';
    }
    for (QWidget* w : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QMenuBar*>(w)) DescribeControl(s, w);
    return out;
}

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

// Nothing to say when the snapshot holds; otherwise the reviewed file is
// rewritten (when asked to) or what this run saw is left in the build tree.
QString Settle(const QString& name, const QByteArray& actual, bool same, const QString& how) {
    const QString reviewed = QStringLiteral(TARNWICK_SNAPSHOTS_DIR "/") + name;
    const QString seen = QStringLiteral(TARNWICK_SNAPSHOTS_ACTUAL_DIR "/") + name;
    if (same) return QFile::remove(seen), QString();
    if (qEnvironmentVariableIntValue("TARNWICK_UPDATE_SNAPSHOTS") == 1)
        return Write(reviewed, actual) ? QString() : QStringLiteral("cannot write ") + reviewed;
    Write(seen, actual);
    return QStringLiteral(
               "%1 is not the reviewed snapshot (%2).\n  reviewed: %3\n  this run: %4\n"
               "If the change is intended, run the suites again with "
               "TARNWICK_UPDATE_SNAPSHOTS=1 and review the diff.")
        .arg(name, how, reviewed, seen);
}

}  // namespace

QString CompareSnapshot(const QString& name, const QString& actual) {
    QFile file(QStringLiteral(TARNWICK_SNAPSHOTS_DIR "/") + name);
    const QByteArray expected = file.open(QIODevice::ReadOnly) ? file.readAll() : "(missing)";
    return Settle(name, actual.toUtf8(), actual.toUtf8() == expected, "diff -u shows how");
}

QString CompareSnapshot(const QString& name, const QImage& actual) {
    const QImage seen = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage reviewed(QStringLiteral(TARNWICK_SNAPSHOTS_DIR "/") + name);
    QByteArray png;
    QBuffer buffer(&png);
    seen.save(&buffer, "PNG");
    return Settle(name, png, reviewed.convertToFormat(seen.format()) == seen, "other pixels");
}

}  // namespace harness
