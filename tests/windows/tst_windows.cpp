// The result, About and update notice windows and the menus' own window as
// the user sees them, against their reviewed snapshots (tests/data/snapshots,
// see harness/Snapshot.h); and what they do: links, buttons, keys,
// placement and single instances.
#include <QtTest>
#include <QtWidgets>

#include "TarnwickConfig.h"
#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "harness/Snapshot.h"
#include "platform/widgets/EventDispatch.h"
#include "platform/widgets/MenuBarWindow.h"
#include "support/CraftedDocument.h"
#include "update/UpdateWin.h"
#include "windows/Window1.h"

using namespace platform;
using testsupport::Order;

namespace {

// A window by its kind, or the result window of a document.
Window* Open(const QString& kind) {
    if (kind == "notice") {  // the update server says yes, at each launch
        harness::UpdateChecks().answer = true;
        App()->Event_Open();
        return App()->Event_Open(), GetImplicitWindow("UpdateWin.UpdateWin");
    }
    if (kind == "about")  // chosen from the menu
        return App()->GetMenuBar()->Lookup("kono")->Action(), GetImplicitWindow("Window2.Window2");
    if (kind.contains('/')) {
        FolderItem document(kind);
        return App()->VersionCheck(&document), WindowAt(0);
    }
    auto* w = new Window1;
    w->Constructor();
    return w;
}

const QString kSite = QString::fromUtf8(config::kSiteAddress);

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void initTestCase() { harness::StartApplication(); }
    void cleanup() {
        harness::CloseAllWindows();
        harness::UpdateChecks() = {};
    }

