// The reply reader on plain bytes: where the header block ends, the status
// code, the body, and the bounds that keep a hostile reply small.
#include <QTest>

#include "platform/core/HttpReplyReader.h"

using platform::HttpReplyReader;

namespace {

// Feeds `data` in pieces of `piece` bytes.
void FeedInPieces(HttpReplyReader& reader, const QByteArray& data, qsizetype piece) {
    for (qsizetype at = 0; at < data.size(); at += piece) reader.Feed(data.mid(at, piece));
}

}  // namespace

class HttpReplyReaderTest : public QObject {
    Q_OBJECT
private slots:
    void findsHeaderEnd_data();
    void findsHeaderEnd();
    void parsesStatusCode_data();
    void parsesStatusCode();
    void readsReplyInAnyPieces_data();
    void readsReplyInAnyPieces();
    void takesEverythingAsBodyWithoutHeaderBlock();
    void ignoresBytesAfterClose();
    void boundsHeaderBlock_data();
    void boundsHeaderBlock();
    void failsEndlessHeaderBlockWithFlatMemory();
    void boundsBody_data();
    void boundsBody();
    void keepsEndlessBodyFlat();
};

void HttpReplyReaderTest::findsHeaderEnd_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("blockLength");  // -1: no header end
    QTest::addColumn<int>("terminatorLength");
    // clang-format off
    QTest::newRow("CR LF CR LF")            << QByteArray("H\r\nA: b\r\n\r\nbody") << 7  << 4;
    QTest::newRow("LF LF")                  << QByteArray("H\nA: b\n\nbody")       << 6  << 2;
    QTest::newRow("CR CR")                  << QByteArray("H\rA: b\r\rbody")       << 6  << 2;
    // The data holds CR LF, so CR LF CR LF is searched first and wins over
    // an earlier LF LF.
    QTest::newRow("CR LF kind beats earlier LF LF") << QByteArray("H\n\nA\r\n\r\nB") << 4 << 4;
    QTest::newRow("CR LF kind, then LF LF") << QByteArray("H\r\nA\n\nB")          << 4  << 2;
    QTest::newRow("CR LF kind, then CR CR") << QByteArray("H\r\nA\r\rB")          << 4  << 2;
    QTest::newRow("LF LF before CR LF CR LF") << QByteArray("H\r\n\nB\r\n\r\n")   << 5  << 4;
    QTest::newRow("LF kind beats earlier CR CR") << QByteArray("H\r\rA\n\nB")     << 4  << 2;
    QTest::newRow("CR LF then LF")          << QByteArray("H\r\n\nB")             << 2  << 2;
    QTest::newRow("LF then CR LF")          << QByteArray("H\n\r\nB")             << -1 << 0;
    QTest::newRow("single line ends")       << QByteArray("HTTP/1.0 200 OK\r\nA: b\r\n") << -1 << 0;
    QTest::newRow("at the start")           << QByteArray("\n\ntrue")             << 0  << 2;
    QTest::newRow("empty")                  << QByteArray()                       << -1 << 0;
    // clang-format on
}

void HttpReplyReaderTest::findsHeaderEnd() {
    QFETCH(QByteArray, data);
    QFETCH(int, blockLength);
    QFETCH(int, terminatorLength);
    const auto end = HttpReplyReader::FindHeaderEnd(data);
    QCOMPARE(end.has_value(), blockLength >= 0);
    if (!end) return;
    QCOMPARE(end->blockLength, blockLength);
    QCOMPARE(end->terminatorLength, terminatorLength);
}

