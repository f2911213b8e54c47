// The outgoing request: URL splitting and the exact request bytes.
#include <QTest>

#include "platform/core/HttpRequest.h"

class HttpRequestTest : public QObject {
    Q_OBJECT
private slots:
    void splitsUrl_data();
    void splitsUrl();
    void writesPostRequest();
};

void HttpRequestTest::splitsUrl_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArray>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QByteArray>("path");
    // clang-format off
    QTest::newRow("endpoint")       << "https://update.tarnwick.example/www/ssl/check.php" << true << QByteArray("update.tarnwick.example") << 443 << QByteArray("/www/ssl/check.php");
    QTest::newRow("port named")     << "https://h:8443/x"     << true  << QByteArray("h") << 8443  << QByteArray("/x");
    QTest::newRow("port 0")         << "https://h:0/x"        << true  << QByteArray("h") << 443   << QByteArray("/x");
    QTest::newRow("port empty")     << "https://h:/x"         << true  << QByteArray("h") << 443   << QByteArray("/x");
    QTest::newRow("highest port")   << "https://h:65535"      << true  << QByteArray("h") << 65535 << QByteArray("/");
    QTest::newRow("no path")        << "https://h"            << true  << QByteArray("h") << 443   << QByteArray("/");
    QTest::newRow("root path")      << "https://h/"           << true  << QByteArray("h") << 443   << QByteArray("/");
    QTest::newRow("query kept")     << "https://h/x?q=1"      << true  << QByteArray("h") << 443   << QByteArray("/x?q=1");
    QTest::newRow("scheme ignored") << "http://h/x"           << true  << QByteArray("h") << 443   << QByteArray("/x");
    QTest::newRow("no scheme")      << "h/x"                  << false << QByteArray()    << 0     << QByteArray();
    QTest::newRow("empty host")     << "https:///x"           << false << QByteArray()    << 0     << QByteArray();
    QTest::newRow("port too big")   << "https://h:65536/x"    << false << QByteArray()    << 0     << QByteArray();
    QTest::newRow("port too long")  << "https://h:000443/x"   << false << QByteArray()    << 0     << QByteArray();
    QTest::newRow("port not digits")<< "https://h:12a/x"      << false << QByteArray()    << 0     << QByteArray();
    QTest::newRow("negative port")  << "https://h:-1/x"       << false << QByteArray()    << 0     << QByteArray();
    QTest::newRow("space in path")  << "https://h/a b"        << false << QByteArray()    << 0     << QByteArray();
    QTest::newRow("line in path")   << "https://h/a\r\nX: y"  << false << QByteArray()    << 0     << QByteArray();
    QTest::newRow("line in host")   << "https://h\r\nX: y/a"  << false << QByteArray()    << 0     << QByteArray();
    QTest::newRow("non-ASCII host") << "https://h\u00e9/a"    << false << QByteArray()    << 0     << QByteArray();
    // clang-format on
}

void HttpRequestTest::splitsUrl() {
    QFETCH(QString, url);
    QFETCH(bool, valid);
    const auto parts = platform::SplitUrl(url, 443);
    QCOMPARE(parts.has_value(), valid);
    if (!parts) return;
    QFETCH(QByteArray, host);
    QFETCH(int, port);
    QFETCH(QByteArray, path);
    QCOMPARE(parts->host, host);
    QCOMPARE(int(parts->port), port);
    QCOMPARE(parts->path, path);
}

void HttpRequestTest::writesPostRequest() {
    platform::Dictionary headers;
    headers.SetValue("Accept", "*/*");
    headers.SetValue("Host", "h");
    QCOMPARE(platform::BuildPostRequest("/p", headers, "a=1"),
             QByteArray("POST /p HTTP/1.0\r\nAccept: */*\r\nHost: h\r\n\r\na=1"));
    QCOMPARE(platform::BuildPostRequest("/", platform::Dictionary(), QByteArray()),
             QByteArray("POST / HTTP/1.0\r\n\r\n"));
}

QTEST_APPLESS_MAIN(HttpRequestTest)
#include "tst_http_request.moc"
