// The update query end to end against a TLS server on 127.0.0.1: the bytes
// it sends, how it reads the answer, how it fails, and the bounds that end
// a hostile or silent server.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSslConfiguration>
#include <QTest>
#include <QTimer>
#include <functional>

#include "TestCertificates.h"
#include "TlsTestServer.h"
#include "platform/core/HttpRequest.h"
#include "platform/widgets/HTTPSecureSocket.h"
#include "update/UpdateQuery.h"

using platform::HttpLimits;
using platform::HTTPSecureSocket;
using Mode = TlsTestServer::Mode;

namespace {

// A limit long enough that no test meets it unless something is wrong.
constexpr int kNeverMs = 20'000;
// The earliest a limit of `ms` may end a wait: Qt's timers may fire a little
// early.
constexpr qint64 Earliest(qint64 ms) { return ms * 95 / 100; }

// Waits until `done` holds, serving events, at most `timeoutMs`; checks again
// whenever the server reports a change.
bool WaitFor(TlsTestServer& server, const std::function<bool()>& done, int timeoutMs) {
    if (done()) return true;
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&server, &TlsTestServer::changed, &loop, [&] {
        if (done()) loop.quit();
    });
    guard.start(timeoutMs);
    loop.exec();
    return done();
}

HttpLimits TestLimits() {
    HttpLimits limits;
    limits.inactivityMs = kNeverMs;
    limits.totalCapMs = 2 * kNeverMs;
    // Small, so Qt's buffer fills and empties many times in one reply.
    limits.readBufferSize = 64;
    return limits;
}

QString UrlFor(quint16 port) {
    return QStringLiteral("https://localhost:%1/www/ssl/check.php").arg(port);
}

}  // namespace

class UpdateQueryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void sendsExactRequest();
    void answersOnlyExactTrue_data();
    void answersOnlyExactTrue();
    void splitsHeaderBlock_data();
    void splitsHeaderBlock();
    void answersTrueFromOpenConnectionAfterInactivity();

    void failsAtOnceWhenNothingListens();
    void failsAfterInactivityWhenTlsNeverCompletes();
    void checksCertificate_data();
    void checksCertificate();

    void endsHostileReplyWithinItsBound_data();
    void endsHostileReplyWithinItsBound();

    void writesVersionText_data();
    void writesVersionText();
    void pointsAtUpdateServer();

private:
    update::SocketSetup Setup(const HttpLimits& limits = TestLimits()) const;
    std::unique_ptr<TlsTestServer> StartServer(const TlsTestServer::Script& script,
                                               const QString& certificate = "trusted");

    TestCertificates certificates_;
};

void UpdateQueryTest::initTestCase() {
    QVERIFY2(certificates_.Make(), qPrintable(certificates_.Error()));
    QVERIFY(!certificates_.Authority().isNull());
    QVERIFY(!certificates_.ServerKey().isNull());
    for (const char* kind : {"trusted", "untrusted", "expired", "selfsigned", "wronghost"}) {
        QVERIFY2(!certificates_.Server(kind).isNull(), kind);
    }
    QVERIFY(certificates_.Server("expired").expiryDate() < QDateTime::currentDateTimeUtc());
}

update::SocketSetup UpdateQueryTest::Setup(const HttpLimits& limits) const {
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    ssl.addCaCertificate(certificates_.Authority());
    return {limits, ssl};
}

std::unique_ptr<TlsTestServer> UpdateQueryTest::StartServer(const TlsTestServer::Script& script,
                                                            const QString& certificate) {
    auto server = std::make_unique<TlsTestServer>(certificates_.Server(certificate),
                                                  certificates_.ServerKey());
    server->SetScript(script);
    if (!server->Start()) return nullptr;
    return server;
}

