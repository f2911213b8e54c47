// The result and About windows as the user sees them: their controls, links,
// close buttons, placement, and the About window's single instance.
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <set>

#include "TarnwickConfig.h"
#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "platform/widgets/BundleResources.h"
#include "platform/widgets/MenuBarWindow.h"
#include "windows/PictureGetters.h"
#include "windows/Window1.h"
#include "windows/Window2.h"

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
        for (quint32 glyph : run.glyphIndexes())
            if (glyph == 0) return false;
    return true;
}

const QColor kBlack(0, 0, 0), kBlue(0, 0, 255), kRed(255, 0, 0);
const QString kSite = QString::fromUtf8(config::kSiteAddress);
const QString kMail = QStringLiteral("mailto:") + QString::fromUtf8(config::kContactAddress);

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

    void windowHasItsDesign_data();
    void windowHasItsDesign();
    void controlShowsItsDesignAndFits_data();
    void controlShowsItsDesignAndFits();
    void linkTurnsRedOverItAndOpensOnRelease_data();
    void linkTurnsRedOverItAndOpensOnRelease();
    void closeButtons();
    void aboutIsOneCentredWindowThatComesBack();
    void missingLogoLeavesAnEmptyCanvas();
    void newResultWindowsKeepSteppingDownRight();
    void menuShortcutWorksFromTheAboutWindow();
};

void WindowsTest::windowHasItsDesign_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("minMaxButtons");
    QTest::addColumn<QColor>("corner");  // invalid: the desktop's own background
    QTest::newRow("result") << "result"
                            << "" << QSize(280, 150) << false << QColor();
    QTest::newRow("about") << "about"
                           << "Tarnwick" << QSize(300, 180) << true << QColor(Qt::white);
}

void WindowsTest::windowHasItsDesign() {
    QFETCH(QString, kind);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    QFETCH(bool, minMaxButtons);
    QFETCH(QColor, corner);
    Window* w = Open(kind);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(w->Content()->size(), size);
    QCOMPARE(w->minimumSize(), w->maximumSize());
    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), minMaxButtons);
    QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), minMaxButtons);
    // The result window carries the menu bar; the About window none.
    QCOMPARE(w->MenuBarView() != nullptr, kind == "result");
    if (corner.isValid())
        QCOMPARE(w->Content()->grab().toImage().pixelColor(size.width() - 5, 5), corner);
}

void WindowsTest::controlShowsItsDesignAndFits_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QString>("style");  // b: bold, u: underlined
    QTest::addColumn<QColor>("color");
    const QString version = QStringLiteral("Ver. ") + config::kLongVersion;
    QString site = kSite;
    site.chop(1);
    // clang-format off
    QTest::newRow("result button") << "result" << "PushButton2" << QRect(183, 111, 69, 20) << "閉じる" << 12 << "" << QColor();
    QTest::newRow("result product") << "result" << "StaticText1" << QRect(20, 10, 240, 20) << "Tarnwick" << 12 << "" << kBlack;
    QTest::newRow("result release") << "result" << "StaticText2" << QRect(104, 42, 161, 20) << "Adobe InDesign CS3" << 12 << "" << kBlack;
    QTest::newRow("result canvas") << "result" << "Canvas1" << QRect(34, 42, 64, 64) << "" << 0 << "" << QColor();
    QTest::newRow("result edition") << "result" << "StaticText3" << QRect(105, 61, 137, 18) << "Macintosh Edition" << 10 << "" << kBlack;
    QTest::newRow("result link") << "result" << "StaticText4" << QRect(20, 114, 151, 20) << kSite << 12 << "" << kBlue;
    QTest::newRow("result sub-version") << "result" << "StaticText5" << QRect(105, 82, 160, 25) << "サブバージョン不明" << 14 << "" << kBlack;
    QTest::newRow("about button") << "about" << "PushButton1" << QRect(216, 150, 69, 20) << "Close" << 12 << "" << QColor();
    QTest::newRow("about web link") << "about" << "StaticText1" << QRect(20, 117, 210, 20) << site << 11 << "u" << kBlue;
    QTest::newRow("about logo") << "about" << "Canvas1" << QRect(65, 9, 170, 65) << "" << 0 << "" << QColor();
    QTest::newRow("about mail link") << "about" << "StaticText2" << QRect(20, 147, 150, 20) << kMail << 11 << "u" << kBlue;
    QTest::newRow("about product") << "about" << "StaticText3" << QRect(20, 80, 157, 25) << "Tarnwick" << 12 << "b" << kBlack;
    QTest::newRow("about version") << "about" << "StaticText5" << QRect(195, 83, 69, 22) << version << 9 << "" << kBlack;
    // clang-format on
}

