// What the window system decides, on an X server with a window manager
// (x_session.sh starts both): which window is active and in front, where a
// batch of result windows lands, a minimised window brought back, the menu
// bar shown and the icon every window carries. Offscreen, every window shown
// is active, so none of this can be seen there. Windows are read with the X
// tools, as the window manager has them.
#include <QtTest>
#include <QtWidgets>

#include "harness/AppHarness.h"
#include "windows/Window1.h"

using namespace platform;

namespace {

// Ten seconds: generous for a window manager on a busy machine, and bounded.
bool Await(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 10000); }

QString X(const QString& tool, const QStringList& args) {
    QProcess run;
    run.start(tool, args);
    return run.waitForFinished() ? QString::fromUtf8(run.readAllStandardOutput()) : "";
}

QList<qulonglong> Numbers(const QString& text) {
    QList<qulonglong> numbers;
    for (const auto& m : QRegularExpression(R"(\b(0x[0-9a-f]+|\d+)\b)").globalMatch(text))
        numbers << m.captured().toULongLong(nullptr, 0);
    return numbers;
}

// Asks the window manager to act on `window`, as its buttons and task bar
// would, and waits until it has.
void WindowManager(const QString& act, WId window) {
    X("xdotool", {act, "--sync", QString::number(window)});
}

WId Active() { return Numbers(X("xprop", {"-root", "_NET_ACTIVE_WINDOW"})).value(0); }

struct Client {
    WId id;
    QString title;
    QRect area;  // inside the frame, on the screen
};
// The window manager's windows, from the bottom of the stack to its top.
QList<Client> Clients() {
    QHash<WId, Client> all;
    const QRegularExpression line(R"re(^ *(\d+) "(.*)": .* (\d+)x(\d+)\S* +\+(-?\d+)\+(-?\d+)$)re",
                                  QRegularExpression::MultilineOption);
    for (const auto& m : line.globalMatch(X("xwininfo", {"-root", "-tree", "-int"}))) {
        auto at = [&m](int i) { return m.captured(i).toInt(); };
        all.insert(WId(at(1)), {WId(at(1)), m.captured(2), QRect(at(5), at(6), at(3), at(4))});
    }
    QList<Client> clients;
    for (const WId id : Numbers(X("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"})))
        clients << all.value(id);
    return clients;
}

// Active, and so managed: listed.
bool InFront(WId id) { return Active() == id && Clients().constLast().id == id; }

// The program's icon, as the window hands it to the window manager: at the
// sizes title bars (16) and task bars (32, and 64 at twice the scale) show,
// none heavier; the largest, last, its emblem on a ground that shows what
// lies behind.
bool CarriesTheIcon(WId id) {
    const QList<qulonglong> n =
        Numbers(X("xprop", {"-id", QString::number(id), "-f", "_NET_WM_ICON", "32c", " $0+",
                            "_NET_WM_ICON"}));
    QList<qulonglong> sizes;
    qsizetype at = 0;
    for (; at + 2 < n.size() && n[at] == n[at + 1]; at += 2 + qsizetype(n[at] * n[at]))
        sizes << n[at];
    auto alpha = [&n](int x, int y) { return qAlpha(uint(n.value(n.size() - 64 * (64 - y) + x))); };
    return at == n.size() && sizes.contains(16) && sizes.contains(32) && sizes.last() == 64 &&
           alpha(0, 0) == 0 && alpha(63, 63) == 0 && alpha(32, 32) == 255 &&
           n.value(n.size() - 64 * 32 + 32) != n.value(n.size() - 64 * 52 + 32);
}

// Where a batch's windows are out of place, if anywhere: the menu bar
// window first, then the result windows in the order opened, each a step
// down and right of the last and each run of ten a step right of the one
// before, all on the screen, each showing the menu bar above its content.
QString Misplaced(const QList<Client>& clients) {
    const QRect bar = clients[0].area, first = clients[1].area;
    const int step = clients[2].area.x() - first.x();
    QString problem;
    for (int i = 1, k = 0; i < clients.size(); k = i++) {
        const QRect expected(first.topLeft() + step * QPoint(k % 10 + k / 10, k % 10),
                             QSize(280, 150 + bar.height()));
        if (clients[i].area != expected || step <= 0 || !QRect(0, 0, 1280, 1024).contains(expected))
            QDebug(&problem) << clients[i].title << clients[i].area << "not" << expected;
    }
    return problem;
}

