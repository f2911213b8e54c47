// The hand-over's socket calls on real local sockets: what each answers
// when the other end is silent, speaks, stops reading or has gone.
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <thread>

#include "platform/core/ListeningSocket.h"
#include "platform/core/LocalSocket.h"

using namespace platform;

namespace {

bool Flags(int fd) {
    return (::fcntl(fd, F_GETFL) & O_NONBLOCK) && (::fcntl(fd, F_GETFD) & FD_CLOEXEC);
}

}  // namespace

class LocalSocketTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    // Connections never wait: one that would (a full backlog) fails at once.
    void connectsAndAcceptsWithoutWaiting() {
        QCOMPARE(ConnectLocal(dir_.filePath("none")), -1);
        QCOMPARE(errno, ENOENT);
        QCOMPARE(ConnectLocal(dir_.filePath(QString(120, 'n'))), -1);
        QCOMPARE(errno, ENAMETOOLONG);
        const ListeningSocket listening = ListenAt(dir_.filePath("s"));
        QVERIFY(listening.descriptor >= 0 && Flags(listening.descriptor));
        QCOMPARE(AcceptLocal(listening.descriptor).outcome, Accepted::NoneWaiting);
        const int connection = ConnectLocal(dir_.filePath("s"));
        QVERIFY(connection >= 0 && Flags(connection));
        const Accepted accepted = AcceptLocal(listening.descriptor);
        QVERIFY(accepted.outcome == Accepted::Connection && Flags(accepted.descriptor));
        ::listen(listening.descriptor, 0);  // room for one waiting connection
        const int waiting = ConnectLocal(dir_.filePath("s"));
        QVERIFY(waiting >= 0);
        QCOMPARE(ConnectLocal(dir_.filePath("s")), -1);
        QCOMPARE(errno, EAGAIN);
        for (const int fd : {connection, accepted.descriptor, waiting}) ::close(fd);
        const int notASocket = ::open("/dev/null", O_RDONLY);
        QCOMPARE(AcceptLocal(notASocket).outcome, Accepted::Lost);
        ::close(notASocket);
        ::close(listening.descriptor);
    }

    void bytesGoAsTheOtherEndAllows() {
        int pair[2];
        QVERIFY(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair) == 0);
        char byte = 0;
        QCOMPARE(ReceiveByte(pair[0], 50, byte), Receipt::Nothing);
        QVERIFY(SendByte(pair[1], 'a'));
        QCOMPARE(ReceiveByte(pair[0], 50, byte), Receipt::Byte);
        QCOMPARE(byte, 'a');
        QByteArray got("<");
        QCOMPARE(ReceiveAvailable(pair[0], got, 4), -1);
        QVERIFY(SendAll(pair[1], "abcdef", 100));
        QCOMPARE(ReceiveAvailable(pair[0], got, 4), 4);
        QCOMPARE(ReceiveAvailable(pair[0], got, 4), 2);
        QCOMPARE(got, "<abcdef");
        // A reader that does not keep up: the writer gives up after its idle time.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!SendAll(pair[1], QByteArray(1 << 22, 'x'), 200));
        QCOMPARE(errno, ETIMEDOUT);
        QVERIFY(clock.elapsed() >= 190);
        // Once reading is shut, nothing more can be sent, not even a byte.
        ::shutdown(pair[0], SHUT_RD);
        QVERIFY(!SendByte(pair[1], 'b'));
        ::close(pair[0]);
        QCOMPARE(ReceiveByte(pair[1], 50, byte), Receipt::Closed);
        QVERIFY(!SendAll(pair[1], "c", 100));
        QCOMPARE(errno, EPIPE);
        QCOMPARE(ReceiveAvailable(pair[1], got, 4), 0);
        ::close(pair[1]);
    }

    // A program that has started others (a browser for a link) is sent a
    // signal as each ends, which cuts short a wait: waits keep to their time.
    void signalsCutNoWaitShort() {
        struct sigaction quiet {};
        quiet.sa_handler = [](int) {};
        QVERIFY(::sigaction(SIGALRM, &quiet, nullptr) == 0);
        const itimerval often{{0, 500}, {0, 500}};
        QVERIFY(::setitimer(ITIMER_REAL, &often, nullptr) == 0);
        int pair[2];
        QVERIFY(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair) == 0);
        std::thread later([&] {
            sigset_t alarm;
            sigemptyset(&alarm), sigaddset(&alarm, SIGALRM);
            pthread_sigmask(SIG_BLOCK, &alarm, nullptr);
            QThread::msleep(150);
            SendByte(pair[1], 'a');
        });
        char byte = 0;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ReceiveByte(pair[0], 100, byte), Receipt::Nothing);
        QVERIFY(clock.elapsed() >= 95);
        QCOMPARE(ReceiveByte(pair[0], 1000, byte), Receipt::Byte);
        later.join();
        const itimerval never{};
        ::setitimer(ITIMER_REAL, &never, nullptr);
        ::close(pair[0]), ::close(pair[1]);
    }
};

QTEST_GUILESS_MAIN(LocalSocketTest)
#include "tst_local_socket.moc"
