// Launches of the real program. Against a running program played by this
// process, whose documents arrive here as open-document events, in order, as
// the bytes given; options answer without any display. A launch that goes
// on to run as a program of its own fails at once here: it is given a
// platform that does not exist. And launches that come all at once, with
// no program running.
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <future>

#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "platform/core/DocumentListMessage.h"
#include "platform/core/PeerUser.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/DocumentQueue.h"
#include "platform/widgets/InstanceClaim.h"
#include "platform/widgets/InstanceServer.h"
#include "platform/widgets/MenuBarWindow.h"
#include "platform/widgets/WindowList.h"
#include "windows/Window1.h"

using Paths = QList<QByteArray>;
using Role = platform::InstanceClaim::Role;

mode_t Mode(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0;
}

struct Recorder : platform::Application {
    Paths opened;
    void Event_OpenDocument(platform::FolderItem* item) override { opened << item->Path(); }
};

class SingleInstanceTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    Recorder app_;
    platform::InstanceClaim claim_;
    platform::InstanceServer server_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Runs `tarnwick ARGS` through the shell (which spells bytes that are not
    // UTF-8) in the temporary folder, after `env ENV`. Its exit status; -1
    // when it crashed (it went on to open a window), -2 when it still runs.
    int Launch(const QString& args, const QStringList& env = {}, QByteArray* out = nullptr,
               QByteArray* err = nullptr, int waitMs = 3000) {
        QProcess launch;
        launch.setWorkingDirectory(dir_.path());
        launch.start("/usr/bin/env", env + QStringList{"QT_QPA_PLATFORM=none-such", "/bin/sh", "-c",
                                                       "exec " TARNWICK_EXE " " + args});
        // This process must keep answering meanwhile: no blocking wait.
        if (!QTest::qWaitFor([&] { return launch.processId() == 0; }, waitMs)) return -2;
        if (out) *out = launch.readAllStandardOutput();
        if (err) *err = launch.readAllStandardError();
        return launch.exitStatus() == QProcess::NormalExit ? launch.exitCode() : -1;
    }
    QStringList To(const QString& socket) { return {"TARNWICK_INSTANCE_NAME=" + Path(socket)}; }

private slots:
    void initTestCase() {
        platform::RuntimeRegisterAppObject(&app_);
        claim_ = platform::ClaimInstance(Path("instance"), {});
        QCOMPARE(claim_.role, Role::Serve);
        QVERIFY(server_.Listen(claim_.socketPath));
        // Nobody but this user may hand documents over.
        QCOMPARE(Mode(Path("instance")), mode_t(0600));
    }
    void init() { app_.opened.clear(); }

    void launchHandsOverItsDocuments_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QByteArray>("printed");
        QTest::addColumn<Paths>("expected");  // in the launch's folder
        QTest::newRow("one not UTF-8") << R"x(first.indd "$(printf 'sjis-\203\145.indd')")x"
                                       << QByteArray() << Paths{"first.indd", "sjis-\x83\x65.indd"};
        QTest::newRow("path past 255 bytes")
            << QString(250, 'l') << QByteArray() << Paths{QByteArray(250, 'l')};
        Paths many;
        for (int i = 1; i <= 1100; ++i) many << "d" + QByteArray::number(i);
        QTest::newRow("more than one list holds") << "$(seq -f d%g 1100)" << QByteArray() << many;
        QTest::newRow("after --") << "-- -v --help" << QByteArray() << Paths{"-v", "--help"};
        QTest::newRow("Qt's") << "-platform -style" << QByteArray() << Paths{"-platform", "-style"};
        QTest::newRow("--version") << "x --version" << QByteArray("Tarnwick 1.2.0\n") << Paths{};
        QTest::newRow("--help") << "--help" << QByteArray("Usage: ") << Paths{};
    }
    void launchHandsOverItsDocuments() {
        QFETCH(QString, args);
        QFETCH(QByteArray, printed);
        QFETCH(Paths, expected);
        for (QByteArray& path : expected) path.prepend(QFile::encodeName(dir_.path()) + '/');
        QByteArray out;
        QCOMPARE(Launch(args, To("instance"), &out), 0);
        QVERIFY2(printed == "Usage: " ? out.startsWith(printed) : out == printed, out);
        // Served without qWaitFor's pause per turn: a document comes each turn.
        QElapsedTimer clock;
        for (clock.start(); app_.opened.size() < expected.size() && clock.elapsed() < 2000;)
            QCoreApplication::processEvents();
        QTest::qWait(20);
        QCOMPARE(app_.opened, expected);
    }

    void refusedMessageOpensNothing_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<bool>("foreign");  // sent by a program of another user
        const QByteArray one("\0\0\0\1\0\0\0\2/a", 10);
        QTest::newRow("wrong tag") << QByteArray("TWd2") + one << false;
        QTest::newRow("trailing byte") << QByteArray("TWd1") + one + 'x' << false;
        QTest::newRow("NUL in path") << QByteArray("TWd1\0\0\0\1\0\0\0\2/\0", 14) << false;
        QTest::newRow("too many") << QByteArray("TWd1\0\0\4\1", 8) << false;
        QTest::newRow("cut short") << QByteArray("TWd1") + one.left(9) << false;
        QTest::newRow("empty path") << QByteArray("TWd1\0\0\0\1\0\0\0\0", 12) << false;
        QTest::newRow("another user's") << QByteArray("TWd1") + one << true;
    }
    void refusedMessageOpensNothing() {
        QFETCH(QByteArray, message);
        QFETCH(bool, foreign);
        // Every peer seems another user's when this program's user is not its own.
        if (foreign) platform::SetThisUserForTesting(::geteuid() + 1);
        QLocalSocket client;
        client.connectToServer(Path("instance"));
        QVERIFY(client.waitForConnected(1000));
        client.write(message);
        // Closed at once; a list cut short once the reading time is out.
        const bool cut = QByteArray(QTest::currentDataTag()) == "cut short";
        QVERIFY(QTest::qWaitFor([&] { return client.state() == QLocalSocket::UnconnectedState; },
                                cut ? 3000 : 1000));
        platform::SetThisUserForTesting(std::nullopt);
        QTest::qWait(20);
        QCOMPARE(client.bytesAvailable(), 0);  // no answer
        QCOMPARE(app_.opened, Paths{});
    }

    void launchSendsNothingToAnotherUsersProgram() {
        QLocalServer other;
        QVERIFY(other.listen(Path("other")));
        QLockFile held(Path("other.lock"));  // as its running program holds it
        QVERIFY(held.tryLock());
        platform::SetThisUserForTesting(::geteuid() + 1);
        const platform::InstanceClaim claim = platform::ClaimInstance(Path("other"), {"/y.indd"});
        platform::SetThisUserForTesting(std::nullopt);
        QCOMPARE(claim.role, Role::Alone);
        QCOMPARE(claim.documents, Paths{"/y.indd"});
        QVERIFY(other.waitForNewConnection(1000));
        QLocalSocket* reached = other.nextPendingConnection();
        QVERIFY(!reached->waitForReadyRead(100) && reached->bytesAvailable() == 0);
    }

    // Never a name that another user can take, nor a file that is not a
    // socket: such a launch runs on its own (and fails here, with no display).
    void launchTakesNothingThatIsNotItsOwn_data() {
        QTest::addColumn<QString>("name");     // the socket's
        QTest::addColumn<QString>("runtime");  // XDG_RUNTIME_DIR; empty: none
        QTest::addColumn<QString>("made");     // a folder someone made first, holding a
        QTest::addColumn<int>("mode");         // listening program that must get nothing
        QTest::addColumn<bool>("alone");       // it says it runs without the hand-over
        const QString mine =
            QString("tmp own folder open to the group/tarnwick-%1").arg(::geteuid());
        // clang-format off
        QTest::newRow("file")          << Path("file")   << ""         << ""             << 0     << true;
        QTest::newRow("folder")        << Path("folder") << ""         << Path("folder") << 0700  << true;
        QTest::newRow("shared name")   << "tarnwick"     << ""         << ""             << 0     << false;
        QTest::newRow("own folder open to the group") << "tarnwick" << "" << Path(mine)  << 0770  << true;
        QTest::newRow("runtime folder open to the group") << "tarnwick" << Path("r1") << Path("r1") << 0770 << false;
        QTest::newRow("runtime folder a link") << "tarnwick" << Path("r2") << Path("r2 itself") << 0700 << false;
        QTest::newRow("runtime folder of another user") << "tarnwick" << Path("r3") << Path("r3") << -0700 << false;
        // clang-format on
    }
    void launchTakesNothingThatIsNotItsOwn() {
        QFETCH(QString, name);
        QFETCH(QString, runtime);
        QFETCH(QString, made);
        QFETCH(int, mode);
        QFETCH(bool, alone);
        const QString tmp = Path("tmp ") + QTest::currentDataTag();
        QVERIFY(QDir().mkpath(tmp) && (made.isEmpty() || QDir().mkpath(made)));
        const QByteArray folder = QFile::encodeName(made);
        ::chmod(folder.constData(), static_cast<mode_t>(std::abs(mode)));
        if (mode < 0 && ::chown(folder.constData(), 65534, static_cast<gid_t>(-1)) != 0)
            QSKIP("only root can give a folder to another user");
        QVERIFY(runtime.isEmpty() || runtime == made || QFile::link(made, runtime));
        QFile file(Path("file"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("keep") == 4);
        file.close();
        QLocalServer other;
        const bool named = !QDir::isAbsolutePath(name);
        QVERIFY(!named || other.listen((made.isEmpty() ? tmp : made) + "/tarnwick"));
        QStringList env{"TMPDIR=" + tmp, "TARNWICK_INSTANCE_NAME=" + name};
        env = (runtime.isEmpty() ? QStringList{"-u", "XDG_RUNTIME_DIR"}
                                 : QStringList{"XDG_RUNTIME_DIR=" + runtime}) +
              env;
        QByteArray err;
        QCOMPARE(Launch("/x.indd", env, nullptr, &err), -1);
        QCOMPARE(err.contains("running without taking documents from later launches"), alone);
        QVERIFY(!other.hasPendingConnections());
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "keep");
        // Serving, it listens in a folder it made for its user alone.
        if (named && !alone)
            QCOMPARE(Mode(tmp + QString("/tarnwick-%1").arg(::geteuid())), mode_t(0700));
    }

    // A flood of launches that never finish their lists holds a few at a
    // time; the rest are closed at once (a launch would ask again).
    void floodOfUnfinishedListsIsBounded() {
        QObject owner;  // the writers go with the test, and their places with them
        QList<QLocalSocket*> writers;
        for (int i = 0; i < platform::kMaxHandOversInReading + 3; ++i) {
            writers << new QLocalSocket(&owner);
            writers.last()->connectToServer(Path("instance"));
            QVERIFY(writers.last()->waitForConnected(1000) && writers.last()->write("TWd1") == 4);
        }
        QTest::qWait(200);
        QCOMPARE(std::count_if(
                     writers.begin(), writers.end(),
                     [](QLocalSocket* w) { return w->state() == QLocalSocket::UnconnectedState; }),
                 3);
    }

    // A program that takes the connection but never answers counts as absent:
    // the launch gives up after a second and starts on its own.
    void silentProgramIsTreatedAsAbsent() {
        QLocalServer silent;
        QVERIFY(silent.listen(Path("silent")));
        QLockFile held(Path("silent.lock"));
        QVERIFY(held.tryLock());
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(Launch("/x.indd", To("silent")), -1);
        QVERIFY(clock.elapsed() < 2500);
    }

    // While the error message is up the program is leaving: a launch keeps
    // its documents and opens them itself.
    void programOnItsWayOutLeavesDocumentsToTheLaunch() {
        harness::StartApplication();
        platform::InstanceClaim late;
        QElapsedTimer clock;  // the launch is answered at once, and does not ask again
        harness::MessageBoxAnswerer answer(5000, [&] {
            clock.start();
            auto claiming = std::async(std::launch::async, [this] {
                return platform::ClaimInstance(Path("instance"), {"/late.indd"});
            });
            (void)QTest::qWaitFor(
                [&] {
                    return claiming.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
                },
                5000);
            late = claiming.get();
        });
        platform::FolderItem folder(QFile::encodeName(dir_.path()));  // cannot be read
        App()->VersionCheck(&folder);
        QCOMPARE(platform::PendingDocumentCount(), 0);
        platform::RuntimeRegisterAppObject(&app_);
        harness::CloseAllWindows();
        QVERIFY(answer.Answered());
        QCOMPARE(late.role, Role::Alone);
        QCOMPARE(late.documents, Paths{"/late.indd"});
        QVERIFY(clock.elapsed() < 2000);
    }

    // With no program running, launches at once leave one, which opens every
    // document (seen as the documents being opened once the others have
    // ended). Each runs with no network but its own loopback: the program
    // that stays asks its update server. Killed, it is taken over at once.
    void launchesAtOnceLeaveOneProgram() {
        constexpr int kLaunches = 5;
        QVERIFY(QDir().mkpath(Path("crowd")));
        for (int i = 0; i < kLaunches; ++i)
            QVERIFY(QFile::copy(TARNWICK_SAMPLES_DIR "/tika_testINDD.indd",
                                Path("crowd/%1.indd").arg(i)));
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(inotify_add_watch(watch, QFile::encodeName(Path("crowd")), IN_OPEN) >= 0);
        QObject owner;  // the launches end with the test
        QList<QProcess*> launches;
        for (int i = 0; i < kLaunches; ++i) {
            launches << new QProcess(&owner);
            launches.last()->start("unshare", {"-rn", "env", "QT_QPA_PLATFORM=offscreen",
                                               "TARNWICK_INSTANCE_NAME=" + Path("crowd-socket"),
                                               TARNWICK_EXE, Path("crowd/%1.indd").arg(i)});
        }
        QSet<QByteArray> opened;
        auto handedOver = [&] {
            return std::count_if(launches.begin(), launches.end(), [](QProcess* launch) {
                return launch->state() == QProcess::NotRunning && launch->exitCode() == 0;
            });
        };
        QVERIFY(QTest::qWaitFor(
            [&] {
                char events[4096];
                for (ssize_t n; (n = read(watch, events, sizeof events)) > 0;) {
                    for (char* at = events; at < events + n;) {
                        const auto* event = reinterpret_cast<inotify_event*>(at);
                        if (event->len > 0) opened.insert(QByteArray(event->name));
                        at += sizeof(inotify_event) + event->len;
                    }
                }
                return handedOver() == kLaunches - 1 && opened.size() == kLaunches;
            },
            30000));
        ::close(watch);
        QTest::qWait(200);
        QCOMPARE(handedOver(), kLaunches - 1);
        // A program alive is never replaced.
        QVERIFY(!platform::InstanceServer().Listen(Path("crowd-socket")));
        for (QProcess* launch : launches) launch->kill();
        for (QProcess* launch : launches)
            QVERIFY(launch->waitForFinished(5000) || !launch->processId());
        QElapsedTimer clock;
        clock.start();
        const platform::InstanceClaim successor = platform::ClaimInstance(Path("crowd-socket"), {});
        QCOMPARE(successor.role, Role::Serve);
        QVERIFY(platform::InstanceServer().Listen(successor.socketPath));
        QVERIFY(clock.elapsed() < 500);
    }

    // Run by install_check.sh from a staged bin/, with no build-tree
    // Resources beside it: installed, the program finds its pictures.
    void installedProgramShowsTheBadge() {
        const QString installed = QCoreApplication::applicationDirPath() + "/../share/tarnwick/";
        if (!QFile::exists(installed)) QSKIP("runs from an installed bin/ only");
        harness::StartApplication();
        platform::FolderItem item(QByteArray(TARNWICK_SAMPLES_DIR "/hokkey_a4_eng_cs4.indd"));
        App()->VersionCheck(&item);
        auto* window = dynamic_cast<Window1*>(platform::WindowAt(0));
        QVERIFY(window && window->Canvas1()->Backdrop());
        QCOMPARE(window->Canvas1()->Backdrop()->Image().convertToFormat(QImage::Format_RGB32),
                 QImage(installed + "cs4.pct", "png").convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
