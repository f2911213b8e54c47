// The real start-up update query against a TLS server on 127.0.0.1: the
// bytes the server receives, which answers mean yes, which servers are
// refused, and the bounds that end a silent or hostile server.
#include <QElapsedTimer>
#include <QTest>

#include "TlsTestServer.h"
#include "app/Class1.h"
#include "platform/widgets/Window.h"

class UpdateQueryTest : public QObject {
    Q_OBJECT
    Class1 app_;
    QElapsedTimer clock_;

    // The program's object, asking `server` and trusting the test authority.
    void PointAt(const TlsTestServer& server) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.addCaCertificate(TlsTestServer::Authority());
        // Old protocols are then refused by the client's floor alone.
        ssl.setBackendConfigurationOption("CipherString", "DEFAULT:@SECLEVEL=0");
        // Every query here ends well within the inactivity limit, unless the
        // client fails to see the server's close or a failure.
        app_.updateEndpoint = {server.Url(), ssl, {.inactivitySeconds = 6}};
        clock_.start();
    }

private slots:
    void initTestCase() {
        QVERIFY(TlsTestServer::MakeCertificates());
        platform::RuntimeRegisterAppObject(&app_);
    }

    void cleanup() {
        QVERIFY2(clock_.elapsed() < 5000, qPrintable(QString::number(clock_.elapsed())));
    }

    void openEventAsksAndShowsNotice_data() {
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("bug");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("lengthAndBody");
        QTest::addColumn<bool>("shown");
        // clang-format off
        QTest::newRow("1.2.0, true")   << 2  << 0  << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue")  << QByteArray("36\r\n\r\napp%5Fid=3&ver=120&regi=Unregistered")  << true;
        QTest::newRow("1.2.10, false") << 2  << 10 << QByteArray("HTTP/1.0 200 OK\r\n\r\nfalse") << QByteArray("37\r\n\r\napp%5Fid=3&ver=1210&regi=Unregistered") << false;
        QTest::newRow("1.21.0, empty") << 21 << 0  << QByteArray("HTTP/1.0 200 OK\r\n\r\n")      << QByteArray("37\r\n\r\napp%5Fid=3&ver=1210&regi=Unregistered") << false;
        // clang-format on
    }

    void openEventAsksAndShowsNotice() {
        QFETCH(int, minor);
        QFETCH(int, bug);
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, lengthAndBody);
        QFETCH(bool, shown);
        platform::SetBundleInfo({"Tarnwick", 1, minor, bug, "1"});
        const TlsTestServer server({reply});
        PointAt(server);
        app_.Event_Open();
        auto* notice = platform::GetImplicitWindow("UpdateWin.UpdateWin");
        const bool visible = notice != nullptr && notice->isVisible();
        delete notice;
        QCOMPARE(server.Received(),
                 "POST /www/ssl/check.php HTTP/1.0\r\n"
                 "Accept: */*\r\n"
                 "Accept-Language: en\r\n"
                 "Host: localhost\r\n"
                 "Content-type: application/x-www-form-urlencoded\r\n"
                 "Content-length: " +
                     lengthAndBody);
        QCOMPARE(visible, shown);
    }

    void sendsArgumentsEscaped_data() {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("the program's") << QByteArrayList{"3", "120", "Unregistered"}
                                       << QByteArray("app%5Fid=3&ver=120&regi=Unregistered");
        // Every escaped character in order, "+" before spaces, and what passes.
        QTest::newRow("escapes") << QByteArrayList{"%&=,/\\][{}`~-_()*^$#!+;<>\r\n", " a + b ",
                                                   "Az09.?@:'\"|\t\xE3\x81\x82"}
                                 << QByteArray(
                                        "app%5Fid=%25%26%3D%2C%2F%5C%5D%5B%7B%7D%60%7E%2D%5F%"
                                        "28%29%2A%5E%24%23%21%2B%3B%3C%3E%0D%0A&ver=+a+%2B+b+&"
                                        "regi=Az09.?@:'\"|\t\xE3\x81\x82");
    }

    void sendsArgumentsEscaped() {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QByteArray, body);
        const TlsTestServer server({"HTTP/1.0 200 OK\r\n\r\ntrue"});
        PointAt(server);
        QVERIFY(app_.UpdateCheck(arguments[0], arguments[1], arguments[2]));
        QVERIFY2(server.Received().endsWith("\r\n\r\n" + body), server.Received());
        QVERIFY(
            server.Received().contains("\r\nContent-length: " + QByteArray::number(body.size())));
    }

    void answersYesOnlyToTrue_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("yes");
        // clang-format off
        QTest::newRow("true")            << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue")     << true;
        QTest::newRow("404 true")        << QByteArray("HTTP/1.0 404 Not Found\r\nContent-Type: text/plain\r\n\r\ntrue") << true;
        QTest::newRow("true CR LF")      << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue\r\n")  << false;
        QTest::newRow("true space")      << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue ")     << false;
        QTest::newRow("True")            << QByteArray("HTTP/1.0 200 OK\r\n\r\nTrue")     << false;
        QTest::newRow("nothing at all")  << QByteArray()                                  << false;
        QTest::newRow("Content-length does not end it") << QByteArray("HTTP/1.0 200 OK\r\nContent-length: 4\r\n\r\ntrue and more") << false;
        QTest::newRow("longer than the body bound") << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue" + QByteArray(1100, ' ')) << false;
        // Which doubled line end closes the header block: the data's own kind
        // first, then LF LF, CR LF CR LF, CR CR. Short, so each arrives whole.
        QTest::newRow("LF lines")        << QByteArray("HTTP/1.0 200 OK\nA: b\n\ntrue")   << true;
        QTest::newRow("CR lines")        << QByteArray("HTTP/1.0 200 OK\rA: b\r\rtrue")   << true;
        QTest::newRow("CR LF kind first") << QByteArray("HTTP/1.0\n\nA\r\n\r\ntrue") << true;
        QTest::newRow("LF LF before CR CR") << QByteArray("HTTP/1.0\r\rA\n\ntrue") << true;
        QTest::newRow("then LF LF")      << QByteArray("HTTP/1.0 200 OK\r\nA: b\n\ntrue") << true;
        // Closed before a whole header block: every byte is body.
        QTest::newRow("no header block") << QByteArray("true")                           << true;
        // clang-format on
    }

    void answersYesOnlyToTrue() {
        QFETCH(QByteArray, reply);
        QFETCH(bool, yes);
        const TlsTestServer server({reply});
        PointAt(server);
        QCOMPARE(app_.UpdateCheck("3", "120", "Unregistered"), yes);
    }

    void refusesServer_data() {
        QTest::addColumn<QString>("certificate");
        QTest::addColumn<int>("protocol");
        QTest::addColumn<bool>("accepted");
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        // The first row shows that the others fail for their own fault alone.
        QTest::newRow("trusted") << "trusted" << int(QSsl::TlsV1_2OrLater) << true;
        QTest::newRow("self-signed") << "selfsigned" << int(QSsl::TlsV1_2OrLater) << false;
        QTest::newRow("other host") << "wronghost" << int(QSsl::TlsV1_2OrLater) << false;
        QTest::newRow("TLS 1.1 only") << "trusted" << int(QSsl::TlsV1_1) << false;
        QTest::newRow("TLS 1.0 only") << "trusted" << int(QSsl::TlsV1_0) << false;
        QT_WARNING_POP
    }

    void refusesServer() {
        QFETCH(QString, certificate);
        QFETCH(int, protocol);
        QFETCH(bool, accepted);
        const TlsTestServer server({"HTTP/1.0 200 OK\r\n\r\ntrue"}, certificate,
                                   QSsl::SslProtocol(protocol));
        PointAt(server);
        QCOMPARE(app_.UpdateCheck("3", "120", "Unregistered"), accepted);
        QCOMPARE(server.Received().isEmpty(), !accepted);
    }

    void endsWithinBound_data() {
        QTest::addColumn<QString>("certificate");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("endless");
        QTest::addColumn<bool>("trickle");
        QTest::addColumn<int>("inactivitySeconds");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        QTest::addColumn<bool>("yes");
        const QByteArray head = "HTTP/1.0 200 OK\r\n\r\n";
        // The inactivity limit in seconds, as the program gives it; Qt's timers
        // may fire up to 5 % early. The whole exchange is capped at 3 s here.
        // clang-format off
        QTest::newRow("silent during TLS")     << "none"    << QByteArray()       << QByteArray()          << false << 1   << 950  << 1900 << false;
        QTest::newRow("true, left open")       << "trusted" << head + "true"      << QByteArray()          << false << 1   << 950  << 1900 << true;
        // Header bytes are no progress.
        QTest::newRow("trickled header block") << "trusted" << QByteArray()       << QByteArray("X")       << true  << 1   << 950  << 1900 << false;
        // A body byte every 400 ms keeps the inactivity limit away.
        QTest::newRow("trickled body")         << "trusted" << head               << QByteArray("x")       << true  << 1   << 2850 << 4500 << false;
        QTest::newRow("endless header block")  << "trusted" << QByteArray("HTTP/1.0 200 OK\r\n") << QByteArray("X: 1\r\n") << false << 100 << 0 << 1000 << false;
        QTest::newRow("endless body")          << "trusted" << head               << QByteArray(20, 'a')   << false << 100 << 0    << 1000 << false;
        // clang-format on
    }

    void endsWithinBound() {
        QFETCH(QString, certificate);
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, endless);
        QFETCH(bool, trickle);
        QFETCH(int, inactivitySeconds);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        QFETCH(bool, yes);
        const TlsTestServer server({reply, endless, trickle, false}, certificate);
        PointAt(server);
        app_.updateEndpoint.limits.inactivitySeconds = inactivitySeconds;
        app_.updateEndpoint.limits.totalCapMs = 3000;
        QCOMPARE(app_.UpdateCheck("3", "120", "Unregistered"), yes);
        QVERIFY2(clock_.elapsed() >= minMs && clock_.elapsed() < maxMs,
                 qPrintable(QString::number(clock_.elapsed())));
    }

    void programAsksTheMakersServer() {
        const update::Endpoint program = update::ProgramEndpoint();
        const QUrl url(program.url);
        QVERIFY(url.scheme() == "https" && url.path() == "/www/ssl/check.php");
        QCOMPARE(program.limits.inactivitySeconds, 100);
        clock_.start();
    }
};

QTEST_MAIN(UpdateQueryTest)
#include "tst_update_query.moc"