void HttpReplyReaderTest::parsesStatusCode_data() {
    QTest::addColumn<QByteArray>("headerBlock");
    QTest::addColumn<int>("status");
    // clang-format off
    QTest::newRow("200")              << QByteArray("HTTP/1.0 200 OK")                   << 200;
    QTest::newRow("404 with fields")  << QByteArray("HTTP/1.1 404 Not Found\r\nX: 1 2")  << 404;
    QTest::newRow("no reason")        << QByteArray("HTTP/1.0 500")                      << 500;
    QTest::newRow("LF lines")         << QByteArray("HTTP/1.0 401 No\nX: 9")             << 401;
    QTest::newRow("CR lines")         << QByteArray("HTTP/1.0 407 No\rX: 9")             << 407;
    QTest::newRow("one field")        << QByteArray("HTTP/1.0")                          << 0;
    QTest::newRow("empty field")      << QByteArray("HTTP/1.0  200 OK")                  << 0;
    QTest::newRow("not a number")     << QByteArray("HTTP/1.0 abc OK")                   << 0;
    QTest::newRow("too long")         << QByteArray("HTTP/1.0 99999999999999 OK")        << 0;
    QTest::newRow("empty")            << QByteArray()                                    << 0;
    // clang-format on
}

void HttpReplyReaderTest::parsesStatusCode() {
    QFETCH(QByteArray, headerBlock);
    QFETCH(int, status);
    QCOMPARE(HttpReplyReader::ParseStatusCode(headerBlock), status);
}

void HttpReplyReaderTest::readsReplyInAnyPieces_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("headerBlock");
    QTest::addColumn<QByteArray>("body");
    // clang-format off
    QTest::newRow("CR LF")  << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\ntrue")
                            << 200 << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/plain") << QByteArray("true");
    QTest::newRow("LF")     << QByteArray("HTTP/1.0 404 No\nX: y\n\ntrue") << 404 << QByteArray("HTTP/1.0 404 No\nX: y") << QByteArray("true");
    QTest::newRow("CR")     << QByteArray("HTTP/1.0 500 No\rX: y\r\rtrue") << 500 << QByteArray("HTTP/1.0 500 No\rX: y") << QByteArray("true");
    QTest::newRow("mixed")  << QByteArray("HTTP/1.0 200 OK\r\nX: y\n\ntrue") << 200 << QByteArray("HTTP/1.0 200 OK\r\nX: y") << QByteArray("true");
    // A Content-length in the reply does not end the body.
    QTest::newRow("content length ignored") << QByteArray("HTTP/1.0 200 OK\r\nContent-length: 4\r\n\r\ntrue and more")
                            << 200 << QByteArray("HTTP/1.0 200 OK\r\nContent-length: 4") << QByteArray("true and more");
    QTest::newRow("line ends kept in body") << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue\r\n\r\n")
                            << 200 << QByteArray("HTTP/1.0 200 OK") << QByteArray("true\r\n\r\n");
    QTest::newRow("empty body") << QByteArray("HTTP/1.0 204 No Content\r\n\r\n") << 204 << QByteArray("HTTP/1.0 204 No Content") << QByteArray();
    // clang-format on
}

void HttpReplyReaderTest::readsReplyInAnyPieces() {
    QFETCH(QByteArray, reply);
    QFETCH(int, status);
    QFETCH(QByteArray, headerBlock);
    QFETCH(QByteArray, body);
    for (const qsizetype piece : {qsizetype(1), qsizetype(3), qsizetype(20), reply.size()}) {
        HttpReplyReader reader;
        FeedInPieces(reader, reply, piece);
        reader.ConnectionClosed();
        QVERIFY2(reader.HeaderComplete(), qPrintable(QString::number(piece)));
        QCOMPARE(reader.StatusCode(), status);
        QCOMPARE(reader.HeaderBlock(), headerBlock);
        QCOMPARE(reader.Body(), body);
    }
}

void HttpReplyReaderTest::takesEverythingAsBodyWithoutHeaderBlock() {
    HttpReplyReader reader;
    FeedInPieces(reader, "tr", 1);
    reader.Feed("ue");
    QVERIFY(reader.Body().isEmpty());
    reader.ConnectionClosed();
    QVERIFY(!reader.HeaderComplete());
    QCOMPARE(reader.StatusCode(), 0);
    QCOMPARE(reader.Body(), QByteArray("true"));

    HttpReplyReader statusLineOnly;
    statusLineOnly.Feed("HTTP/1.0 200 OK\r\n");
    statusLineOnly.ConnectionClosed();
    QCOMPARE(statusLineOnly.Body(), QByteArray("HTTP/1.0 200 OK\r\n"));
}

