// The boundary between the event loop and program handlers: one handler at
// a time, in arrival order, and no exception crossing the loop.
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include "harness/AppHarness.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/EventDispatch.h"
#include "platform/widgets/Quit.h"

using namespace platform;

class DispatchTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::StartApplication(); }
    void cleanup() { harness::CloseAllWindows(); }

    void handlersArrivingDuringAHandlerRunAfterItInOrder();
    void escapedExceptionIsReportedAndQuits_data();
    void escapedExceptionIsReportedAndQuits();
    void nothingWaitingRunsOnceQuitIsAsked();
};

void DispatchTest::handlersArrivingDuringAHandlerRunAfterItInOrder() {
    QStringList log;
    Dispatch([&] {
        log << "outer begins";
        Dispatch([&] { log << "first waiting"; });
        // A nested loop, as a message box or the search's turns make.
        QEventLoop loop;
        QTimer::singleShot(0, [&] {
            Dispatch([&] {
                log << "second waiting";
                Dispatch([&] { log << "queued by a waiting one"; });
            });
            loop.quit();
        });
        loop.exec();
        log << "outer ends";
    });
    QCOMPARE(log, (QStringList{"outer begins", "outer ends", "first waiting", "second waiting",
                               "queued by a waiting one"}));
    QVERIFY(!HandlerRunning());
}

void DispatchTest::escapedExceptionIsReportedAndQuits_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("NilObjectException") << 0;
    QTest::newRow("a standard exception") << 1;
    QTest::newRow("not an exception class at all") << 2;
}

void DispatchTest::escapedExceptionIsReportedAndQuits() {
    QFETCH(int, kind);
    bool after = false;
    harness::MessageBoxAnswerer answer;
    Dispatch([kind] {
        if (kind == 0) throw NilObjectException();
        if (kind == 1) throw std::out_of_range("index");
        throw 42;
    });
    Dispatch([&] { after = true; });
    QVERIFY(answer.Answered());
    QVERIFY(answer.Text().contains(kind == 0   ? "NilObjectException"
                                   : kind == 1 ? "index"
                                               : "unknown"));
    QCOMPARE(harness::Quits().count, 1);
    QCOMPARE(harness::Quits().code, 1);
    // The program is on its way out: nothing else runs.
    QVERIFY(!after);
    QVERIFY(!HandlerRunning());
}

void DispatchTest::nothingWaitingRunsOnceQuitIsAsked() {
    bool waitingRan = false;
    Dispatch([&] {
        Dispatch([&] { waitingRan = true; });
        Quit(0);
    });
    QVERIFY(!waitingRan);
    QCOMPARE(harness::Quits().code, 0);
}

QTEST_MAIN(DispatchTest)
#include "tst_dispatch.moc"