    void windowLooksAsReviewed_data() {
        QTest::addColumn<QString>("kind");  // a window, or a document's path
        const auto crafted = [this](const char* name, Order order, quint8 release, quint8 edition,
                                    const QByteArray& subVersion) {
            // The record 64 MiB in: the window is on screen, painted during the
            // search's turns, before the record changes what it shows.
            const quint64 at = testsupport::ChunkOffset(16000);
            QList<testsupport::ByteRun> runs = testsupport::HeaderRuns(order, release);
            if (edition != 0xFF)  // no record
                runs.append({at, testsupport::RecordChunk(order, release, edition, subVersion)});
            const QString path = dir_.filePath(QString(name).section('-', 1) + ".indd");
            QTest::newRow(name) << testsupport::WriteDocument(path, at + 4096, runs);
        };
        const auto sample = [](const char* name, const char* file) {
            QTest::newRow(name) << QStringLiteral(TARNWICK_SAMPLES_DIR "/") + file;
        };
        // clang-format off
        sample("result-cs-macintosh",        "format-corpus_Neddy_Flyer_HeatherRyan.indd");
        sample("result-cs2-spaces",          "xmp-sdk_BlueSquare.indd");
        crafted("result-cs3-windows",        Order::Big,    5,  1, "5.0.4.682");
        sample("result-cs4-macintosh",       "hokkey_DEMO.indd");
        crafted("result-cs5-not-understood", Order::Little, 7,  2, "7.0.3.535");
        crafted("result-cs55-windows",       Order::Little, 7,  1, "7.5.2.318");
        crafted("result-cs2-no-record",      Order::Big,    4, 0xFF, "");
        crafted("result-cs3-markup",         Order::Big,    5,  1, "<i>5.0.4.");
        crafted("result-cs4-undecodable",    Order::Little, 6,  0, "\x1f ~\x7f\x93\xfa.0!");
        sample("result-unknown",             "tika_testINDD.indd");
        // clang-format on
        for (const char* window : {"about", "notice", "menus"}) QTest::newRow(window) << window;
    }
    void windowLooksAsReviewed() {
        QFETCH(QString, kind);
        std::unique_ptr<MenuBarWindow> menus;
        if (kind == "menus") menus = std::make_unique<MenuBarWindow>(App()->GetMenuBar());
        QWidget* w = menus ? static_cast<QWidget*>(menus.get()) : Open(kind);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(WindowCount(), menus ? 0 : 1);  // one window, however often asked for
        const QString name = QStringLiteral("windows/") + QTest::currentDataTag();
        QCoreApplication::processEvents();  // what the screen shows once painted
        VERIFY_SNAPSHOT(name + ".png", w->screen()->grabWindow(w->winId()).toImage());
        // Then how each label answers the pointer: its colour over it, what a
        // press, then its release far off, open, its colour once left.
        QString seen = harness::Describe(w);
        harness::UrlCapture urls;
        for (QLabel* label : w->findChildren<QLabel*>()) {
            const auto note = [&](const char* step) {
                seen += QStringLiteral("%1 %2").arg(
                    step, label->palette().color(QPalette::WindowText).name());
                if (!urls.opened.isEmpty()) seen += " opens " + urls.opened.takeFirst();
            };
            seen += "pointer on " + label->objectName() + ':';
            QTest::mouseMove(label, QPoint(3, 3));
            note(" over");
            QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
            note(", pressed");
            QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(400, -50));
            note(", released far off");
            QTest::mouseMove(w, QPoint(w->width() - 2, w->height() - 2));
            note(", left");
            seen += '\n';
        }
        QCursor::setPos(0, 0);  // off every window the next cases show
        // The window system gets the program's icon at every size the window carries.
        for (const QSize& size : w->windowIcon().availableSizes())
            VERIFY_SNAPSHOT(QStringLiteral("icons/tarnwick-%1.png").arg(size.width()),
                            w->windowIcon().pixmap(size).toImage());
        const bool closed = w->close();
        seen += QStringLiteral("closing it: %1, quit code %2\n")
                    .arg(closed ? "closes" : "stays")
                    .arg(harness::Quits().code);
        VERIFY_SNAPSHOT(name + ".txt", seen);
    }

    // Where a hundred new result windows go, from the corner of the screen's
    // free area: a step down and right each, each run of ten a step further
    // right; y then x, sorted, as it does not matter which run comes first.
    void newResultWindowsCascade() {
        QStringList seen;
        QPoint last;
        for (int i = 0; i < 100; ++i) {
            const QPoint at = Open("result")->pos(), d = at - last;
            QVERIFY(i == 0 || (d.x() > 0 && d.y() > 0) || d.y() < 0);
            const QPoint free =
                at - QGuiApplication::primaryScreen()->availableGeometry().topLeft();
            seen << QStringLiteral("%1,%2").arg(free.y(), 3).arg(free.x(), 3);
            last = at;
        }
        seen.sort();
        VERIFY_SNAPSHOT("windows/cascade.txt", seen.join('\n'));
    }

    void closeButtons() {
        QPointer<Window> about = Open("about"), back = Open("result"), front = Open("result");
        // "Close" closes the About window even behind a result window.
        QTest::mouseClick(about->findChild<QPushButton*>("PushButton1"), Qt::LeftButton);
        QTRY_VERIFY(about.isNull());
        // "閉じる" closes the frontmost window, whichever window it is in: the
        // one the user brought forward last.
        back->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(back));
        QTest::mouseClick(front->findChild<QPushButton*>("PushButton2"), Qt::LeftButton);
        QTRY_VERIFY(back.isNull());
        QVERIFY(front && front->isVisible());
    }

    // The close box used while a handler works on the windows: the window
    // goes once that handler has finished, not under it.
    void closeBoxWaitsForTheRunningHandler() {
        QPointer<Window> w = Open("result");
        QCloseEvent close;  // as the close box sends it
        QSpontaneKeyEvent::setSpontaneous(&close);
        bool refused = false;
        Dispatch([&] {
            qApp->notify(w, &close);  // sendEvent would make it no longer spontaneous
            refused = !close.isAccepted() && WindowAt(0) == w;
        });
        QVERIFY(refused);
        QTRY_VERIFY(w.isNull());
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
        QCOMPARE(urls.opened, visits ? QStringList{kSite} : QStringList());
        QTRY_VERIFY(w.isNull());
    }

    void aboutIsOneWindowThatComesBack() {
        Open("notice");  // a single instance of another class
        QPointer<Window> about = Open("about");
        about->showMinimized();
        Open("result");
        // Chosen again: the same window, restored and in front.
        QCOMPARE(Open("about"), about.data());
        QCOMPARE(about->windowState() & ~Qt::WindowActive, Qt::WindowNoState);
        QCOMPARE(WindowAt(0), about.data());
        QVERIFY(about->close());  // the next one is new: its version text is set again
        QCOMPARE(Open("about")->findChild<QLabel*>("StaticText5")->text(),
                 QStringLiteral("Ver. ") + config::kLongVersion);
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
