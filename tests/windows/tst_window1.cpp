// The result window as built from its lists, its link and its close button.
#include <QMenuBar>
#include <QTest>

#include "TarnwickConfig.h"
#include "harness/AppHarness.h"
#include "harness/ListOrders.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/PropertyList.h"
#include "windows/Window1.h"
#include "windows/Window1Lists.h"

using namespace platform;
using namespace harness;
namespace lists = windows::window1;

namespace {

Window1* NewResultWindow() {
    auto* w = new Window1;
    w->Constructor();
    return w;
}

}  // namespace

class Window1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::StartApplication(); }
    void cleanup() { harness::CloseAllWindows(); }

    void listsHaveTheirDesignSizeAndOrder_data();
    void listsHaveTheirDesignSizeAndOrder();
    void buildsAFixedWindowWithAMenuBar();
    void controlsHoldTheirDesignValues_data();
    void controlsHoldTheirDesignValues();
    void designTextsFitAndHaveGlyphs();
    void eachWindowHasItsOwnControls();
    void linkTurnsRedOverItAndOpensTheSiteOnRelease();
    void closeButtonClosesTheFrontmostWindow();
};

void Window1Test::listsHaveTheirDesignSizeAndOrder_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<QByteArray>>("order");
    const int address = int(qstrlen(config::kSiteAddress));
    QTest::newRow("window") << lists::WindowProperties() << 267 << kWindowOrder;
    QTest::newRow("PushButton2") << lists::PushButton2Properties() << 311 << kButtonOrder;
    QTest::newRow("StaticText1") << lists::StaticText1Properties() << 357 << kLabelOrder;
    QTest::newRow("StaticText2") << lists::StaticText2Properties() << 367 << kLabelOrder;
    QTest::newRow("Canvas1") << lists::Canvas1Properties() << 280 << kCanvasOrder;
    QTest::newRow("StaticText3") << lists::StaticText3Properties() << 366 << kLabelOrder;
    QTest::newRow("StaticText4") << lists::StaticText4Properties() << 349 + address << kLabelOrder;
    QTest::newRow("StaticText5") << lists::StaticText5Properties() << 376 << kLabelOrder;
}

void Window1Test::listsHaveTheirDesignSizeAndOrder() {
    QFETCH(QByteArray, list);
    QFETCH(int, size);
    QFETCH(QList<QByteArray>, order);
    QCOMPARE(list.size(), size);
    QCOMPARE(EntryNames(list), order);
}

void Window1Test::buildsAFixedWindowWithAMenuBar() {
    Window1* w = NewResultWindow();
    QVERIFY(w->isVisible());
    QCOMPARE(w->Title(), QString());
    QCOMPARE(w->Content()->size(), QSize(280, 150));
    QCOMPARE(w->MinimumSize(), QSize(280, 150));
    QCOMPARE(w->MaximumSize(), QSize(280, 150));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!w->Resizeable());
    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(w->MenuBarView() != nullptr);
    QVERIFY(w->MenuBarView()->isVisible());
    QCOMPARE(w->GetMenuBar(), GetAppObject()->GetMenuBar());
    QCOMPARE(w->MenuBarView()->actions().size(), 2);
    QCOMPARE(w->Canvas1()->Backdrop(), nullptr);
}

void Window1Test::controlsHoldTheirDesignValues_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("textSize");
    QTest::addColumn<int>("align");
    QTest::addColumn<QColor>("color");
    const QColor black(0, 0, 0), blue(0, 0, 255);
    QTest::newRow("PushButton2") << "PushButton2" << QRect(183, 111, 69, 20) << QByteArray("閉じる")
                                 << 12 << 0 << QColor();
    QTest::newRow("StaticText1") << "StaticText1" << QRect(20, 10, 240, 20)
                                 << QByteArray("Tarnwick") << 12 << 0 << black;
    QTest::newRow("StaticText2") << "StaticText2" << QRect(104, 42, 161, 20)
                                 << QByteArray("Adobe InDesign CS3") << 12 << 0 << black;
    QTest::newRow("Canvas1") << "Canvas1" << QRect(34, 42, 64, 64) << QByteArray() << 0 << 0
                             << QColor();
    QTest::newRow("StaticText3") << "StaticText3" << QRect(105, 61, 137, 18)
                                 << QByteArray("Macintosh Edition") << 10 << 0 << black;
    QTest::newRow("StaticText4") << "StaticText4" << QRect(20, 114, 151, 20)
                                 << QByteArray(config::kSiteAddress) << 12 << 0 << blue;
    QTest::newRow("StaticText5") << "StaticText5" << QRect(105, 82, 160, 25)
                                 << QByteArray("サブバージョン不明") << 14 << 1 << black;
}

