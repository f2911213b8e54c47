// The result and About windows as the user sees them: their controls, links,
// close buttons, placement, and the About window's single instance.
#include <QtTest>
#include <QtWidgets>
#include <set>

#include "TarnwickConfig.h"
#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "platform/widgets/BundleResources.h"
#include "platform/widgets/MenuBarWindow.h"
#include "windows/PictureGetters.h"
#include "windows/Window1.h"

using namespace platform;

namespace {

Window* Open(const QString& kind) {
    if (kind == "about") {
        App()->_kono_Action();
        return GetImplicitWindow(QStringLiteral("Window2.Window2"));
    }
    auto* w = new Window1;
    w->Constructor();
    return w;
}

// Glyph index 0 is the box a font draws for a character it lacks.
bool HasAllGlyphs(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        if (run.glyphIndexes().contains(0)) return false;
    return true;
}

const QColor kBlack(0, 0, 0), kBlue(0, 0, 255), kRed(255, 0, 0);
const QString kSite = QString::fromUtf8(config::kSiteAddress);
const QString kMail = QStringLiteral("mailto:") + QString::fromUtf8(config::kContactAddress);
const QString kVersion = QStringLiteral("Ver. ") + config::kLongVersion;

struct Control {
    const char *kind, *name;
    QRect geometry;
    QString text;
    int pixels;
    const char* style;  // b: bold, u: underlined
    QColor color;
    QString opens{};  // a link's address
};
const Control kControls[] = {
    {"result", "PushButton2", {183, 111, 69, 20}, "閉じる", 12, "", {}},
    {"result", "StaticText1", {20, 10, 240, 20}, "Tarnwick", 12, "", kBlack},
    {"result", "StaticText2", {104, 42, 161, 20}, "Adobe InDesign CS3", 12, "", kBlack},
    {"result", "Canvas1", {34, 42, 64, 64}, "", 0, "", {}},
    {"result", "StaticText3", {105, 61, 137, 18}, "Macintosh Edition", 10, "", kBlack},
    {"result", "StaticText4", {20, 114, 151, 20}, kSite, 12, "", kBlue, kSite},
    {"result", "StaticText5", {105, 82, 160, 25}, "サブバージョン不明", 14, "", kBlack},
    {"about", "PushButton1", {216, 150, 69, 20}, "Close", 12, "", {}},
    {"about", "StaticText1", {20, 117, 210, 20}, kSite.chopped(1), 11, "u", kBlue, kSite},
    {"about", "Canvas1", {65, 9, 170, 65}, "", 0, "", {}},
    {"about", "StaticText2", {20, 147, 150, 20}, kMail, 11, "u", kBlue, kMail},
    {"about", "StaticText3", {20, 80, 157, 25}, "Tarnwick", 12, "b", kBlack},
    {"about", "StaticText5", {195, 83, 69, 22}, kVersion, 9, "", kBlack},
};

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::StartApplication(); }
    void cleanup() {
        harness::CloseAllWindows();
        SetApplicationBundleResourcesForTesting({});
        windows::ResetPictureCachesForTesting();
    }

    void windowHasItsDesign_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("result") << "result";
        QTest::newRow("about") << "about";
    }
    void windowHasItsDesign() {
        QFETCH(QString, kind);
        const bool about = kind == "about";
        Window* w = Open(kind);
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), about ? "Tarnwick" : "");
        QCOMPARE(w->Content()->size(), about ? QSize(300, 180) : QSize(280, 150));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        const Qt::WindowFlags flags = w->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), about);
        QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), about);
        QCOMPARE(w->MenuBarView() == nullptr, about);  // the result window has the menus
        if (about) QCOMPARE(w->Content()->grab().toImage().pixelColor(295, 5), QColor(Qt::white));
    }

    void controlShowsItsDesignAndFits_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kControls)); ++i)
            QTest::addRow("%s %s", kControls[i].kind, kControls[i].name) << i;
    }
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
            return;
        }
        auto* label = qobject_cast<QLabel*>(control);
        const QFont font = control->font();
        QCOMPARE(label ? label->text() : qobject_cast<QPushButton*>(control)->text(), c.text);
        QCOMPARE(font.pixelSize(), c.pixels);
        QCOMPARE(font.bold(), QByteArray(c.style).contains('b'));
        QCOMPARE(font.underline(), QByteArray(c.style).contains('u'));
        QVERIFY(HasAllGlyphs(c.text, font));
        if (!label) return;
        QCOMPARE(label->palette().color(QPalette::WindowText), c.color);
        const int advance = QFontMetrics(font).horizontalAdvance(c.text);
        QVERIFY2(advance <= c.geometry.width(), qPrintable(QString::number(advance)));
    }

    void linkTurnsRedOverItAndOpensOnRelease_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kControls)); ++i)
            if (!kControls[i].opens.isEmpty())
                QTest::addRow("%s %s", kControls[i].kind, kControls[i].name) << i;
    }
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
        for (QLabel* other : w->Content()->findChildren<QLabel*>())
            QVERIFY(other == link || color(other) != kRed);
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(400, -50));  // released far off
        QCOMPARE(urls.Opened(), QStringList{c.opens});
        QCOMPARE(color(link), kRed);
        QTest::mouseMove(w->Content(), QPoint(270, 5));
        QTRY_COMPARE(color(link), kBlue);
        QCOMPARE(urls.Opened().size(), 1);
    }

    void closeButtons() {
        QPointer<Window> about = Open("about"), back = Open("result"), front = Open("result");
        // "閉じる" closes the frontmost window, whichever window it is in.
        QTest::mouseClick(back->findChild<QPushButton*>("PushButton2"), Qt::LeftButton);
        QTRY_VERIFY(front.isNull());
        QVERIFY(back && about);
        // "Close" closes the About window even behind a result window.
        QTest::mouseClick(about->findChild<QPushButton*>("PushButton1"), Qt::LeftButton);
        QTRY_VERIFY(about.isNull());
        QVERIFY(back && back->isVisible());
    }

    void aboutIsOneCentredWindowThatComesBack() {
        QPointer<Window> about = Open("about");
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // Centred, give or take the frame the window manager adds.
        QVERIFY((about->frameGeometry().center() - screen.center()).manhattanLength() <= 8);
        about->findChild<QLabel*>("StaticText5")->setText("changed");
        about->showMinimized();
        Open("result");
        // Chosen again: the same window, restored, in front, untouched.
        QCOMPARE(Open("about"), about.data());
        QVERIFY(!about->isMinimized());
        QCOMPARE(WindowAt(0), about.data());
        QCOMPARE(about->findChild<QLabel*>("StaticText5")->text(), QStringLiteral("changed"));
        QVERIFY(about->close());
        QTRY_VERIFY(about.isNull());
        QCOMPARE(Open("about")->findChild<QLabel*>("StaticText5")->text(), kVersion);
    }

    void missingLogoLeavesAnEmptyCanvas() {
        QTemporaryDir emptyResources;
        SetApplicationBundleResourcesForTesting(emptyResources.path());
        Window* w = Open("about");
        QCOMPARE(w->findChild<Canvas*>("Canvas1")->Backdrop(), nullptr);
        QCOMPARE(w->findChildren<QLabel*>().size(), 4);
    }

    void newResultWindowsKeepSteppingDownRight() {
        std::set<std::pair<int, int>> distinct;
        QPoint last;
        int steps = 0;
        for (int i = 0; i < 100; ++i) {
            const QPoint at = Open("result")->pos(), d = at - last;
            distinct.insert({at.x(), at.y()});
            // A step down and right, or the start of the next run further up.
            QVERIFY(i == 0 || (d.x() > 0 && d.y() > 0) || d.y() < 0);
            steps += i > 0 && d.y() > 0 ? 1 : 0;
            last = at;
        }
        QCOMPARE(distinct.size(), size_t(100));
        QVERIFY(steps >= 89);
    }

    void menuShortcutWorksFromTheAboutWindow() {
        MenuBarWindow bar(App()->GetMenuBar());
        bar.show();
        App()->GetMenuBar()->UpdateEnabling();
        Window* about = Open("about");
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(harness::Quits().count, 1);
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
