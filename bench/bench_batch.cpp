// Benchmark of a batch of documents: N result windows for N copies of one
// real CS4 document, set against a plain Qt program that builds N windows
// with the same two menus, a picture and three labels, one per event-loop
// turn. Each side runs as a child process of its own, timed from start to
// exit, alternately, and the median of the runs is kept; both sides quit
// once their last window is shown. Run it on a display without a window
// manager:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/bench_batch [N ...]
//
// (N defaults to 100 and 600.) It prints both times and their ratio, and
// what opening the File menu costs each side once all its windows are up.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "TarnwickConfig.h"
#include "app/Class1.h"
#include "app/Startup.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/DocumentQueue.h"
#include "platform/widgets/Quit.h"
#include "platform/widgets/Runtime.h"
#include "platform/widgets/Window.h"

namespace {

constexpr int kRuns = 5;
constexpr int kMenuOpenings = 50;
const char kDocument[] = TARNWICK_SAMPLES_DIR "/hokkey_a4_eng_cs4.indd";
const char kPicture[] = TARNWICK_RESOURCES_DIR "/cs4.pct";

// Quits, one turn after `done` first holds, through `quit`.
void QuitWhen(std::function<bool()> done, std::function<void()> quit) {
    auto* watch = new QTimer(QCoreApplication::instance());
    QObject::connect(watch, &QTimer::timeout, watch, [watch, done, quit] {
        if (!done()) return;
        watch->stop();
        QTimer::singleShot(0, quit);
    });
    watch->start(1);
}

// Opens and closes the File menu of a window's menu bar again and again,
// and prints the mean time per opening in milliseconds for the parent.
void ReportMenuOpening() {
    QMenu* file = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* bar = window->findChild<QMenuBar*>(); bar && !file)
            file = bar->actions().first()->menu();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; file && i < kMenuOpenings; ++i) {
        file->popup(QPoint(0, 0));
        file->hide();
    }
    std::printf("%.3f\n", static_cast<double>(clock.nsecsElapsed()) / 1e6 / kMenuOpenings);
    std::fflush(stdout);
}

// The plain program: what Qt alone costs for the same windows.
int RunPlain(int argc, char* argv[], int count) {
    QApplication app(argc, argv);
    const QPixmap picture(QString::fromUtf8(kPicture), "png");
    std::vector<std::unique_ptr<QWidget>> windows;
    std::function<void()> next = [&] {
        auto window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        auto* bar = new QMenuBar(window.get());
        QMenu* file = bar->addMenu(QStringLiteral("File"));
        file->addAction(QStringLiteral("開く"), QKeySequence(QStringLiteral("Ctrl+O")));
        file->addAction(QStringLiteral("Quit"), QKeySequence(QStringLiteral("Ctrl+Q")));
        QMenu* edit = bar->addMenu(QStringLiteral("Edit"));
        for (const char* item : {"Undo", "-", "Cut", "Copy", "Paste", "Clear", "Tarnwick"}) {
            if (item[0] == '-') {
                edit->addSeparator();
            } else {
                edit->addAction(QString::fromUtf8(item));
            }
        }
        layout->setMenuBar(bar);
        auto* canvas = new QLabel(window.get());
        canvas->setPixmap(picture);
        layout->addWidget(canvas);
        for (const char* text : {"Adobe InDesign CS4", "Windows Edition", "6.0.6.622"})
            layout->addWidget(new QLabel(QString::fromUtf8(text), window.get()));
        const int step = static_cast<int>(windows.size()) % 10;
        window->setWindowTitle(QStringLiteral("hokkey_a4_eng_cs4.indd"));
        window->move(40 + 24 * step, 80 + 24 * step);
        window->show();
        windows.push_back(std::move(window));
        if (static_cast<int>(windows.size()) < count) QTimer::singleShot(0, next);
    };
    QTimer::singleShot(0, next);
    QuitWhen([&] { return static_cast<int>(windows.size()) >= count; },
             [] {
                 ReportMenuOpening();
                 QApplication::exit(0);
             });
    const int code = QApplication::exec();
    windows.clear();
    return code;
}

// The program's own start-up, menus and event loop, given the documents as
// on its command line. The update query is sent to a closed loopback port.
int RunTarnwick(int argc, char* argv[], int count) {
    QApplication app(argc, argv);
    platform::SetBundleInfo({QString::fromUtf8(config::kProductName), config::kMajorVersion,
                             config::kMinorVersion, config::kBugVersion,
                             QString::fromUtf8(config::kLongVersion)});
    platform::RunFrameworkInitialization(&Startup);
    App()->updateEndpoint.url = QStringLiteral("https://127.0.0.1:1/");
    QuitWhen(
        [count] {
            return platform::PendingDocumentCount() == 0 && platform::WindowCount() >= count;
        },
        [] {
            ReportMenuOpening();
            platform::Quit(0);
        });
    return platform::RuntimeRun(QList<QByteArray>(count, QByteArray(kDocument)));
}

struct ChildRun {
    double ms = -1;      // wall time, -1 when it failed
    double menuMs = -1;  // one opening of the File menu
};

ChildRun TimeChild(const QString& side, int count) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child"), side, QString::number(count)});
    if (!child.waitForFinished(600'000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        return {};
    return {static_cast<double>(clock.nsecsElapsed()) / 1e6,
            child.readAllStandardOutput().trimmed().toDouble()};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && QByteArray(argv[1]) == "--child") {
        const int count = QByteArray(argv[3]).toInt();
        int childArgc = 1;
        return QByteArray(argv[2]) == "plain" ? RunPlain(childArgc, argv, count)
                                              : RunTarnwick(childArgc, argv, count);
    }
    QCoreApplication app(argc, argv);
    QList<int> counts;
    for (int i = 1; i < argc; ++i) counts << QByteArray(argv[i]).toInt();
    if (counts.isEmpty()) counts = {100, 600};

    std::printf("%8s %12s %12s %8s %14s %14s %14s\n", "windows", "plain Qt ms", "Tarnwick ms",
                "ratio", "Tarnwick ms/win", "plain menu ms", "Tarnwick menu");
    for (const int count : counts) {
        std::vector<double> plain, tarnwick, plainMenu, tarnwickMenu;
        for (int run = 0; run < kRuns; ++run) {
            const ChildRun p = TimeChild(QStringLiteral("plain"), count);
            const ChildRun t = TimeChild(QStringLiteral("tarnwick"), count);
            if (p.ms < 0 || t.ms < 0) {
                std::fprintf(stderr, "bench_batch: a run failed (is there a display?)\n");
                return 1;
            }
            plain.push_back(p.ms), tarnwick.push_back(t.ms);
            plainMenu.push_back(p.menuMs), tarnwickMenu.push_back(t.menuMs);
        }
        const double p = Median(plain), t = Median(tarnwick);
        std::printf("%8d %12.0f %12.0f %8.2f %14.2f %14.2f %14.2f\n", count, p, t, t / p, t / count,
                    Median(plainMenu), Median(tarnwickMenu));
        std::fflush(stdout);
    }
    return 0;
}