void WindowsTest::controlShowsItsDesignAndFits() {
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(int, pixels);
    QFETCH(QString, style);
    QFETCH(QColor, color);
    Window* w = Open(kind);
    QWidget* control = w->Content()->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
    QVERIFY(control->isVisible() && control->isEnabled());
    if (auto* canvas = dynamic_cast<Canvas*>(control)) {
        // The result window's picture comes with a document; the logo is there at once.
        QCOMPARE(canvas->Backdrop() != nullptr, kind == "about");
        if (canvas->Backdrop()) QCOMPARE(canvas->Backdrop()->Width(), 170);
        return;
    }
    const QFont font = control->font();
    const QString shown = name.startsWith("Push") ? qobject_cast<QPushButton*>(control)->text()
                                                  : qobject_cast<QLabel*>(control)->text();
    QCOMPARE(shown, text);
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(font.bold(), style.contains('b'));
    QCOMPARE(font.underline(), style.contains('u'));
    QVERIFY(HasAllGlyphs(text, font));
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->palette().color(QPalette::WindowText), color);
        const int advance = QFontMetrics(font).horizontalAdvance(text);
        QVERIFY2(advance <= geometry.width(), qPrintable(QString::number(advance)));
    }
}

void WindowsTest::linkTurnsRedOverItAndOpensOnRelease_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::newRow("result site") << "result"
                                 << "StaticText4" << kSite;
    QTest::newRow("about site") << "about"
                                << "StaticText1" << kSite;
    QTest::newRow("about mail") << "about"
                                << "StaticText2" << kMail;
}

void WindowsTest::linkTurnsRedOverItAndOpensOnRelease() {
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, address);
    harness::UrlCapture urls;
    Window* w = Open(kind);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* link = w->Content()->findChild<QLabel*>(name);
    auto color = [link] { return link->palette().color(QPalette::WindowText); };
    QTest::mouseMove(link, QPoint(3, 3));
    QTRY_COMPARE(color(), kRed);
    for (QLabel* other : w->Content()->findChildren<QLabel*>())
        if (other != link) QVERIFY(other->palette().color(QPalette::WindowText) != kRed);
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(400, -50));  // released far off
    QCOMPARE(urls.Opened(), QStringList{address});
    QCOMPARE(color(), kRed);
    QTest::mouseMove(w->Content(), QPoint(270, 5));
    QTRY_COMPARE(color(), kBlue);
    QCOMPARE(urls.Opened().size(), 1);
}

void WindowsTest::closeButtons() {
    QPointer<Window> about = Open("about");
    QPointer<Window> back = Open("result");
    QPointer<Window> front = Open("result");
    // "閉じる" closes the frontmost window, whichever window it is in.
    QTest::mouseClick(back->findChild<QPushButton*>("PushButton2"), Qt::LeftButton);
    QTRY_VERIFY(front.isNull());
    QVERIFY(back && about);
    // "Close" closes the About window even behind a result window.
    QTest::mouseClick(about->findChild<QPushButton*>("PushButton1"), Qt::LeftButton);
    QTRY_VERIFY(about.isNull());
    QVERIFY(back && back->isVisible());
}

void WindowsTest::aboutIsOneCentredWindowThatComesBack() {
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
    QCOMPARE(Open("about")->findChild<QLabel*>("StaticText5")->text(),
             QStringLiteral("Ver. ") + config::kLongVersion);
}

void WindowsTest::missingLogoLeavesAnEmptyCanvas() {
    QTemporaryDir emptyResources;
    SetApplicationBundleResourcesForTesting(emptyResources.path());
    Window* w = Open("about");
    QCOMPARE(w->findChild<Canvas*>("Canvas1")->Backdrop(), nullptr);
    QCOMPARE(w->findChildren<QLabel*>().size(), 4);
}

void WindowsTest::newResultWindowsKeepSteppingDownRight() {
    QList<QPoint> positions;
    for (int i = 0; i < 100; ++i) positions << Open("result")->pos();
    std::set<std::pair<int, int>> distinct;
    int steps = 0;
    for (qsizetype i = 0; i < positions.size(); ++i) {
        distinct.insert({positions[i].x(), positions[i].y()});
        if (i == 0) continue;
        const QPoint d = positions[i] - positions[i - 1];
        // A step down and right, or the start of the next run further up.
        QVERIFY((d.x() > 0 && d.y() > 0) || d.y() < 0);
        steps += d.y() > 0 ? 1 : 0;
    }
    QCOMPARE(distinct.size(), size_t(100));
    QVERIFY(steps >= 89);
}

void WindowsTest::menuShortcutWorksFromTheAboutWindow() {
    MenuBarWindow bar(App()->GetMenuBar());
    bar.show();
    App()->GetMenuBar()->UpdateEnabling();
    Window* about = Open("about");
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(harness::Quits().count, 1);
}

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
