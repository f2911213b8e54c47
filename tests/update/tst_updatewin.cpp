// The update notice and the start-up event that shows it.
#include <QApplication>
#include <QDesktopServices>
#include <QTest>
#include <QUrl>

#include "TarnwickConfig.h"
#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "harness/ListOrders.h"
#include "platform/widgets/PropertyList.h"
#include "update/UpdateWin.h"
#include "update/UpdateWinLists.h"

using namespace platform;
using harness::EntryNames;
namespace lists = update::updatewin;

namespace {

int OpenNotices() {
    int count = 0;
    for (int i = 0; i < WindowCount(); ++i) count += dynamic_cast<UpdateWin*>(WindowAt(i)) ? 1 : 0;
    return count;
}

// Records each opened address and whether the notice was still open then.
class OrderedUrlSink : public QObject {
    Q_OBJECT
public:
    QStringList opened;
    QList<bool> noticeOpen;
public slots:
    void open(const QUrl& url) {
        opened << url.toString();
        noticeOpen << (GetImplicitWindow("UpdateWin.UpdateWin") != nullptr);
    }
};

}  // namespace

class UpdateWinTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::StartApplication(); }
    void init();
    void cleanup();

    void listsHaveTheirSizeAndOrder_data();
    void listsHaveTheirSizeAndOrder();
    void showsItsDesign();
    void visitOpensTheSiteThenCloses();
    void laterAndTheCloseBoxOnlyClose();
    void atMostOneNotice();
    void openEventShowsTheNoticeOnlyOnYes();

private:
    OrderedUrlSink sink_;
};

void UpdateWinTest::init() {
    sink_.opened.clear();
    sink_.noticeOpen.clear();
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &sink_, "open");
}

void UpdateWinTest::cleanup() {
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    harness::CloseAllWindows();
    harness::UpdateChecks() = {};
}

void UpdateWinTest::listsHaveTheirSizeAndOrder_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<QByteArray>>("order");
    const QList<QByteArray> buttonOrder{
        "InitialParent",  "Underline", "Italic",   "Bold",          "TextFont",   "ButtonStyle",
        "AutoDeactivate", "HelpTag",   "Visible",  "Enabled",       "Cancel",     "Default",
        "Caption",        "TabStop",   "TabIndex", "TabPanelIndex", "LockBottom", "LockRight",
        "LockTop",        "LockLeft",  "Height",   "Width",         "Top",        "Left",
        "Index",          "Name"};
    QTest::newRow("window") << lists::WindowProperties() << 300 << harness::kWindowOrder;
    QTest::newRow("Label1")
        << lists::Label1Properties() << 408
        << QList<QByteArray>{
               "InitialParent", "DataField", "DataSource",     "Underline",     "Italic",
               "Bold",          "TextFont",  "AutoDeactivate", "HelpTag",       "Transparent",
               "Selectable",    "Visible",   "Enabled",        "Multiline",     "TextColor",
               "TextAlign",     "Text",      "TabIndex",       "TabPanelIndex", "LockBottom",
               "LockRight",     "LockTop",   "LockLeft",       "Height",        "Width",
               "Top",           "Left",      "Index",          "Name",          "TabStop"};
    QTest::newRow("PushButton1") << lists::PushButton1Properties() << 315 << buttonOrder;
    QTest::newRow("PushButton2") << lists::PushButton2Properties() << 327 << buttonOrder;
}

void UpdateWinTest::listsHaveTheirSizeAndOrder() {
    QFETCH(QByteArray, list);
    QFETCH(int, size);
    QFETCH(QList<QByteArray>, order);
    QCOMPARE(list.size(), size);
    QCOMPARE(EntryNames(list), order);
}

void UpdateWinTest::showsItsDesign() {
    UpdateWin* w = UpdateWin::ImplicitInstance();
    QVERIFY(w->isVisible());
    QCOMPARE(w->Title(), QStringLiteral("ヴァージョンアップ情報"));
    QCOMPARE(w->Content()->size(), QSize(250, 100));
    QCOMPARE(w->MinimumSize(), QSize(64, 64));
    QCOMPARE(w->MaximumSize(), QSize(32000, 32000));
    QVERIFY(w->Resizeable());
    QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->MenuBarView(), nullptr);
    QCOMPARE(w->Label1()->geometry(), QRect(10, 15, 230, 20));
    QCOMPARE(w->Label1()->text(), QStringLiteral("新しいバージョンが公開されています。"));
    QCOMPARE(w->PushButton1()->geometry(), QRect(160, 55, 80, 20));
    QCOMPARE(w->PushButton1()->Caption(), QStringLiteral("また後で"));
    QVERIFY(!w->PushButton1()->Default());
    QCOMPARE(w->PushButton2()->geometry(), QRect(10, 55, 140, 20));
    QCOMPARE(w->PushButton2()->Caption(), QStringLiteral("サイトを見に行く"));
    QVERIFY(w->PushButton2()->Default());
    QVERIFY(!w->PushButton1()->Cancel() && !w->PushButton2()->Cancel());
    // Controls stay put when the notice grows: they hold to its left and top.
    w->resize(400, 300);
    QCOMPARE(w->PushButton1()->geometry(), QRect(160, 55, 80, 20));
}

void UpdateWinTest::visitOpensTheSiteThenCloses() {
    QPointer<UpdateWin> w = UpdateWin::ImplicitInstance();
    QTest::mouseClick(w->PushButton2(), Qt::LeftButton);
    QCOMPARE(sink_.opened, QStringList{QString::fromUtf8(config::kSiteAddress)});
    QCOMPARE(sink_.noticeOpen, QList<bool>{true});
    QCOMPARE(GetImplicitWindow("UpdateWin.UpdateWin"), nullptr);
    QTRY_VERIFY(w.isNull());
    QCOMPARE(harness::Quits().count, 0);
}

void UpdateWinTest::laterAndTheCloseBoxOnlyClose() {
    QPointer<UpdateWin> w = UpdateWin::ImplicitInstance();
    QTest::mouseClick(w->PushButton1(), Qt::LeftButton);
    QTRY_VERIFY(w.isNull());
    w = UpdateWin::ImplicitInstance();
    QVERIFY(w->close());
    QTRY_VERIFY(w.isNull());
    QVERIFY(sink_.opened.isEmpty());
    QCOMPARE(harness::Quits().count, 0);
}

void UpdateWinTest::atMostOneNotice() {
    UpdateWin* first = UpdateWin::ImplicitInstance();
    QCOMPARE(UpdateWin::ImplicitInstance(), first);
    QCOMPARE(OpenNotices(), 1);
}

void UpdateWinTest::openEventShowsTheNoticeOnlyOnYes() {
    harness::UpdateChecks().answer = false;
    App()->Event_Open();
    QCOMPARE(harness::UpdateChecks().calls, 1);
    QCOMPARE(harness::UpdateChecks().arguments, (QList<QByteArray>{"3", "120", "Unregistered"}));
    QCOMPARE(OpenNotices(), 0);

    harness::UpdateChecks().answer = true;
    App()->Event_Open();
    // Shown, not modal: the event has already returned.
    QCOMPARE(OpenNotices(), 1);
    QVERIFY(UpdateWin::ImplicitInstance()->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(UpdateWinTest)
#include "tst_updatewin.moc"
