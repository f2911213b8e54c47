// The boundary between the event loop and program handlers: one handler at
// a time, in arrival order, and no exception crossing the loop.
#include <QtTest>
#include <QtWidgets>

#include "harness/AppHarness.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/EventDispatch.h"

using namespace platform;

class DispatchTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::StartApplication(); }
    void cleanup() { harness::CloseAllWindows(); }

    void handlersArrivingDuringAHandlerRunAfterItInOrder() {
        QStringList log;
        Dispatch([&] {
            log << "outer begins";
            Dispatch([&] { log << "first waiting"; });
            // A nested loop, as a message box or the search's turns make.
            QEventLoop loop;
            QTimer::singleShot(0, &loop, [&] {
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
    }

    void escapedExceptionIsReportedAndQuits_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("named");
        QTest::newRow("program exception") << 0 << "NilObjectException";
        QTest::newRow("standard exception") << 1 << "index";
        QTest::newRow("no exception class") << 2 << "unknown";
    }

    void escapedExceptionIsReportedAndQuits() {
        QFETCH(int, kind);
        QFETCH(QString, named);
        bool after = false;
        harness::MessageBoxAnswerer answer;
        Dispatch([kind] {
            if (kind == 0) throw NilObjectException();
            if (kind == 1) throw std::out_of_range("index");
            throw 42;
        });
        Dispatch([&] { after = true; });
        QVERIFY(answer.Answered());
        QVERIFY(answer.Text().contains(named));
        QCOMPARE(harness::Quits().code, 1);
        QVERIFY(!after);  // on the way out: nothing waiting runs
    }
};

QTEST_MAIN(DispatchTest)
#include "tst_dispatch.moc"
