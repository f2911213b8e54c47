// The About window: its design, single instance, links and close button.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "TarnwickConfig.h"
#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "harness/ListOrders.h"
#include "platform/widgets/BundleResources.h"
#include "platform/widgets/PropertyList.h"
#include "windows/PictureGetters.h"
#include "windows/Window1.h"
#include "windows/Window2.h"
#include "windows/Window2Lists.h"

using namespace platform;
using harness::EntryNames;
namespace lists = windows::window2;

namespace {

Window2* OpenAbout() {
    App()->_kono_Action();
    return dynamic_cast<Window2*>(GetImplicitWindow(QStringLiteral("Window2.Window2")));
}

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kBlack(0, 0, 0);

}  // namespace

class Window2Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::StartApplication(); }
    void init() { windows::ResetPictureCachesForTesting(); }
    void cleanup() {
        harness::CloseAllWindows();
        SetApplicationBundleResourcesForTesting({});
        windows::ResetPictureCachesForTesting();
    }

    void listsKeepTheOrderOfTheirClass_data();
    void listsKeepTheOrderOfTheirClass();
    void opensAWhiteFixedWindowTitledWithTheProduct();
    void controlsHoldTheirDesign_data();
    void controlsHoldTheirDesign();
    void showsTheLongVersionNotTheDesignText();
    void oneWindowAtATimeAndANewOneAfterClosing();
    void linksChangeColorAndOpenTheirAddress_data();
    void linksChangeColorAndOpenTheirAddress();
    void closeButtonClosesTheAboutWindowEvenBehindAResultWindow();
    void missingLogoLeavesAnEmptyCanvas();
    void isNotModal();
};

void Window2Test::listsKeepTheOrderOfTheirClass_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("sameClassInResultWindow");
    // The result window's lists give each class's order.
    QTest::newRow("window") << lists::WindowProperties() << QByteArray("window");
    QTest::newRow("PushButton1") << lists::PushButton1Properties() << QByteArray("button");
    QTest::newRow("StaticText1") << lists::StaticText1Properties() << QByteArray("label");
    QTest::newRow("Canvas1") << lists::Canvas1Properties() << QByteArray("canvas");
    QTest::newRow("StaticText2") << lists::StaticText2Properties() << QByteArray("label");
    QTest::newRow("StaticText3") << lists::StaticText3Properties() << QByteArray("label");
    QTest::newRow("StaticText5") << lists::StaticText5Properties() << QByteArray("label");
}

void Window2Test::listsKeepTheOrderOfTheirClass() {
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, sameClassInResultWindow);
    const QList<QByteArray> names = EntryNames(list);
    QVERIFY(!names.isEmpty());
    const QList<QByteArray> expected = sameClassInResultWindow == "window"   ? harness::kWindowOrder
                                       : sameClassInResultWindow == "button" ? harness::kButtonOrder
                                       : sameClassInResultWindow == "canvas" ? harness::kCanvasOrder
                                                                             : harness::kLabelOrder;
    QCOMPARE(names, expected);
}

void Window2Test::opensAWhiteFixedWindowTitledWithTheProduct() {
    Window2* w = OpenAbout();
    QVERIFY(w != nullptr);
    QVERIFY(w->isVisible());
    QCOMPARE(w->Title(), QStringLiteral("Tarnwick"));
    QCOMPARE(w->Content()->size(), QSize(300, 180));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(w->MinimumSize(), QSize(300, 180));
    QCOMPARE(w->MaximumSize(), QSize(300, 180));
    QVERIFY(w->Resizeable());
    QVERIFY(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(w->MenuBarView(), nullptr);
    QVERIFY(w->Content()->autoFillBackground());
    QCOMPARE(w->Content()->palette().color(QPalette::Window), QColor(255, 255, 255));
    const QImage shot = w->grab().toImage();
    QCOMPARE(shot.pixelColor(295, 5), QColor(255, 255, 255));
}

void Window2Test::controlsHoldTheirDesign_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("textSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("color");
    QTest::newRow("PushButton1") << "PushButton1" << QRect(216, 150, 69, 20) << "Close" << 12
                                 << false << false << QColor();
    QTest::newRow("StaticText1") << "StaticText1" << QRect(20, 117, 210, 20)
                                 << "http://www.tarnwick.example" << 11 << false << true << kBlue;
    QTest::newRow("Canvas1") << "Canvas1" << QRect(65, 9, 170, 65) << "" << 0 << false << false
                             << QColor();
    QTest::newRow("StaticText2") << "StaticText2" << QRect(20, 147, 150, 20)
                                 << "mailto:support@tarnwick.example" << 11 << false << true
                                 << kBlue;
    QTest::newRow("StaticText3") << "StaticText3" << QRect(20, 80, 157, 25) << "Tarnwick" << 12
                                 << true << false << kBlack;
    QTest::newRow("StaticText5") << "StaticText5" << QRect(195, 83, 69, 22) << "Ver. 1.2.0" << 9
                                 << false << false << kBlack;
}

void Window2Test::controlsHoldTheirDesign() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(int, textSize);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(QColor, color);
    Window2* w = OpenAbout();
    RectControl* control = w->ControlByName(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->Widget()->geometry(), geometry);
    QVERIFY(control->Enabled());
    QVERIFY(control->Visible());
    if (auto* label = dynamic_cast<Label*>(control)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->font().pixelSize(), textSize);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->font().underline(), underline);
        QVERIFY(!label->font().italic());
        QCOMPARE(label->palette().color(QPalette::WindowText), color);
        QCOMPARE(label->TextAlign(), 0);
    } else if (auto* button = dynamic_cast<PushButton*>(control)) {
        QCOMPARE(button->Caption(), text);
        QCOMPARE(button->font().pixelSize(), textSize);
        QVERIFY(!button->Default());
        QVERIFY(!button->Cancel());
    } else {
        auto* canvas = dynamic_cast<Canvas*>(control);
        QVERIFY(canvas != nullptr);
        QVERIFY(canvas->Backdrop() != nullptr);
        QCOMPARE(canvas->Backdrop()->Width(), 170);
        QCOMPARE(canvas->Backdrop()->Height(), 65);
        // The logo is drawn as it is: its white is not keyed out.
        QCOMPARE(canvas->Backdrop()->Transparent(), 0);
    }
}

