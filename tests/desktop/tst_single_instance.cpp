// Launches of the real program. Against a running program played by this
// process, whose documents arrive here as open-document events, in order, as
// the bytes given; options answer without any display. A launch that goes
// on to run as a program of its own fails at once here: it is given a
// platform that does not exist. And launches that come all at once, with
// no program running.
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>
#include <future>

#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "platform/core/DocumentListMessage.h"
#include "platform/core/LocalSocket.h"
#include "platform/core/PeerUser.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/DocumentQueue.h"
#include "platform/widgets/EventDispatch.h"
#include "platform/widgets/HandOver.h"
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
    QList<int> known;  // documents known to come after each
    std::function<void()> onOpen;
    void Event_OpenDocument(platform::FolderItem* item) override {
        opened << item->Path();
        known << (platform::MoreDocumentsFollow() ? platform::PendingDocumentCount() : 0);
        if (onOpen) onOpen();
    }
};

// Serves this process's events, without qWaitFor's pause per round (the
// documents of a hand-over come one per turn), until `done` or `limitMs`.
bool Serve(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer clock;
    for (clock.start(); !done(); QCoreApplication::processEvents())
        if (clock.elapsed() > limitMs) return false;
    return true;
}

template <typename T>
bool Ready(const std::future<T>& future) {
    return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

// A launch played by hand, byte by byte, while this process serves.
struct Peer {
    int fd;
    explicit Peer(const QString& socket) : fd(platform::ConnectLocal(socket)) {}
    ~Peer() { ::close(fd); }
    // Sends while serving, so that this process reads what it sends.
    bool Send(QByteArray bytes) const {
        return Serve(
                   [&] {
                       const ssize_t n =
                           ::send(fd, bytes.constData(), static_cast<size_t>(bytes.size()),
                                  MSG_DONTWAIT | MSG_NOSIGNAL);
                       if (n > 0) bytes.remove(0, n);
                       return bytes.isEmpty() || (n < 0 && errno != EAGAIN);
                   },
                   2000) &&
               bytes.isEmpty();
    }
    // What the program says next: a byte, 'x' once it has closed, '-' when
    // it says nothing within `limitMs`.
    char Next(int limitMs = 2000) const {
        char said = '-';
        platform::Receipt got = platform::Receipt::Nothing;
        Serve(
            [&] {
                return (got = platform::ReceiveByte(fd, 0, said)) != platform::Receipt::Nothing;
            },
            limitMs);
        return got == platform::Receipt::Closed ? 'x' : said;
    }
    // Whether the program closes the connection within `limitMs`, whatever
    // it says before.
    bool Closes(int limitMs = 2000) const {
        char said = 0;
        return Serve(
            [&] { return platform::ReceiveByte(fd, 0, said) == platform::Receipt::Closed; },
            limitMs);
    }
};

QByteArray List(const Paths& paths) { return platform::EncodeDocumentList(paths); }

// A launch in a thread of its own, which can answer while this process
// serves: it sends `parts` 300 ms apart, then answers `reply` to up to
// `offers` offers for `stayMs`. What it heard, 'x' for the end.
QByteArray Converse(const QString& socket, const QList<QByteArray>& parts, char reply, int offers,
                    int stayMs) {
    const int fd = platform::ConnectLocal(socket);
    for (const QByteArray& part : parts) {
        if (!platform::SendAll(fd, part, 1000)) break;
        QThread::msleep(300);
    }
    QByteArray heard;
    for (QDeadlineTimer stay(stayMs); !stay.hasExpired() && offers > 0;) {
        char said = 0;
        const auto got = platform::ReceiveByte(fd, static_cast<int>(stay.remainingTime()), said);
        if (got == platform::Receipt::Closed) heard += 'x';
        if (got != platform::Receipt::Byte) break;
        heard += said;
        if (said == platform::kHandOverReady) platform::SendByte(fd, reply), --offers;
    }
    ::close(fd);
    return heard;
}

class SingleInstanceTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    Recorder app_;
    platform::InstanceServer server_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Runs `tarnwick ARGS` through the shell (which spells bytes that are not
    // UTF-8) in the temporary folder, after `env ENV`. Its exit status; -1
    // when it crashed (it went on to open a window), -2 when it still runs.
    int Launch(const QString& args, const QStringList& env = {}, QByteArray* out = nullptr,
               QByteArray* err = nullptr, const std::function<void()>& meanwhile = {}) {
        QProcess launch;
        launch.setWorkingDirectory(dir_.path());
        launch.start("/usr/bin/env", env + QStringList{"QT_QPA_PLATFORM=none-such", "/bin/sh", "-c",
                                                       "exec " TARNWICK_EXE " " + args});
        if (meanwhile) meanwhile();
        // This process must keep answering meanwhile: no blocking wait.
        if (!Serve([&] { return launch.processId() == 0; }, 5000)) return -2;
        if (out) *out = launch.readAllStandardOutput();
        if (err) *err = launch.readAllStandardError();
        return launch.exitStatus() == QProcess::NormalExit ? launch.exitCode() : -1;
    }
    QStringList To(const QString& socket) { return {"TARNWICK_INSTANCE_NAME=" + Path(socket)}; }

private slots:
    void initTestCase() {
        platform::RuntimeRegisterAppObject(&app_);
        platform::InstanceClaim claim = platform::ClaimInstance(Path("instance"), {});
        QCOMPARE(claim.role, Role::Serve);
        QVERIFY(server_.Listen(claim.socketPath, std::move(claim.lock)));
        // Nobody but this user may hand documents over.
        QCOMPARE(Mode(Path("instance")), mode_t(0600));
    }
    void init() { app_.opened.clear(), app_.known.clear(), app_.onOpen = {}; }

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
        platform::MenuBar bar;  // only a launch with no documents brings it back
        platform::MenuBarWindow barWindow(&bar);
        barWindow.showMinimized();
        QByteArray out;
        QCOMPARE(Launch(args, To("instance"), &out), 0);
        QVERIFY2(printed == "Usage: " ? out.startsWith(printed) : out == printed, out);
        QTest::qWait(20);
        QCOMPARE(app_.opened, expected);
        // The rest of its list known to follow, so that only its last is made active.
        const int first = std::min<int>(int(expected.size()), platform::kMaxHandedDocuments) - 1;
        QCOMPARE(app_.known.value(0, -1), first);
        QCOMPARE(app_.known.indexOf(0), first);
        QVERIFY(barWindow.isMinimized());
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
        const platform::InstanceLock held(Path("other.lock"));  // as its running program holds it
        QCOMPARE(held.Status(), platform::InstanceLock::State::Held);
        platform::SetThisUserForTesting(::geteuid() + 1);
        const platform::InstanceClaim claim = platform::ClaimInstance(Path("other"), {"/y.indd"});
        platform::SetThisUserForTesting(std::nullopt);
        QCOMPARE(claim.role, Role::Alone);
        QVERIFY2(claim.note.contains("another user"), qPrintable(claim.note));
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

    // Whatever lies at the lock's path, a launch decides at once: what is
    // not a file of this user's is in the way; a file nobody holds, whatever
    // it says (a crash may leave it empty or half written), is taken over.
    void lockPathDelaysNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("note");  // why it runs alone; empty: it serves
        QTest::newRow("lock FIFO") << "fifo"
                                   << "in the way";
        QTest::newRow("lock folder") << "folder"
                                     << "in the way";
        QTest::newRow("lock another user's") << "file of 65534"
                                             << "belongs to another user";
        QTest::newRow("lock in a missing folder") << "missing/"
                                                  << "No such file";
        QTest::newRow("no lock yet") << ""
                                     << "";
        QTest::newRow("lock empty") << "file "
                                    << "";
        QTest::newRow("lock naming a live process") << "file " + QString::number(getpid()) << "";
    }
    void lockPathDelaysNothing() {
        QFETCH(QString, kind);
        QFETCH(QString, note);
        const QString socket = Path(QTest::currentDataTag()) + (kind == "missing/" ? "/x" : "");
        const QByteArray lock = QFile::encodeName(socket + ".lock");
        QFile file(lock);
        if (kind.startsWith("file"))
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kind.mid(5).toUtf8()) >= 0);
        file.close();
        if (kind == "fifo") QVERIFY(::mkfifo(lock.constData(), 0600) == 0);
        if (kind == "folder") QVERIFY(QDir().mkdir(lock));
        if (kind.endsWith("65534") && ::chown(lock.constData(), 65534, gid_t(-1)) != 0)
            QSKIP("only root can give a file to another user");
        QElapsedTimer clock;
        clock.start();
        const platform::InstanceClaim claim = platform::ClaimInstance(socket, {"/x.indd"});
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(claim.role, note.isEmpty() ? Role::Serve : Role::Alone);
        QVERIFY2(claim.note.contains(note), qPrintable(claim.note));
        QCOMPARE(claim.documents, Paths{"/x.indd"});
        if (kind.isEmpty()) QCOMPARE(Mode(lock), mode_t(0600));  // made for this user alone
    }

    // The lock goes with the program that held it, even where a program it
    // started (a browser for a link) lives on.
    void lockGoesWithItsHolder() {
        auto held = std::make_unique<platform::InstanceLock>(Path("held.lock"));
        QCOMPARE(held->Status(), platform::InstanceLock::State::Held);
        QCOMPARE(platform::InstanceLock(Path("held.lock")).Status(),
                 platform::InstanceLock::State::Elsewhere);
        QProcess child;
        child.start("sleep", {"5"});
        QVERIFY(child.waitForStarted());
        held.reset();
        QCOMPARE(platform::InstanceLock(Path("held.lock")).Status(),
                 platform::InstanceLock::State::Held);
        child.kill();
        child.waitForFinished();
    }

    // A list may come in parts, as a launch writes it. A launch that speaks
    // out of turn while its list waits, or leaves, is dropped unopened.
    void launchIsServedAsItBehaves_data() {
        QTest::addColumn<QList<QByteArray>>("parts");
        QTest::addColumn<char>("reply");  // to each offer
        QTest::addColumn<int>("offers");  // it answers before it leaves
        QTest::addColumn<int>("stayMs");
        QTest::addColumn<Paths>("opened");
        const char yes = platform::kHandOverConfirm;
        const QByteArray list = List({"/a.indd"}), two = List({"/a.indd", "/b.indd"});
        QTest::newRow("list in parts")
            << QList{list.left(9), list.mid(9)} << yes << 1 << 3000 << Paths{"/a.indd"};
        QTest::newRow("speaks while waiting")
            << QList{list, QByteArray("?")} << yes << 1 << 3000 << Paths{};
        QTest::newRow("leaves while waiting") << QList{list} << yes << 1 << 100 << Paths{};
        QTest::newRow("answers an offer otherwise") << QList{list} << '?' << 1 << 3000 << Paths{};
        QTest::newRow("leaves after its first")
            << QList{two} << yes << 1 << 3000 << Paths{"/a.indd"};
    }
    void launchIsServedAsItBehaves() {
        QFETCH(QList<QByteArray>, parts);
        QFETCH(char, reply);
        QFETCH(int, offers);
        QFETCH(int, stayMs);
        QFETCH(Paths, opened);
        auto talking = std::async(std::launch::async, Converse, Path("instance"), parts, reply,
                                  offers, stayMs);
        // Its list waits its turn behind a handler that runs meanwhile.
        platform::Dispatch([] { QTest::qWait(1200); });
        QVERIFY(Serve([&] { return Ready(talking); }, 5000));
        const QByteArray heard = talking.get();
        // Told at once that its list waits, and again while it waits; offered
        // a document only if it kept to the exchange until its turn.
        QVERIFY2(heard.startsWith(platform::kHandOverWait), heard.toHex());
        QVERIFY(opened.isEmpty() || heard.count(platform::kHandOverWait) > 1);
        QCOMPARE(heard.contains(platform::kHandOverReady),
                 !opened.isEmpty() || reply != platform::kHandOverConfirm);
        QCOMPARE(app_.opened, opened);
    }

    // Connections that have not sent their whole list are read a few at a
    // time, the oldest cut when another comes (a launch's list is whole as
    // it connects), and within a bound of bytes.
    void readingIsBounded() {
        const Peer whole(Path("instance"));
        QVERIFY(whole.Send(List({"/w.indd"})));
        std::vector<std::unique_ptr<Peer>> idle;
        for (int i = 0; i <= platform::kMaxListsInReading; ++i)
            idle.push_back(std::make_unique<Peer>(Path("instance")));
        const QByteArray big = List(Paths(platform::kMaxHandedDocuments, QByteArray(4096, 'b')));
        platform::Dispatch([&] {  // holds the queue
            QCOMPARE(whole.Next(), platform::kHandOverWait);
            QVERIFY(idle[0]->Closes() && !idle[1]->Closes(100));
            const Peer first(Path("instance")), second(Path("instance")), third(Path("instance"));
            // Held up to the bound exactly, and not a byte past it.
            QVERIFY(first.Send(big.chopped(10)) && second.Send(big.chopped(10)));
            QVERIFY(third.Send(big.left(20)) && !third.Closes(100));
            QVERIFY(third.Send(big.mid(20, 1)) && third.Closes() && !second.Closes(100));
            platform::DropQueuedDocuments();  // the program's end: its queue goes unanswered
            QVERIFY(whole.Closes(100));
        });
        QTest::qWait(50);  // the program sees the others leave, and lets their bytes go
        QCOMPARE(app_.opened, Paths{});
    }

    // Lists waiting for their turn are bounded in number and in the bytes of
    // their names; past either, a launch is closed unanswered (it asks again).
    void queuedListsAreBounded_data() {
        QTest::addColumn<QList<Paths>>("lists");
        const Paths largest(platform::kMaxHandedDocuments, QByteArray(4096, 'q'));
        QTest::newRow("names") << QList<Paths>{largest, largest, largest, largest, {"/q"}};
        QTest::newRow("lists") << QList<Paths>(platform::kMaxListsQueued + 1, Paths{"/q"});
    }
    void queuedListsAreBounded() {
        QFETCH(QList<Paths>, lists);
        std::vector<std::unique_ptr<Peer>> peers;
        platform::Dispatch([&] {  // holds the queue
            for (const Paths& list : lists) {
                peers.push_back(std::make_unique<Peer>(Path("instance")));
                QVERIFY(peers.back()->Send(List(list)));
                QCOMPARE(peers.back()->Next(), platform::kHandOverWait);
            }
            QVERIFY(peers.back()->Closes() && !peers[peers.size() - 2]->Closes(300));
            platform::DropQueuedDocuments();
        });
    }

    // A program that is held up (stopped, swapped out, reading a share that
    // has stopped answering) past the launch's patience, before it has read
    // the list or after: the launch opens the documents itself, and the
    // program, back, does not open them again. Held up briefly, it takes them.
    void heldUpProgramLeavesTheDocumentsToTheirLaunch_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("heldMs");
        const QString pastBuffer = "$(seq -f /%0700g 1000)";
        QTest::newRow("list read") << "/x.indd" << platform::kInstanceSilenceMs * 5 / 2;
        QTest::newRow("list past a socket's buffer")
            << pastBuffer << platform::kInstanceSilenceMs * 5 / 2;
        QTest::newRow("briefly, list past a socket's buffer") << pastBuffer << 300;
    }
    void heldUpProgramLeavesTheDocumentsToTheirLaunch() {
        QFETCH(QString, args);
        QFETCH(int, heldMs);
        const bool briefly = heldMs < platform::kInstanceSilenceMs;
        QCOMPARE(Launch(args, To("instance"), nullptr, nullptr,
                        [heldMs] { QThread::msleep(static_cast<unsigned long>(heldMs)); }),
                 briefly ? 0 : -1);
        QTest::qWait(100);
        QCOMPARE(app_.opened.size(), briefly ? 1000 : 0);
        QCOMPARE(app_.opened.value(999),
                 briefly ? QByteArray("/") + QByteArray::number(1000).rightJustified(700, '0')
                         : QByteArray());
    }

    // A program that stops taking a list midway (its user quits it): the
    // launch asks again with the documents it has not handed over.
    void launchAsksAgainWithWhatIsLeft() {
        app_.onOpen = [this] {
            if (app_.opened.size() == 1) platform::DropQueuedDocuments();
        };
        QCOMPARE(Launch("/1.indd /2.indd /3.indd", To("instance")), 0);
        QCOMPARE(app_.opened, (Paths{"/1.indd", "/2.indd", "/3.indd"}));
    }

    // An offer the launch confirms too late is withdrawn: its Confirm fails
    // to send, and the launch knows the document is still its own.
    void lateConfirmFailsToSend() {
        const int launch = platform::ConnectLocal(Path("instance"));
        QVERIFY(platform::SendAll(launch, platform::EncodeDocumentList({"/late.indd"}), 1000));
        char said = 0;
        QVERIFY(Serve(
            [&] { return platform::ReceiveByte(launch, 0, said) != platform::Receipt::Nothing; },
            2000));
        QCOMPARE(said, platform::kHandOverWait);
        QVERIFY(
            Serve([&] { return platform::HandOver::Count() == 0; }, 3000));  // offered, unanswered
        QVERIFY(!platform::SendByte(launch, platform::kHandOverConfirm));
        QCOMPARE(app_.opened, Paths{});
        ::close(launch);
    }

    // A document another launch handed over is not lost when a document
    // before it takes the error road: that launch opens it itself, told so
    // while the error message is still up. The rest of the launch's own
    // batch, though, goes the error road with it.
    void documentsAfterAFailingOne_data() {
        QTest::addColumn<Paths>("own");  // this program's batch, before the launch's
        QTest::addColumn<Paths>("handed");
        QTest::addColumn<Role>("role");
        QTest::addColumn<Paths>("left");                           // what the launch opens itself
        const QByteArray folder = QFile::encodeName(dir_.path());  // cannot be read
        QTest::newRow("another batch's")
            << Paths{folder} << Paths{"/late.indd"} << Role::Alone << Paths{"/late.indd"};
        QTest::newRow("its own") << Paths{} << Paths{folder, "/after.indd"} << Role::HandedOver
                                 << Paths{};
    }
    void documentsAfterAFailingOne() {
        QFETCH(Paths, own);
        QFETCH(Paths, handed);
        QFETCH(Role, role);
        QFETCH(Paths, left);
        harness::StartApplication();
        platform::PostOpenDocuments(own);
        auto claiming = std::async(
            std::launch::async, [&] { return platform::ClaimInstance(Path("instance"), handed); });
        bool toldWhileUp = false;
        harness::MessageBoxAnswerer answer(
            5000, [&] { toldWhileUp = Serve([&] { return Ready(claiming); }, 3000); });
        // The batch waits until the launch's list is queued behind it.
        platform::Dispatch([] { Serve([] { return platform::HandOver::Count() == 1; }, 3000); });
        QVERIFY(Serve([&] { return Ready(claiming); }, 5000));
        const platform::InstanceClaim late = claiming.get();
        platform::RuntimeRegisterAppObject(&app_);
        harness::CloseAllWindows();
        QVERIFY(answer.Answered());
        QVERIFY(toldWhileUp);
        QCOMPARE(late.role, role);
        QCOMPARE(late.documents, left);
    }

    // Out of descriptors, the program cannot take a launch's connection for a
    // while; it takes it once it can, rather than stop listening.
    void failedAcceptIsTriedAgain() {
        auto claiming = std::async(std::launch::async, [this] {
            return platform::ClaimInstance(Path("instance"), {"/a.indd"});
        });
        QThread::msleep(100);  // its list is sent, and waits to be accepted
        // UndefinedBehaviorSanitizer opens a pipe the first time it checks an
        // object's type, which it cannot do while every descriptor is taken:
        // the type the program meets then is checked once beforehand.
        QSocketNotifier checked(0, QSocketNotifier::Read);
        QSocketNotifier* notifier = &checked;
        notifier->setEnabled(false);
        rlimit saved{};
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &saved) == 0);
        rlimit low = saved;
        low.rlim_cur = std::min<rlim_t>(saved.rlim_cur, 1024);
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &low) == 0);
        std::vector<int> fillers;
        for (int fd; (fd = ::dup(0)) >= 0;) fillers.push_back(fd);
        QTest::qWait(200);
        for (const int fd : fillers) ::close(fd);
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &saved) == 0);
        QVERIFY(Serve([&] { return Ready(claiming); }, 5000));
        QCOMPARE(claiming.get().role, Role::HandedOver);
        QCOMPARE(Launch("/b.indd", To("instance")), 0);  // and it listens as before
        QCOMPARE(app_.opened, (Paths{"/a.indd", "/b.indd"}));
    }

    // A listening socket that no longer works: the program lets the lock go,
    // and the next launch is the running program at once. (Last of the cases
    // that use this process's listener.)
    void lostListenerLetsTheNextLaunchServe() {
        const QByteArray socket = QFile::encodeName(Path("instance"));
        int listening = -1;
        for (int fd = 0; fd < 1024 && listening < 0; ++fd) {
            sockaddr_un address{};
            socklen_t size = sizeof address;
            int accepts = 0;
            socklen_t flag = sizeof accepts;
            if (::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0 &&
                socket == address.sun_path &&
                ::getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &accepts, &flag) == 0 && accepts)
                listening = fd;
        }
        const int broken = ::open("/dev/null", O_RDONLY | O_CLOEXEC), stderrWas = ::dup(2);
        QTemporaryFile said;  // what the program tells the user, once
        QVERIFY(said.open() && ::dup2(int(said.handle()), 2) == 2);
        QVERIFY(listening >= 0 && ::dup2(broken, listening) == listening);
        QTest::qWait(100);
        ::dup2(stderrWas, 2);
        ::close(broken), ::close(stderrWas);
        QVERIFY(said.seek(0));
        QCOMPARE(said.readAll().count("hand-over socket"), 1);
        QElapsedTimer clock;
        clock.start();
        const platform::InstanceClaim next = platform::ClaimInstance(Path("instance"), {"/n.indd"});
        QCOMPARE(next.role, Role::Serve);
        QVERIFY(clock.elapsed() < 1000);
    }

    // With no program running, launches at once leave one, which opens every
    // document once (seen as each document opened as often as the others,
    // once the other launches have ended). The program that stays asks the
    // test build's update server, a closed port on this machine. Killed, it
    // is taken over at once.
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
            launches.last()->start("env", {"QT_QPA_PLATFORM=offscreen",
                                           "TARNWICK_INSTANCE_NAME=" + Path("crowd-socket"),
                                           TARNWICK_EXE, Path("crowd/%1.indd").arg(i)});
        }
        QHash<QByteArray, int> opened;
        auto handedOver = [&] {
            return std::count_if(launches.begin(), launches.end(), [](QProcess* launch) {
                return launch->state() == QProcess::NotRunning && launch->exitCode() == 0;
            });
        };
        auto drain = [&] {
            char events[4096];
            for (ssize_t n; (n = read(watch, events, sizeof events)) > 0;) {
                for (char* at = events; at < events + n;) {
                    const auto* event = reinterpret_cast<inotify_event*>(at);
                    if (event->len > 0) ++opened[QByteArray(event->name)];
                    at += sizeof(inotify_event) + event->len;
                }
            }
            return handedOver() == kLaunches - 1 && opened.size() == kLaunches;
        };
        QVERIFY(QTest::qWaitFor(drain, 30000));
        QTest::qWait(500);
        drain();
        QCOMPARE(handedOver(), kLaunches - 1);
        for (QProcess* launch : launches)  // the one that stays listens without a word
            QVERIFY(!launch->readAllStandardError().contains("running without"));
        const QList<int> counts = opened.values();
        QCOMPARE(counts.count(counts.first()), kLaunches);
        ::close(watch);
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
        QVERIFY(!QFile::exists(successor.socketPath));  // a program's socket goes with it
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