void Click(QWidget* widget, QPoint at) {
    at = widget->mapTo(widget->window(), at);
    X("xdotool", {"mousemove", "--window", QString::number(widget->window()->winId()),
                  QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

// About chosen with the mouse from the menus of `window`.
Window* ChooseAbout(Window* window) {
    QMenuBar* bar = window->MenuBarView();
    auto* menu = bar->findChild<QMenu*>("UntitledMenu0");
    Click(bar, bar->actionGeometry(menu->menuAction()).center());
    QAction* about = menu->actions().last();
    if (Await([&] { return menu->isVisible() && about->isEnabled(); }))
        Click(menu, menu->actionGeometry(about).center());
    (void)Await([] { return GetImplicitWindow("Window2.Window2"); });
    return GetImplicitWindow("Window2.Window2");
}

}  // namespace

class X11Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::StartApplication(); }
    void cleanup() { harness::CloseAllWindows(); }

    // About chosen again comes to the front, active, whether it was behind
    // the result window or minimised.
    void aboutChosenAgainComesToTheFront() {
        auto* top = new Window1;
        top->Constructor();
        QVERIFY(Await([&] { return InFront(top->winId()); }));
        QPointer<Window> about = ChooseAbout(top);
        // Active for Qt too, which asks for a window's activation once it is
        // mapped; its ground as the screen shows it is white.
        QVERIFY(about && Await([&] {
                    return InFront(about->winId()) && about->isActiveWindow() &&
                           about->screen()->grabWindow(about->winId()).toImage().pixel(295, 5) ==
                               qRgb(255, 255, 255);
                }));
        for (const bool minimised : {false, true}) {
            if (minimised) WindowManager("windowminimize", about->winId());
            WindowManager("windowactivate", top->winId());
            // The program's frontmost window, which "閉じる" closes, follows.
            QVERIFY(Await([&] { return about->isMinimized() == minimised && WindowAt(0) == top; }));
            QCOMPARE(ChooseAbout(top), about.data());
            QVERIFY2(Await([&] { return InFront(about->winId()) && !about->isMinimized(); }),
                     minimised ? "minimised" : "behind");
        }
    }

    // The real program given a batch of documents; its open dialog on its key
    // opens the document typed in; launched again with none while its menu
    // bar window is behind the others, then minimised; closing the menu bar
    // window quits it.
    void batchThenLaunchesWithoutDocuments() {
        QTemporaryDir dir;
        qputenv("TARNWICK_INSTANCE_NAME", QFile::encodeName(dir.filePath("socket")));
        QStringList documents, titles{"Tarnwick"};
        for (int i = 1; i <= 21; ++i) {
            titles << QString::asprintf("%02d.indd", i);
            documents << dir.filePath(titles.last());
            QVERIFY(QFile::link(TARNWICK_SAMPLES_DIR "/tika_testINDD.indd", documents.last()));
        }
        // The test build's update server is a closed port on this machine.
        QProcess program;
        program.start(TARNWICK_EXE, documents);
        QList<Client> clients;
        QString problem;
        // Every window shown and raised in turn; only the last made active.
        QVERIFY2(Await([&] {
                     clients = Clients();
                     QStringList seen;
                     for (const Client& c : clients) seen << c.title;
                     problem = seen != titles                  ? "seen: " + seen.join(' ')
                               : Active() != clients.last().id ? "another active"
                                                               : Misplaced(clients);
                     return problem.isEmpty();
                 }),
                 qPrintable(problem));
        for (const Client& c : clients) QVERIFY(CarriesTheIcon(c.id));
        const WId bar = clients.first().id, last = clients.last().id;
        X("xdotool", {"key", "ctrl+o"});
        QVERIFY(Await([&] { return Active() != last; }));  // the open dialog
        X("xdotool", {"type", documents.first() + "\r"});  // the name, then Return
        QVERIFY(Await([] {
            return Clients().constLast().title == "01.indd" && InFront(Clients().constLast().id);
        }));
        // A document handed over by a later launch comes to the front, and stays there.
        QCOMPARE(QProcess::execute(TARNWICK_EXE, {documents[1]}), 0);
        QVERIFY(Await([] { return Clients().constLast().title == "02.indd"; }));
        QTest::qWait(300);
        QVERIFY(InFront(Clients().constLast().id));
        for (const bool minimised : {false, true}) {
            WindowManager("windowactivate", last);
            if (minimised) WindowManager("windowminimize", bar);
            QCOMPARE(QProcess::execute(TARNWICK_EXE, {}), 0);
            QVERIFY2(Await([&] { return InFront(bar); }), minimised ? "minimised" : "behind");
        }
        X("xdotool", {"key", "alt+F4"});
        QVERIFY(program.waitForFinished() && program.exitCode() == 0);
    }
};

QTEST_MAIN(X11Test)
#include "tst_x11.moc"