void Window1Test::controlsHoldTheirDesignValues() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QByteArray, text);
    QFETCH(int, textSize);
    QFETCH(int, align);
    QFETCH(QColor, color);
    Window1* w = NewResultWindow();
    RectControl* control = w->ControlByName(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->Name(), name);
    QCOMPARE(control->Widget()->geometry(), geometry);
    QVERIFY(control->Enabled());
    QVERIFY(control->Visible());
    if (auto* label = dynamic_cast<Label*>(control)) {
        QCOMPARE(label->Text(), text);
        QCOMPARE(label->text(), QString::fromUtf8(text));
        QCOMPARE(label->font().pixelSize(), textSize);
        QCOMPARE(label->TextAlign(), align);
        QCOMPARE(label->palette().color(QPalette::WindowText), color);
        QVERIFY(!label->font().bold());
        QVERIFY(!label->font().underline());
        QVERIFY(!label->wordWrap());
    } else if (auto* button = dynamic_cast<PushButton*>(control)) {
        QCOMPARE(button->Caption(), QString::fromUtf8(text));
        QCOMPARE(button->font().pixelSize(), textSize);
        QVERIFY(!button->Default());
        QVERIFY(!button->Cancel());
        QVERIFY(button->TabStop());
    } else {
        QVERIFY(dynamic_cast<Canvas*>(control) != nullptr);
        QCOMPARE(control->Widget()->focusPolicy(), Qt::NoFocus);
    }
}

void Window1Test::designTextsFitAndHaveGlyphs() {
    Window1* w = NewResultWindow();
    for (Label* label : {w->StaticText1(), w->StaticText2(), w->StaticText3(), w->StaticText5()}) {
        const QFontMetrics metrics(label->font());
        const QString text = label->text();
        QVERIFY2(metrics.horizontalAdvance(text) <= label->width(), qPrintable(text));
        QVERIFY2(metrics.height() <= label->height() + 2, qPrintable(text));
        for (const QChar c : text) QVERIFY2(metrics.inFont(c), qPrintable(text));
    }
    const QFontMetrics buttonMetrics(w->PushButton2()->font());
    for (const QChar c : w->PushButton2()->Caption()) QVERIFY(buttonMetrics.inFont(c));
}

void Window1Test::eachWindowHasItsOwnControls() {
    Window1* first = NewResultWindow();
    Window1* second = NewResultWindow();
    first->StaticText2()->SetText("Adobe InDesign CS4");
    QCOMPARE(second->StaticText2()->Text(), QByteArray("Adobe InDesign CS3"));
    QVERIFY(first->StaticText2() != second->StaticText2());
    QCOMPARE(first->GetMenuBar(), second->GetMenuBar());
}

void Window1Test::linkTurnsRedOverItAndOpensTheSiteOnRelease() {
    harness::UrlCapture urls;
    Window1* w = NewResultWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    Label* link = w->StaticText4();
    const QColor red(255, 0, 0), blue(0, 0, 255);

    QTest::mouseMove(link, QPoint(5, 5));
    QTRY_COMPARE(link->palette().color(QPalette::WindowText), red);
    QTest::mouseMove(w->StaticText1(), QPoint(5, 5));
    QTRY_COMPARE(link->palette().color(QPalette::WindowText), blue);
    QVERIFY(urls.Opened().isEmpty());

    QTest::mouseMove(link, QPoint(5, 5));
    QTRY_COMPARE(link->palette().color(QPalette::WindowText), red);
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
    // Released far outside the label: the address still opens.
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-100, 300));
    QCOMPARE(urls.Opened(), QStringList{QString::fromUtf8(config::kSiteAddress)});
    // A click changes no color.
    QCOMPARE(link->palette().color(QPalette::WindowText), red);
}

void Window1Test::closeButtonClosesTheFrontmostWindow() {
    QPointer<Window1> back = NewResultWindow();
    QPointer<Window1> front = NewResultWindow();
    QCOMPARE(WindowAt(0), front.data());
    QCOMPARE(WindowAt(1), back.data());

    // The button does not care whose it is: the window in front closes.
    QTest::mouseClick(back->PushButton2(), Qt::LeftButton);
    QTRY_VERIFY(front.isNull());
    QVERIFY(!back.isNull());
    QCOMPARE(WindowAt(0), back.data());

    QTest::mouseClick(back->PushButton2(), Qt::LeftButton);
    QTRY_VERIFY(back.isNull());
    QCOMPARE(WindowCount(), 0);
}

QTEST_MAIN(Window1Test)
#include "tst_window1.moc"