void UpdateQueryTest::sendsExactRequest() {
    const auto server = StartServer({Mode::Reply, "HTTP/1.0 200 OK\r\n\r\ntrue", true, 0});
    QVERIFY(server);
    const QByteArray version = update::VersionText(1, 2, 0);
    QVERIFY(update::RunUpdateQuery("3", version, "Unregistered", UrlFor(server->Port()), Setup()));
    QCOMPARE(server->Received(), QByteArray("POST /www/ssl/check.php HTTP/1.0\r\n"
                                            "Accept: */*\r\n"
                                            "Accept-Language: en\r\n"
                                            "Host: localhost\r\n"
                                            "Content-type: application/x-www-form-urlencoded\r\n"
                                            "Content-length: 36\r\n"
                                            "\r\n"
                                            "app%5Fid=3&ver=120&regi=Unregistered"));
    QCOMPARE(server->Accepted(), 1);
}

void UpdateQueryTest::answersOnlyExactTrue_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("answer");
    // clang-format off
    QTest::newRow("true")            << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue")     << true;
    QTest::newRow("true CR LF")      << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue\r\n")  << false;
    QTest::newRow("true LF")         << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue\n")    << false;
    QTest::newRow("true space")      << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue ")     << false;
    QTest::newRow("true full stop")  << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue.")     << false;
    QTest::newRow("space true")      << QByteArray("HTTP/1.0 200 OK\r\n\r\n true")     << false;
    QTest::newRow("TRUE")            << QByteArray("HTTP/1.0 200 OK\r\n\r\nTRUE")     << false;
    QTest::newRow("True")            << QByteArray("HTTP/1.0 200 OK\r\n\r\nTrue")     << false;
    QTest::newRow("false")           << QByteArray("HTTP/1.0 200 OK\r\n\r\nfalse")    << false;
    QTest::newRow("empty body")      << QByteArray("HTTP/1.0 200 OK\r\n\r\n")         << false;
    QTest::newRow("nothing at all")  << QByteArray()                                  << false;
    QTest::newRow("404 true")        << QByteArray("HTTP/1.0 404 Not Found\r\n\r\ntrue") << true;
    QTest::newRow("500 true")        << QByteArray("HTTP/1.0 500 Internal Server Error\r\nContent-Type: text/plain\r\n\r\ntrue") << true;
    QTest::newRow("401 true")        << QByteArray("HTTP/1.0 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"x\"\r\n\r\ntrue") << true;
    // clang-format on
}

void UpdateQueryTest::answersOnlyExactTrue() {
    QFETCH(QByteArray, reply);
    QFETCH(bool, answer);
    const auto server = StartServer({Mode::Reply, reply, true, 0});
    QVERIFY(server);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(update::RunUpdateQuery("3", "120", "Unregistered", UrlFor(server->Port()), Setup()),
             answer);
    // Ended by the server's close, not by a limit.
    QVERIFY(clock.elapsed() < kNeverMs / 2);
}

void UpdateQueryTest::splitsHeaderBlock_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    // clang-format off
    QTest::newRow("CR LF CR LF")  << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\ntrue") << 200 << QByteArray("true");
    QTest::newRow("LF LF")        << QByteArray("HTTP/1.0 404 Not Found\nContent-Type: text/plain\n\ntrue") << 404 << QByteArray("true");
    QTest::newRow("CR CR")        << QByteArray("HTTP/1.0 500 Oops\rContent-Type: text/plain\r\rtrue") << 500 << QByteArray("true");
    // CR LF lines, ended by LF LF: CR LF CR LF is searched first and fails.
    QTest::newRow("mixed")        << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/plain\n\ntrue") << 200 << QByteArray("true");
    // Line ends after the block belong to the body.
    QTest::newRow("body with line ends") << QByteArray("HTTP/1.0 200 OK\r\n\r\n\r\ntrue\r\n") << 200 << QByteArray("\r\ntrue\r\n");
    // Closed before a whole header block: every byte is body.
    QTest::newRow("no header block") << QByteArray("true") << 0 << QByteArray("true");
    QTest::newRow("header block cut") << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n")
                                      << 0 << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n");
    // clang-format on
}

