// The menu bar and the ways documents come in: the open dialog, program
// arguments, drops and long batches, under names that need not be UTF-8; and
// the handlers they start: one at a time, in arrival order, and no exception
// crossing the event loop.
#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <fstream>

#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/DocumentQueue.h"
#include "platform/widgets/EventDispatch.h"
#include "platform/widgets/MenuBarWindow.h"
#include "platform/widgets/Quit.h"
#include "platform/widgets/Runtime.h"
#include "windows/Window1.h"

using namespace platform;

namespace {

// "資料.indd" in Shift_JIS, and a name holding the bytes FF FE: each byte
// that is not text shows as one replacement mark.
const QByteArray kShiftJis("\x8E\x91\x97\xBF.indd");
const QByteArray kFfFe("\xFF\xFE.indd");
const QString kShiftJisTitle = QString(4, QChar(0xFFFD)) + ".indd";
const QString kFfFeTitle = QString(2, QChar(0xFFFD)) + ".indd";

QStringList OpenTitles() {
    QStringList titles;
    for (int i = WindowCount() - 1; i >= 0; --i) titles << WindowAt(i)->windowTitle();
    return titles;
}

QTemporaryDir dir;
QByteArray Path(const QByteArray& name) { return QFile::encodeName(dir.path()) + '/' + name; }

// A CS3 header under `name`, written through the name's own bytes.
QByteArray Document(const QByteArray& name) {
    QByteArray header(48, '\0');
    header[29] = 0x05;
    std::ofstream(Path(name).toStdString(), std::ios::binary).write(header.data(), header.size());
    return Path(name);
}

// Takes the one event posted to it as the user's: notes how many windows
// were open by then, and quits.
struct Probe : QObject {
    int windowsAtEvent = -1;
    bool event(QEvent*) override { return windowsAtEvent = WindowCount(), Quit(0), true; }
};

}  // namespace

class IntakeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::StartApplication(); }
    void cleanup() { harness::CloseAllWindows(); }
    void cleanupTestCase() {
        // QDir cannot name these files: remove them by their bytes.
        for (const QByteArray& name : {kShiftJis, kFfFe}) std::remove(Path(name).constData());
    }

    void menusShowTheirItemsAndOnlyOpenAboutQuitAreEnabled() {
        MenuBarWindow bar(App()->GetMenuBar());
        QStringList seen;
        for (QMenu* menu : bar.View()->findChildren<QMenu*>()) {
            emit menu->aboutToShow();  // opening a menu refreshes its items
            seen << menu->title();
            for (QAction* a : menu->actions())
                seen << (a->isSeparator() ? "-" : a->text() + (a->isEnabled() ? " on" : " off"));
        }
        // A tab sets the shortcut apart, in a column of its own.
        QCOMPARE(seen, (QStringList{"File", "開く\tCtrl+O on", "Quit\tCtrl+Q on", "Edit",
                                    "Undo\tCtrl+Z off", "-", "Cut\tCtrl+X off", "Copy\tCtrl+C off",
                                    "Paste\tCtrl+V off", "Clear off", "Tarnwick on"}));
        bar.View()->findChild<QMenu*>("UntitledMenu2")->actions().at(1)->trigger();  // clicked
        QCOMPARE(harness::Quits().count, 1);
    }

    void openDialogOpensTheChosenDocument() {
        harness::OpenDialogDriver cancel{QString()};  // stops polling once it has cancelled
        // "開く" chosen from the menu.
        App()->GetMenuBar()->Lookup("hiraku")->Action();
        QCOMPARE(cancel.NameFilters(), QStringList{"indd (*.indd)"});
        harness::OpenDialogDriver choose{QString::fromUtf8(Document("chosen.indd"))};
        App()->Event_OpenDocument(nullptr);  // an open event with no document asks for one
        QCOMPARE(choose.NameFilters(), QStringList{"indd (*.indd)"});
        QCOMPARE(OpenTitles(), QStringList{"chosen.indd"});
        QCOMPARE(dynamic_cast<Window1*>(WindowAt(0))->StaticText2()->text(),
                 QStringLiteral("Adobe InDesign CS3"));
    }

    // A drop is accepted at once; its documents then open in order, until one
    // that cannot be read takes the error road over its own window.
    void dropReturnsAtOnceThenOpensInOrder() {
        MenuBarWindow target(App()->GetMenuBar());
        QMimeData data;
        // A file manager hands over the names' bytes percent-encoded.
        QByteArray list;
        for (const QByteArray& name : {QByteArray("first.indd"), kShiftJis, kFfFe})
            list += "file://" + Document(name).toPercentEncoding("/") + "\r\n";
        list += "https://example.invalid/remote.indd\r\nfile://" + Path("missing.indd") + "\r\n";
        data.setData("text/uri-list", list + "file://" + Document("after.indd") + "\r\n");
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&target, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(WindowCount(), 0);  // nothing inspected while the drop is delivered
        harness::MessageBoxAnswerer answer;
        QTRY_VERIFY(answer.Answered());
        QCOMPARE(answer.parent.data(), WindowAt(0));
        QVERIFY(answer.parent->frameGeometry().contains(answer.centre));
        QTest::qWait(50);
        QCOMPARE(OpenTitles(),
                 (QStringList{"first.indd", kShiftJisTitle, kFfFeTitle, "missing.indd"}));
    }

    // The whole run: the documents open in order after the update check, and
    // the menus' keys work before any menu has been opened.
    void argumentsOpenInOrderAfterTheUpdateCheck() {
        const QList<QByteArray> documents{Document(kShiftJis), Document("two.indd"),
                                          Document(kFfFe)};
        for (const auto& menu : App()->GetMenuBar()->Children())  // all off, as at launch
            for (const auto& item : menu->Children()) item->SetEnabled(false);
        QStringList seen;
        SetQuitAction([](int code) { QCoreApplication::exit(code); });
        QObject context;  // ends the timers with the test
        QTimer::singleShot(500, &context, [&] {
            seen = OpenTitles();
            QTest::keyClick(QApplication::activeWindow(), Qt::Key_Q, Qt::ControlModifier);
        });
        QTimer::singleShot(3000, &context, [] { Quit(9); });  // Ctrl+Q did nothing
        QCOMPARE(RuntimeRun(documents), 0);
        harness::StartApplication();  // the quit recorder back in place
        QCOMPARE(harness::UpdateChecks().windowsOpenAtCall, 0);
        QCOMPARE(seen, (QStringList{kShiftJisTitle, "two.indd", kFfFeTitle}));
    }

    void userIsServedDuringALongBatchAndQuitStopsIt() {
        PostOpenDocuments(QList<QByteArray>(300, Document("many.indd")));
        Probe probe;
        QTRY_VERIFY(WindowCount() >= 3);
        QMenu menu;  // a menu the user holds open holds the batch
        menu.addAction("Quit");
        menu.popup({0, 0});
        const int shown = WindowCount();
        QTest::qWait(50);
        QVERIFY(menu.isVisible() && WindowCount() == shown);
        menu.close();
        QCoreApplication::postEvent(&probe, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, {}));
        QTRY_VERIFY(probe.windowsAtEvent > 0);
        QVERIFY(probe.windowsAtEvent < 150);
        // The quit the key asked for: not one more document opens.
        QTest::qWait(100);
        QCOMPARE(WindowCount(), probe.windowsAtEvent);
        QCOMPARE(PendingDocumentCount(), 0);
    }

    void handlersArrivingDuringAHandlerRunAfterItInOrder() {
        QStringList log;
        Dispatch([&] {
            log << "outer begins";
            Dispatch([&] { log << "first waiting"; });
            // A nested loop, as a message box or the search's turns make.
            QEventLoop loop;
            QTimer::singleShot(0, &loop, [&] {
                Dispatch([&] { log << "second waiting"; });
                loop.quit();
            });
            loop.exec();
            log << "outer ends";
        });
        QCOMPARE(log,
                 (QStringList{"outer begins", "outer ends", "first waiting", "second waiting"}));
    }

    void escapedExceptionIsReportedAndQuits_data() {
        QTest::addColumn<QString>("named");
        QTest::newRow("program exception") << "NilObjectException";
        QTest::newRow("no exception class") << "unknown";
    }

    void escapedExceptionIsReportedAndQuits() {
        QFETCH(QString, named);
        bool leaving = false;  // while the message is up: documents offered now are not taken
        harness::MessageBoxAnswerer answer(5000, [&leaving] { leaving = QuitAnnounced(); });
        Dispatch([named] {
            if (named == "unknown") throw 42;
            throw NilObjectException();
        });
        QVERIFY(answer.Answered());
        QVERIFY(answer.Text().contains(named) && leaving);
        QCOMPARE(harness::Quits().code, 1);
    }
};

QTEST_MAIN(IntakeTest)
#include "tst_intake.moc"