void HttpReplyReaderTest::ignoresBytesAfterClose() {
    HttpReplyReader reader;
    reader.Feed("HTTP/1.0 200 OK\n\ntrue");
    reader.ConnectionClosed();
    reader.Feed("x");
    QVERIFY(reader.Stopped());
    QCOMPARE(reader.Body(), QByteArray("true"));
}

void HttpReplyReaderTest::boundsHeaderBlock_data() {
    QTest::addColumn<int>("maxHeaderBlock");
    QTest::addColumn<bool>("tooLarge");
    // "HTTP/1.0 200 OK" is 15 bytes.
    QTest::newRow("block at the limit") << 15 << false;
    QTest::newRow("block one over the limit") << 14 << true;
}

void HttpReplyReaderTest::boundsHeaderBlock() {
    QFETCH(int, maxHeaderBlock);
    QFETCH(bool, tooLarge);
    const QByteArray reply = "HTTP/1.0 200 OK\r\n\r\ntrue";
    for (const qsizetype piece : {qsizetype(1), reply.size()}) {
        HttpReplyReader reader({maxHeaderBlock, 1024});
        FeedInPieces(reader, reply, piece);
        reader.ConnectionClosed();
        QCOMPARE(reader.HeaderTooLarge(), tooLarge);
        QCOMPARE(reader.Body(), tooLarge ? QByteArray() : QByteArray("true"));
    }
}

void HttpReplyReaderTest::failsEndlessHeaderBlockWithFlatMemory() {
    const qsizetype limit = 100;
    HttpReplyReader reader({limit, 1024});
    const QByteArray line = "X-Filler: abcdefgh\r\n";
    reader.Feed("HTTP/1.0 200 OK\r\n");
    for (int i = 0; i < 100'000 && !reader.Stopped(); ++i) {
        reader.Feed(line);
        QVERIFY(reader.BufferedBytes() <= limit + 3 + line.size());
    }
    QVERIFY(reader.HeaderTooLarge());
    QVERIFY(reader.Stopped());
    QCOMPARE(reader.BufferedBytes(), 0);
    reader.ConnectionClosed();
    QVERIFY(reader.Body().isEmpty());
}

void HttpReplyReaderTest::boundsBody_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("tooLarge");
    // With a limit of 4 bytes: a longer body keeps one byte more, so it
    // never reads as a four-byte answer.
    // clang-format off
    QTest::newRow("body at the limit")   << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue")   << QByteArray("true")  << false;
    QTest::newRow("body over the limit") << QByteArray("HTTP/1.0 200 OK\r\n\r\ntrue.x") << QByteArray("true.") << true;
    QTest::newRow("no header, over")     << QByteArray("true.x")                       << QByteArray("true.") << true;
    // clang-format on
}

void HttpReplyReaderTest::boundsBody() {
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, body);
    QFETCH(bool, tooLarge);
    for (const qsizetype piece : {qsizetype(1), reply.size()}) {
        HttpReplyReader reader({1024, 4});
        FeedInPieces(reader, reply, piece);
        reader.ConnectionClosed();
        QCOMPARE(reader.Body(), body);
        QCOMPARE(reader.BodyTooLarge(), tooLarge);
    }
}

void HttpReplyReaderTest::keepsEndlessBodyFlat() {
    HttpReplyReader reader({1024, 64});
    reader.Feed("HTTP/1.0 200 OK\r\n\r\n");
    const QByteArray piece(1000, 'a');
    for (int i = 0; i < 10'000; ++i) reader.Feed(piece);
    QVERIFY(reader.BodyTooLarge());
    QVERIFY(reader.Stopped());
    QCOMPARE(reader.Body().size(), 65);
    QVERIFY(reader.BufferedBytes() <= 65 + 15);
}

QTEST_APPLESS_MAIN(HttpReplyReaderTest)
#include "tst_http_reply_reader.moc"
