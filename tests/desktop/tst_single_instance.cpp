// A second launch of the real program against a running instance played by
// this process: its documents arrive here as open-document events, in order,
// as the bytes it was given; its options answer without any display (it runs
// with a platform that does not exist, so opening a window would abort it).
#include <QApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/DocumentQueue.h"
#include "platform/widgets/MenuBarWindow.h"
#include "platform/widgets/SingleInstance.h"
#include "platform/widgets/WindowList.h"
#include "windows/Window1.h"

using Paths = QList<QByteArray>;

struct Recorder : platform::Application {
    Paths opened;
    void Event_OpenDocument(platform::FolderItem* item) override { opened << item->Path(); }
};

class SingleInstanceTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    Recorder app_;
    platform::InstanceServer server_;

    // Runs `tarnwick ARGS` through the shell (which spells bytes that are not
    // UTF-8) in the temporary folder; its exit status, or -1 when it ran a
    // second or more.
    int Launch(const QString& args, const QString& socket, QByteArray* out = nullptr,
               int waitMs = 1000) {
        QProcess launch;
        launch.setWorkingDirectory(dir_.path());
        launch.start("/usr/bin/env",
                     {"QT_QPA_PLATFORM=none-such", "TARNWICK_INSTANCE_NAME=" + socket, "/bin/sh",
                      "-c", "exec " TARNWICK_EXE " " + args});
        // This process must keep answering meanwhile: no blocking wait.
        if (!QTest::qWaitFor([&] { return launch.processId() == 0; }, waitMs)) return -1;
        if (out) *out = launch.readAllStandardOutput();
        return launch.exitStatus() == QProcess::NormalExit ? launch.exitCode() : -1;
    }

private slots:
    void initTestCase() {
        platform::RuntimeRegisterAppObject(&app_);
        QVERIFY(server_.Listen(dir_.filePath("instance")));
        // Nobody but this user may hand documents over.
        const auto others = QFile::WriteGroup | QFile::WriteOther;
        QVERIFY(!(QFileInfo(dir_.filePath("instance")).permissions() & others));
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
        QCOMPARE(Launch(args, dir_.filePath("instance"), &out), 0);
        QVERIFY2(printed == "Usage: " ? out.startsWith(printed) : out == printed, out);
        QVERIFY(QTest::qWaitFor([&] { return app_.opened.size() >= expected.size(); }, 1000));
        QTest::qWait(20);
        QCOMPARE(app_.opened, expected);
    }

    void launchWithoutDocumentsBringsTheMenuBarWindowToFront() {
        platform::MenuBar bar;
        platform::MenuBarWindow barWindow(&bar);
        barWindow.setFixedHeight(20);  // with no menus the bar has no height
        QWidget other;
        barWindow.show();
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(Launch("", dir_.filePath("instance")), 0);
        QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == &barWindow; }, 1000));
    }

    void malformedMessageOpensNothing_data() {
        QTest::addColumn<QByteArray>("message");
        const QByteArray one("\0\0\0\1\0\0\0\2/a", 10);
        QTest::newRow("wrong tag") << QByteArray("TWd2") + one;
        QTest::newRow("trailing byte") << QByteArray("TWd1") + one + 'x';
        QTest::newRow("NUL in path") << QByteArray("TWd1\0\0\0\1\0\0\0\2/\0", 14);
        QTest::newRow("too many") << QByteArray("TWd1\0\0\4\1", 8);
        QTest::newRow("cut short") << QByteArray("TWd1") + one.left(9);
        QTest::newRow("empty path") << QByteArray("TWd1\0\0\0\1\0\0\0\0", 12);
    }
    void malformedMessageOpensNothing() {
        QFETCH(QByteArray, message);
        QLocalSocket client;
        client.connectToServer(dir_.filePath("instance"));
        QVERIFY(client.waitForConnected(1000));
        client.write(message);
        QVERIFY(QTest::qWaitFor([&] { return client.state() == QLocalSocket::UnconnectedState; },
                                3000));
        QTest::qWait(20);
        QCOMPARE(client.readAll(), QByteArray());  // no answer
        QCOMPARE(app_.opened, Paths{});
    }

    // Documents handed over while others still wait open after them.
    void laterDocumentsWaitBehindEarlierOnes() {
        platform::PostOpenDocuments({"/a"});
        platform::PostOpenDocuments({"/b", "/c"});
        QVERIFY(QTest::qWaitFor([&] { return app_.opened.size() >= 3; }, 1000));
        QCOMPARE(app_.opened, (Paths{"/a", "/b", "/c"}));
    }

    // A program that takes the connection but never answers counts as absent:
    // the launch gives up after a second and starts on its own (and, with no
    // display here, fails).
    void silentProgramIsTreatedAsAbsent() {
        QLocalServer silent;
        QVERIFY(silent.listen(dir_.filePath("silent")));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(Launch("/x.indd", dir_.filePath("silent"), nullptr, 3000) != 0);
        QVERIFY(clock.elapsed() < 2500);
    }

    void staleSocketIsTakenOver() {
        auto* crashed = new QLocalServer;  // a crash leaves its socket file, nobody behind it
        QVERIFY(crashed->listen(dir_.filePath("crashed")));
        QVERIFY(QFile::rename(dir_.filePath("crashed"), dir_.filePath("stale")));
        delete crashed;
        QVERIFY(!platform::InstanceServer().Listen(dir_.filePath("instance")));  // a live one stays
        platform::InstanceServer successor;
        QVERIFY(successor.Listen(dir_.filePath("stale")));
        QCOMPARE(Launch("/x.indd", dir_.filePath("stale")), 0);
        QVERIFY(QTest::qWaitFor([&] { return app_.opened == Paths{"/x.indd"}; }, 1000));
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
