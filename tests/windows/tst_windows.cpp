// The result, About and update notice windows as the user sees them: their
// controls, links, buttons, keys, placement and single instances.
#include <QtTest>
#include <QtWidgets>

#include "TarnwickConfig.h"
#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "platform/widgets/MenuBarWindow.h"
#include "update/UpdateWin.h"
#include "windows/Window1.h"

using namespace platform;

namespace {

Window* Open(const QString& kind) {
    if (kind == "notice") return UpdateWin::ImplicitInstance();
    if (kind == "about")  // chosen from the menu
        return App()->GetMenuBar()->Lookup("kono")->Action(), GetImplicitWindow("Window2.Window2");
    auto* w = new Window1;
    w->Constructor();
    return w;
}

const QColor kBlack(0, 0, 0), kBlue(0, 0, 255), kRed(255, 0, 0);
const QString kSite = QString::fromUtf8(config::kSiteAddress);
const QString kMail = QStringLiteral("mailto:") + QString::fromUtf8(config::kContactAddress);
const QString kVersion = QStringLiteral("Ver. ") + config::kLongVersion;

struct Control {
    const char *kind, *name;
    QRect geometry;
    QString text;
    int pixels;         // 0: the desktop's size
    const char* style;  // b: bold, u: underlined, c: centred
    QColor color;
    QString opens{};  // a link's address
};
// clang-format off
const Control kControls[] = {
    {"result", "PushButton2", {183, 111,  69,  20}, "閉じる",             12, "",  {}},
    {"result", "StaticText1", { 20,  10, 240,  20}, "Tarnwick",           12, "",  kBlack},
    {"result", "StaticText2", {104,  42, 161,  20}, "Adobe InDesign CS3", 12, "",  kBlack},
    {"result", "Canvas1",     { 34,  42,  64,  64}, "",                    0, "",  {}},
    {"result", "StaticText3", {105,  61, 137,  18}, "Macintosh Edition",  10, "",  kBlack},
    {"result", "StaticText4", { 20, 114, 151,  20}, kSite,                12, "",  kBlue, kSite},
    {"result", "StaticText5", {105,  82, 160,  25}, "サブバージョン不明", 14, "c", kBlack},
    {"about",  "PushButton1", {216, 150,  69,  20}, "Close",              12, "",  {}},
    {"about",  "StaticText1", { 20, 117, 210,  20}, kSite.chopped(1),     11, "u", kBlue, kSite},
    {"about",  "Canvas1",     { 65,   9, 170,  65}, "",                    0, "",  {}},
    {"about",  "StaticText2", { 20, 147, 150,  20}, kMail,                11, "u", kBlue, kMail},
    {"about",  "StaticText3", { 20,  80, 157,  25}, "Tarnwick",           12, "b", kBlack},
    {"about",  "StaticText5", {195,  83,  69,  22}, kVersion,              9, "",  kBlack},
    {"notice", "Label1",      { 10,  15, 230,  20}, "新しいバージョンが公開されています。", 0, "", kBlack},
    {"notice", "PushButton1", {160,  55,  80,  20}, "また後で",            0, "",  {}},
    {"notice", "PushButton2", { 10,  55, 140,  20}, "サイトを見に行く",    0, "",  {}},
};
// clang-format on

void Rows(bool linksOnly) {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kControls)); ++i)
        if (!linksOnly || !kControls[i].opens.isEmpty())
            QTest::addRow("%s %s", kControls[i].kind, kControls[i].name) << i;
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::StartApplication(); }
    void cleanup() {
        harness::CloseAllWindows();
        harness::UpdateChecks() = {};
    }

    void windowHasItsDesign_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("smallest");
        QTest::addColumn<QSize>("largest");
        QTest::addColumn<QString>("buttons");  // n: minimise, x: maximise
        QTest::addColumn<QString>("tabs");     // the controls Tab goes through, in order
        // clang-format off
        QTest::newRow("result") << "result" << ""                       << QSize(280, 150) << QSize(280, 150) << QSize(280, 150)     << ""   << "PushButton2";
        QTest::newRow("about")  << "about"  << "Tarnwick"               << QSize(300, 180) << QSize(300, 180) << QSize(300, 180)     << "nx" << "PushButton1";
        QTest::newRow("notice") << "notice" << "ヴァージョンアップ情報" << QSize(250, 100) << QSize(64, 64)   << QSize(32000, 32000) << "n"  << "Label1 PushButton1 PushButton2";
        // clang-format on
    }
    void windowHasItsDesign() {
        QFETCH(QString, kind);
        QFETCH(QString, title);
        QFETCH(QSize, size);
        QFETCH(QSize, smallest);
        QFETCH(QSize, largest);
        QFETCH(QString, buttons);
        QFETCH(QString, tabs);
        Window* w = Open(kind);
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(w->Content()->size(), size);
        QCOMPARE(w->Content()->minimumSize(), smallest);
        QCOMPARE(w->Content()->maximumSize(), largest);
        const Qt::WindowFlags flags = w->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), buttons.contains('n'));
        QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), buttons.contains('x'));
        QCOMPARE(w->MenuBarView() != nullptr, kind == "result");  // the menus' window
        // Only the About window is white.
        const QImage face = w->Content()->grab().toImage();
        QCOMPARE(face.pixelColor(face.width() - 5, 5) == Qt::white, kind == "about");
        QVERIFY(QTest::qWaitForWindowActive(w));
        // The About window and the notice are centred, give or take the frame
        // the window manager adds; result windows are stepped from the corner.
        const QPoint off = w->frameGeometry().center() - w->screen()->availableGeometry().center();
        QCOMPARE(off.manhattanLength() <= 8, kind != "result");
        QStringList visited;  // round the window and back to the first
        for (int i = 0; i <= tabs.count(' ') + 1; ++i, QTest::keyClick(w, Qt::Key_Tab))
            visited << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                    : "");
        QCOMPARE(visited, tabs.split(' ') << tabs.section(' ', 0, 0));
        // The notice is a parentless tool window, which the window manager
        // keeps above this program's windows only; staying on top would
        // cover every other program too.
        QCOMPARE(w->windowType(), kind == "notice" ? Qt::Tool : Qt::Window);
        QVERIFY(!flags.testFlag(Qt::WindowStaysOnTopHint) && w->parentWidget() == nullptr);
    }

    void controlShowsItsDesignAndFits_data() { Rows(false); }
    void controlShowsItsDesignAndFits() {
        QFETCH(int, row);
        const Control& c = kControls[row];
        Window* w = Open(c.kind);
        QWidget* control = w->Content()->findChild<QWidget*>(c.name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), c.geometry);
        QVERIFY(control->isVisible() && control->isEnabled());
        if (auto* canvas = dynamic_cast<Canvas*>(control)) {
            // The logo is there at once; a result window's picture comes with a document.
            QCOMPARE(canvas->Backdrop() ? canvas->Backdrop()->Width() : 0,
                     c.kind[0] == 'a' ? 170 : 0);
            if (canvas->Backdrop())  // the logo as it is: in place, white kept
                QCOMPARE(canvas->grab().toImage().convertToFormat(QImage::Format_RGB32),
                         canvas->Backdrop()->Image().convertToFormat(QImage::Format_RGB32));
            return;
        }
        auto* label = qobject_cast<QLabel*>(control);
        auto* button = qobject_cast<QPushButton*>(control);
        const QFont font = control->font();
        QCOMPARE(label ? label->text() : button->text(), c.text);
        if (c.pixels != 0) QCOMPARE(font.pixelSize(), c.pixels);
        QCOMPARE(font.bold(), QByteArray(c.style).contains('b'));
        QCOMPARE(font.underline(), QByteArray(c.style).contains('u'));
        // Labels neither wrap nor select; Escape presses no button.
        QVERIFY(label ? !label->wordWrap() && label->textInteractionFlags() == Qt::NoTextInteraction
                      : button->shortcut().isEmpty());
        QVERIFY(!font.italic());
        // The design face stands in for the desktop's everywhere but in the notice.
        QCOMPARE(font.family() == QApplication::font().family(), c.pixels == 0);
        if (label)
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask,
                     Qt::Alignment(QByteArray(c.style).contains('c') ? Qt::AlignHCenter
                                                                     : Qt::AlignLeft));
        for (const QChar ch : c.text) QVERIFY(QFontMetrics(font).inFont(ch));  // no boxes
        // Only the notice's "サイトを見に行く" answers Return.
        if (button) QCOMPARE(button->isDefault(), c.text == "サイトを見に行く");
        if (c.color.isValid()) QCOMPARE(label->palette().color(QPalette::WindowText), c.color);
        const int advance = QFontMetrics(font).horizontalAdvance(c.text);
        QVERIFY2(!label || advance <= c.geometry.width(), qPrintable(QString::number(advance)));
    }

    void linkTurnsRedOverItAndOpensOnRelease_data() { Rows(true); }
    void linkTurnsRedOverItAndOpensOnRelease() {
        QFETCH(int, row);
        const Control& c = kControls[row];
        harness::UrlCapture urls;
        Window* w = Open(c.kind);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto* link = w->Content()->findChild<QLabel*>(c.name);
        auto color = [](QLabel* l) { return l->palette().color(QPalette::WindowText); };
        QTest::mouseMove(link, QPoint(3, 3));
        QTRY_COMPARE(color(link), kRed);
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(urls.Opened().isEmpty());  // opened on the release, not the press
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(400, -50));  // released far off
        QCOMPARE(urls.Opened(), QStringList{c.opens});
        QCOMPARE(color(link), kRed);
        QTest::mouseMove(w->Content(), QPoint(270, 5));
        QTRY_COMPARE(color(link), kBlue);
    }

    void closeButtons() {
        QPointer<Window> about = Open("about"), back = Open("result"), front = Open("result");
        // "閉じる" closes the frontmost window, whichever window it is in.
        QTest::mouseClick(back->findChild<QPushButton*>("PushButton2"), Qt::LeftButton);
        QTRY_VERIFY(front.isNull());
        // "Close" closes the About window even behind a result window.
        QTest::mouseClick(about->findChild<QPushButton*>("PushButton1"), Qt::LeftButton);
        QTRY_VERIFY(about.isNull());
        QVERIFY(back && back->isVisible());
    }

    void noticeClosesEachWay_data() {
        QTest::addColumn<QString>("target");  // what has the focus or is clicked
        QTest::addColumn<int>("key");         // 0: a click
        QTest::addColumn<bool>("visits");
        QTest::newRow("click the site button") << "PushButton2" << 0 << true;
        QTest::newRow("Return on the label") << "Label1" << int(Qt::Key_Return) << true;
        QTest::newRow("Return on later") << "PushButton1" << int(Qt::Key_Return) << true;
        QTest::newRow("Enter on later") << "PushButton1" << int(Qt::Key_Enter) << true;
        QTest::newRow("click later") << "PushButton1" << 0 << false;
    }
    void noticeClosesEachWay() {
        QFETCH(QString, target);
        QFETCH(int, key);
        QFETCH(bool, visits);
        harness::UrlCapture urls;
        QPointer<Window> w = Open("notice");
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* widget = w->Content()->findChild<QWidget*>(target);
        widget->setFocus();
        key ? QTest::keyClick(widget, Qt::Key(key)) : QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(urls.Opened(), visits ? QStringList{kSite} : QStringList());
        QTRY_VERIFY(w.isNull());
    }

    void openEventShowsOneNoticeOnlyOnYes() {
        App()->Event_Open();
        QCOMPARE(harness::UpdateChecks().arguments,
                 (QList<QByteArray>{"3", "120", "Unregistered"}));
        QCOMPARE(WindowCount(), 0);
        harness::UpdateChecks().answer = true;
        App()->Event_Open();
        App()->Event_Open();
        QVERIFY(WindowCount() == 1 && WindowAt(0) == Open("notice"));
    }

    void menuShortcutWorksFromTheAboutWindow() {
        MenuBarWindow bar(App()->GetMenuBar());
        bar.show();
        App()->GetMenuBar()->UpdateEnabling();
        Window* about = Open("about");
        QVERIFY(QTest::qWaitForWindowActive(about));
        App()->GetMenuBar()->Lookup("FileQuit")->SetEnabled(false);  // an item off has no key
        QTest::keyClick(about, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(harness::Quits().count, 0);
        App()->GetMenuBar()->UpdateEnabling();
        QTest::keyClick(about, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(harness::Quits().count, 1);
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