void UpdateQueryTest::splitsHeaderBlock() {
    QFETCH(QByteArray, reply);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    const auto server = StartServer({Mode::Reply, reply, true, 0});
    QVERIFY(server);
    HTTPSecureSocket socket;
    socket.SetLimits(TestLimits());
    socket.SetSslConfiguration(*Setup().ssl);
    QCOMPARE(socket.Post(UrlFor(server->Port()), 100), body);
    QCOMPARE(socket.HTTPStatusCode(), status);
    QCOMPARE(socket.ErrorCode(), HTTPSecureSocket::kNoError);
    QCOMPARE(update::RunUpdateQuery("3", "120", "Unregistered", UrlFor(server->Port()), Setup()),
             body == "true");
}

void UpdateQueryTest::answersTrueFromOpenConnectionAfterInactivity() {
    const auto server = StartServer({Mode::Reply, "HTTP/1.0 200 OK\r\n\r\ntrue", false, 0});
    QVERIFY(server);
    HttpLimits limits = TestLimits();
    limits.inactivityMs = 1000;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(
        update::RunUpdateQuery("3", "120", "Unregistered", UrlFor(server->Port()), Setup(limits)));
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= Earliest(1000) && elapsed < 3000, qPrintable(QString::number(elapsed)));
    // The client gave up and closed; the server never did.
    QVERIFY(WaitFor(
        *server, [&] { return server->Ended() == 1; }, 5000));
}

void UpdateQueryTest::failsAtOnceWhenNothingListens() {
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    HTTPSecureSocket socket;
    socket.SetSslConfiguration(*Setup().ssl);
    QElapsedTimer clock;
    clock.start();
    // The program's own limits: 100 s of patience that must not be used.
    QVERIFY(socket.Post(UrlFor(port), 100).isEmpty());
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(socket.ErrorCode(), 1 + int(QAbstractSocket::ConnectionRefusedError));
    QVERIFY(!update::RunUpdateQuery("3", "120", "Unregistered", UrlFor(port), Setup({})));
}

void UpdateQueryTest::failsAfterInactivityWhenTlsNeverCompletes() {
    const auto server = StartServer({Mode::NoHandshake, {}, true, 0});
    QVERIFY(server);
    HTTPSecureSocket socket;
    HttpLimits limits = TestLimits();
    limits.inactivityMs = 500;
    socket.SetLimits(limits);
    socket.SetSslConfiguration(*Setup().ssl);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(socket.Post(UrlFor(server->Port()), 100).isEmpty());
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= Earliest(500) && elapsed < 2500, qPrintable(QString::number(elapsed)));
    QCOMPARE(socket.ErrorCode(), HTTPSecureSocket::kTimedOut);
    QCOMPARE(server->Accepted(), 1);
    QVERIFY(WaitFor(
        *server, [&] { return server->Ended() == 1; }, 5000));
}

void UpdateQueryTest::checksCertificate_data() {
    QTest::addColumn<QString>("certificate");
    QTest::addColumn<bool>("accepted");
    // The good one proves that the others fail for their fault alone.
    QTest::newRow("trusted") << "trusted" << true;
    QTest::newRow("untrusted authority") << "untrusted" << false;
    QTest::newRow("expired") << "expired" << false;
    QTest::newRow("self-signed") << "selfsigned" << false;
    QTest::newRow("other host") << "wronghost" << false;
}

void UpdateQueryTest::checksCertificate() {
    QFETCH(QString, certificate);
    QFETCH(bool, accepted);
    const auto server =
        StartServer({Mode::Reply, "HTTP/1.0 200 OK\r\n\r\ntrue", true, 0}, certificate);
    QVERIFY(server);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(update::RunUpdateQuery("3", "120", "Unregistered", UrlFor(server->Port()), Setup()),
             accepted);
    QVERIFY(clock.elapsed() < kNeverMs / 2);
    QVERIFY(WaitFor(
        *server, [&] { return server->Ended() == 1; }, 5000));
    QCOMPARE(server->Received().isEmpty(), !accepted);
    if (!accepted) QCOMPARE(server->Encrypted(), 0);
}

