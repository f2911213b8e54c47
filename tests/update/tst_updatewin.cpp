// The update notice as the user meets it, and the start-up event that shows it.
#include <QtTest>
#include <QtWidgets>

#include "TarnwickConfig.h"
#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "update/UpdateWin.h"

using namespace platform;

class UpdateWinTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::StartApplication(); }
    void cleanup() {
        harness::CloseAllWindows();
        harness::UpdateChecks() = {};
    }

    void showsItsDesign() {
        UpdateWin* w = UpdateWin::ImplicitInstance();
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("ヴァージョンアップ情報"));
        QCOMPARE(w->Content()->size(), QSize(250, 100));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        const QStringList seen{w->Label1()->text(), w->PushButton1()->text(),
                               w->PushButton2()->text()};
        QCOMPARE(seen, (QStringList{"新しいバージョンが公開されています。", "また後で",
                                    "サイトを見に行く"}));
        QCOMPARE(w->Label1()->geometry(), QRect(10, 15, 230, 20));
        QCOMPARE(w->PushButton1()->geometry(), QRect(160, 55, 80, 20));
        QCOMPARE(w->PushButton2()->geometry(), QRect(10, 55, 140, 20));
        QVERIFY(w->PushButton2()->isDefault() && !w->PushButton1()->isDefault());
        // Controls hold to the left and top when the notice grows.
        w->resize(400, 300);
        QCOMPARE(w->PushButton1()->geometry(), QRect(160, 55, 80, 20));
    }

    void floatsOverThisProgramOnly() {
        UpdateWin* w = UpdateWin::ImplicitInstance();
        // A parentless tool window is kept above this program's windows by the
        // window manager; staying on top would cover every other program too.
        QCOMPARE(w->windowType(), Qt::Tool);
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(w->parentWidget(), nullptr);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void returnVisitsTheSiteWhereverTheFocusIs_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::newRow("Return on the label") << "Label1" << int(Qt::Key_Return);
        QTest::newRow("Return on later") << "PushButton1" << int(Qt::Key_Return);
        QTest::newRow("Enter on later") << "PushButton1" << int(Qt::Key_Enter);
    }

    void returnVisitsTheSiteWhereverTheFocusIs() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        harness::UrlCapture urls;
        QPointer<UpdateWin> w = UpdateWin::ImplicitInstance();
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* target = w->Content()->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(urls.Opened(), QStringList{QString::fromUtf8(config::kSiteAddress)});
        QTRY_VERIFY(w.isNull());
        QCOMPARE(harness::Quits().count, 0);
    }

    void laterAndTheCloseBoxOnlyClose() {
        harness::UrlCapture urls;
        QPointer<UpdateWin> w = UpdateWin::ImplicitInstance();
        QTest::mouseClick(w->PushButton1(), Qt::LeftButton);
        QTRY_VERIFY(w.isNull());
        w = UpdateWin::ImplicitInstance();
        QVERIFY(w->close());
        QTRY_VERIFY(w.isNull());
        QVERIFY(urls.Opened().isEmpty());
        QCOMPARE(harness::Quits().count, 0);
    }

    void openEventShowsOneNoticeOnlyOnYes() {
        App()->Event_Open();
        QCOMPARE(harness::UpdateChecks().arguments,
                 (QList<QByteArray>{"3", "120", "Unregistered"}));
        QCOMPARE(WindowCount(), 0);
        harness::UpdateChecks().answer = true;
        App()->Event_Open();
        App()->Event_Open();
        QCOMPARE(harness::UpdateChecks().calls, 3);
        QCOMPARE(WindowCount(), 1);
        QVERIFY(UpdateWin::ImplicitInstance()->isVisible());
    }
};

QTEST_MAIN(UpdateWinTest)
#include "tst_updatewin.moc"