void Window2Test::showsTheLongVersionNotTheDesignText() {
    Window2* w = OpenAbout();
    QCOMPARE(w->StaticText5()->Text(), QByteArray("Ver. ") + config::kLongVersion);
    QVERIFY(w->StaticText5()->Text() != "Ver.1.20");
}

void Window2Test::oneWindowAtATimeAndANewOneAfterClosing() {
    QPointer<Window2> first = OpenAbout();
    first->StaticText5()->SetText("changed");
    auto* result = new Window1;
    result->Constructor();
    QCOMPARE(WindowAt(0), result);
    // Again: the same window, to the front, its text untouched.
    QCOMPARE(OpenAbout(), first.data());
    QCOMPARE(WindowAt(0), first.data());
    QCOMPARE(first->StaticText5()->Text(), QByteArray("changed"));
    int abouts = 0;
    for (int i = 0; i < WindowCount(); ++i) abouts += dynamic_cast<Window2*>(WindowAt(i)) ? 1 : 0;
    QCOMPARE(abouts, 1);

    // Closed by its close box: the next command builds a new one.
    QVERIFY(first->close());
    QCOMPARE(GetImplicitWindow("Window2.Window2"), nullptr);
    QTRY_VERIFY(first.isNull());
    Window2* second = OpenAbout();
    QVERIFY(second != nullptr);
    QCOMPARE(second->StaticText5()->Text(), QByteArray("Ver. 1.2.0"));
}

void Window2Test::linksChangeColorAndOpenTheirAddress_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::newRow("web link") << "StaticText1"
                              << "http://www.tarnwick.example/";
    QTest::newRow("mail link") << "StaticText2"
                               << "mailto:support@tarnwick.example";
}

void Window2Test::linksChangeColorAndOpenTheirAddress() {
    QFETCH(QString, name);
    QFETCH(QString, address);
    harness::UrlCapture urls;
    Window2* w = OpenAbout();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* link = w->Control<Label>(name);
    auto* other = w->Control<Label>(name == "StaticText1" ? "StaticText2" : "StaticText1");

    QTest::mouseMove(link, QPoint(3, 3));
    QTRY_COMPARE(link->palette().color(QPalette::WindowText), kRed);
    QCOMPARE(other->palette().color(QPalette::WindowText), kBlue);
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(link->palette().color(QPalette::WindowText), kRed);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(400, -50));
    QCOMPARE(link->palette().color(QPalette::WindowText), kRed);
    QCOMPARE(urls.Opened(), QStringList{address});
    QTest::mouseMove(w->StaticText3(), QPoint(3, 3));
    QTRY_COMPARE(link->palette().color(QPalette::WindowText), kBlue);
    QCOMPARE(urls.Opened().size(), 1);
}

void Window2Test::closeButtonClosesTheAboutWindowEvenBehindAResultWindow() {
    QPointer<Window2> about = OpenAbout();
    QPointer<Window1> result = new Window1;
    result->Constructor();
    QCOMPARE(WindowAt(0), result.data());
    QTest::mouseClick(about->PushButton1(), Qt::LeftButton);
    QTRY_VERIFY(about.isNull());
    QVERIFY(!result.isNull());
    QVERIFY(result->isVisible());
}

void Window2Test::missingLogoLeavesAnEmptyCanvas() {
    QTemporaryDir emptyResources;
    SetApplicationBundleResourcesForTesting(emptyResources.path());
    Window2* w = OpenAbout();
    QVERIFY(w != nullptr);
    QCOMPARE(w->Canvas1()->Backdrop(), nullptr);
    QCOMPARE(w->Canvas1()->geometry(), QRect(65, 9, 170, 65));
    QCOMPARE(w->StaticText5()->Text(), QByteArray("Ver. 1.2.0"));
    QCOMPARE(w->PushButton1()->Caption(), QStringLiteral("Close"));
    QVERIFY(w->StaticText1()->isVisible() && w->StaticText2()->isVisible());
}

void Window2Test::isNotModal() {
    Window2* w = OpenAbout();
    QVERIFY(w->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(!w->isModal());
}

QTEST_MAIN(Window2Test)
#include "tst_window2.moc"