void UpdateQueryTest::endsHostileReplyWithinItsBound_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("errorCode");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");
    QTest::addColumn<int>("maxBodySize");
    // Bounds of these rows: header block 256 bytes, body 64, inactivity
    // 500 ms, whole exchange 2 s.
    // clang-format off
    QTest::newRow("endless header block") << int(Mode::EndlessHeader) << HTTPSecureSocket::kReplyTooLarge << 0    << 1500 << 0;
    QTest::newRow("endless body")         << int(Mode::EndlessBody)   << HTTPSecureSocket::kReplyTooLarge << 0    << 1500 << 65;
    // One byte every 400 ms keeps the inactivity limit away for ever; only
    // the cap on the whole exchange ends it.
    // Header bytes are no progress: the inactivity limit ends it.
    QTest::newRow("trickled header block") << int(Mode::TrickleHeader) << HTTPSecureSocket::kTimedOut << int(Earliest(500)) << 1500 << 0;
    QTest::newRow("trickle")              << int(Mode::Trickle)       << HTTPSecureSocket::kTimedOut      << int(Earliest(2000)) << 3500 << 6;
    // clang-format on
}

void UpdateQueryTest::endsHostileReplyWithinItsBound() {
    QFETCH(int, mode);
    QFETCH(int, errorCode);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);
    QFETCH(int, maxBodySize);
    const auto server = StartServer({Mode(mode), {}, false, 400});
    QVERIFY(server);
    HttpLimits limits = TestLimits();
    limits.maxHeaderBlock = 256;
    limits.maxBody = 64;
    limits.inactivityMs = 500;
    limits.totalCapMs = 2000;
    HTTPSecureSocket socket;
    socket.SetLimits(limits);
    socket.SetSslConfiguration(*Setup().ssl);
    QElapsedTimer clock;
    clock.start();
    const QByteArray body = socket.Post(UrlFor(server->Port()), 100);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= minMs && elapsed < maxMs, qPrintable(QString::number(elapsed)));
    QCOMPARE(socket.ErrorCode(), errorCode);
    QVERIFY2(body.size() <= maxBodySize, qPrintable(QString::number(body.size())));
    // The client stopped reading rather than draining the server.
    QVERIFY(WaitFor(
        *server, [&] { return server->Ended() == 1; }, 5000));
    QVERIFY2(server->BytesSent() < 1024 * 1024, qPrintable(QString::number(server->BytesSent())));
}

void UpdateQueryTest::writesVersionText_data() {
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("bug");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("1.2.0") << 1 << 2 << 0 << QByteArray("120");
    QTest::newRow("1.2.10") << 1 << 2 << 10 << QByteArray("1210");
    QTest::newRow("1.21.0") << 1 << 21 << 0 << QByteArray("1210");
    QTest::newRow("10.0.0") << 10 << 0 << 0 << QByteArray("1000");
}

void UpdateQueryTest::writesVersionText() {
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, bug);
    QFETCH(QByteArray, text);
    QCOMPARE(update::VersionText(major, minor, bug), text);
}

void UpdateQueryTest::pointsAtUpdateServer() {
    const auto target = platform::SplitUrl(update::UpdateURL(), HTTPSecureSocket::kDefaultPort);
    QVERIFY(target);
    QCOMPARE(target->host, QByteArray("update.tarnwick.example"));
    QCOMPARE(int(target->port), 443);
    QCOMPARE(target->path, QByteArray("/www/ssl/check.php"));
    QVERIFY(update::UpdateURL().startsWith("https://"));
}

QTEST_GUILESS_MAIN(UpdateQueryTest)
#include "tst_update_query.moc"
