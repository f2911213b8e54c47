// The framework's byte functions, file streams and property lists, where
// their faults would reach a user: 1-based positions and the ends of a
// text, files that must not be opened or must not block, far positions,
// and lists that stop at an entry they cannot read.
#include <sys/stat.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/core/BinaryStream.h"
#include "platform/core/ByteString.h"
#include "platform/core/HttpReplyReader.h"
#include "platform/core/HttpRequest.h"
#include "platform/widgets/EventDispatch.h"
#include "platform/widgets/PropertyList.h"
#include "platform/widgets/Quit.h"

using namespace platform;

class PlatformTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void byteFunctions_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("expected");
        // Row names start with the function; `n` is the position, start or
        // field index, numbers come back as decimal text.
        // clang-format off
        QTest::newRow("MidB last byte")         << QByteArray("abc") << QByteArray() << 3  << 1 << QByteArray("c");
        QTest::newRow("MidB past the end")      << QByteArray("abc") << QByteArray() << 4  << 1 << QByteArray();
        QTest::newRow("MidB count past the end") << QByteArray("abc") << QByteArray() << 2 << 9 << QByteArray("bc");
        QTest::newRow("MidB position 0")        << QByteArray("abc") << QByteArray() << 0  << 2 << QByteArray();
        QTest::newRow("MidB negative position") << QByteArray("abc") << QByteArray() << -5 << 9 << QByteArray();
        QTest::newRow("LeftB past the end")     << QByteArray("abc") << QByteArray() << 0  << 9 << QByteArray("abc");
        QTest::newRow("InStrB start 0")         << QByteArray("xyz") << QByteArray("x") << 0 << 0 << QByteArray("1");
        QTest::newRow("InStrB 1-based")         << QByteArray("ab\t@cd") << QByteArray("\t@") << 0 << 0 << QByteArray("3");
        QTest::newRow("InStrB later start")     << QByteArray("abab") << QByteArray("ab") << 3 << 0 << QByteArray("3");
        QTest::newRow("InStrB high bytes")      << QByteArray("\x4E\x0E\x66\x6A\x30\xE6\x30") << QByteArray("\xE6\x30") << 0 << 0 << QByteArray("6");
        QTest::newRow("InStrB absent")          << QByteArray("abc") << QByteArray("d") << 0 << 0 << QByteArray("0");
        QTest::newRow("CountFields empty")      << QByteArray()      << QByteArray("@") << 0 << 0 << QByteArray("0");
        QTest::newRow("CountFields both ends")  << QByteArray("@a@") << QByteArray("@") << 0 << 0 << QByteArray("3");
        QTest::newRow("CountFields no overlap") << QByteArray("aaa") << QByteArray("aa") << 0 << 0 << QByteArray("2");
        QTest::newRow("NthField 1-based")       << QByteArray("a@\tb@\tc") << QByteArray("@\t") << 2 << 0 << QByteArray("b");
        QTest::newRow("NthField last")          << QByteArray("a@\tb@\tc") << QByteArray("@\t") << 3 << 0 << QByteArray("c");
        QTest::newRow("NthField beyond the end") << QByteArray("a@b") << QByteArray("@") << 3 << 0 << QByteArray();
        QTest::newRow("NthField 0")             << QByteArray("a@b") << QByteArray("@") << 0 << 0 << QByteArray();
        QTest::newRow("Chr one raw byte")       << QByteArray() << QByteArray() << 0xE6 << 0 << QByteArray("\xE6");
        // clang-format on
    }

    void byteFunctions() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, other);
        QFETCH(int, n);
        QFETCH(int, count);
        QFETCH(QByteArray, expected);
        const QByteArray name = QTest::currentDataTag();
        const QByteArray got = name.startsWith("MidB")          ? MidB(text, n, count)
                               : name.startsWith("LeftB")       ? LeftB(text, count)
                               : name.startsWith("InStrB")      ? Str(InStrB(n, text, other))
                               : name.startsWith("CountFields") ? Str(CountFields(text, other))
                               : name.startsWith("NthField")    ? NthField(text, other, n)
                                                                : Chr(n);
        QCOMPARE(got, expected);
    }

    void readsAtFarPositions() {
        // Sparse: past 4 GiB without taking the space.
        QFile file(dir_.filePath("far"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.seek(5'000'000'000) &&
                file.write("xyz") == 3);
        file.close();
        QVERIFY(QFile::link(file.fileName(), dir_.filePath("link")));
        auto stream = BinaryStream::OpenForReading(dir_.filePath("link"));
        QVERIFY(stream);
        QCOMPARE(stream->Read(2), QByteArray(2, '\0'));
        stream->SetPosition(4'999'999'999);
        QCOMPARE(stream->Read(9), QByteArray("\0xyz", 4));
        QCOMPARE(stream->Position(), quint64(5'000'000'003));
        QVERIFY(stream->Eof());
    }

    void refusesWhatIsNotARegularFile_data() {
        QTest::addColumn<QString>("path");
        const QString fifo = dir_.filePath("fifo");
        ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
        QFile::link(dir_.filePath("loopB"), dir_.filePath("loopA"));
        QFile::link(dir_.filePath("loopA"), dir_.filePath("loopB"));
        QFile::link(dir_.filePath("nowhere"), dir_.filePath("dangling"));
        QTest::newRow("folder") << dir_.path();
        QTest::newRow("FIFO with no writer") << fifo;
        QTest::newRow("/dev/zero") << "/dev/zero";
        QTest::newRow("/dev/urandom") << "/dev/urandom";
        QTest::newRow("link loop") << dir_.filePath("loopA");
        QTest::newRow("dangling link") << dir_.filePath("dangling");
        QTest::newRow("empty path") << QString();
    }

    void refusesWhatIsNotARegularFile() {
        QFETCH(QString, path);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!BinaryStream::OpenForReading(path));
        QVERIFY(clock.elapsed() < 1000);
    }

    void decodingStopsAtUnreadableEntry_data() {
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("ends inside an integer") << QByteArray("Height \x00\x01", 9);
        QTest::newRow("text longer than the list") << QByteArray("Title \x00\x00\x01\x00xyz", 13);
        QTest::newRow("unknown name") << QByteArray("Sparkle \x01Width \x00\x00\x00\x07", 20);
        QTest::newRow("no separator") << QByteArray("Width");
    }

    void decodingStopsAtUnreadableEntry() {
        QFETCH(QByteArray, tail);
        // "Width" 5 then "Text" "abc", written out by hand.
        const QByteArray good(
            "Width \x00\x00\x00\x05Text \x00\x00\x00\x03"
            "abc",
            22);
        const auto entries = DecodePropertyList(good + tail);
        QCOMPARE(entries.size(), size_t(2));
        QCOMPARE(AsInteger(entries[0].value), 5);
        QCOMPARE(AsText(entries[1].value), QByteArray("abc"));
    }

    void nothingRunsOnceQuitting() {
        Quit(0);
        bool ran = false;
        Dispatch([&ran] { ran = true; });
        const bool leaving = QuitAnnounced();  // and takes no documents from other launches
        ResetQuitRequest();
        QVERIFY(!ran && leaving);
    }

    void urlIsSplitOrRefused_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QByteArray>("parts");  // host, port and path; empty: refused
        // clang-format off
        QTest::newRow("no path")          << "https://h.example"         << QByteArray("h.example 443 /");
        QTest::newRow("port, no path")    << "https://h.example:8443"    << QByteArray("h.example 8443 /");
        QTest::newRow("empty port")       << "https://h.example:/a?b=1"  << QByteArray("h.example 443 /a?b=1");
        QTest::newRow("space in path")    << "https://h.example/a b"     << QByteArray();
        QTest::newRow("space in host")    << "https://h .example/a"      << QByteArray();
        QTest::newRow("line end in path") << "https://h.example/a\r\nX: y" << QByteArray();
        QTest::newRow("port past 65535")  << "https://h.example:65536/"  << QByteArray();
        QTest::newRow("no host")          << "https://:443/"             << QByteArray();
        // clang-format on
    }

    void urlIsSplitOrRefused() {
        QFETCH(QString, url);
        QFETCH(QByteArray, parts);
        const auto split = SplitUrl(url, 443);
        QCOMPARE(split ? split->host + ' ' + Str(split->port) + ' ' + split->path : QByteArray(),
                 parts);
    }

    void headerLimitHoldsAtItsEdge_data() {
        QTest::addColumn<int>("blockLength");
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("at the limit, CR LF") << 64 << QByteArray("\r\n");
        QTest::newRow("one past, CR LF") << 65 << QByteArray("\r\n");
        QTest::newRow("at the limit, LF") << 64 << QByteArray("\n");
        QTest::newRow("one past, LF") << 65 << QByteArray("\n");
    }

    // A header block as long as the limit allows is taken, one byte longer is
    // not, however its closing blank line is cut up on the way.
    void headerLimitHoldsAtItsEdge() {
        QFETCH(int, blockLength);
        QFETCH(QByteArray, lineEnd);
        QByteArray block = "HTTP/1.0 200 OK" + lineEnd + "X: ";
        block += QByteArray(blockLength - block.size(), 'a');
        const QByteArray reply = block + lineEnd + lineEnd + "true";
        HttpReplyReader reader({.maxHeaderBlock = 64});
        for (const char byte : reply) reader.Feed(QByteArrayView(&byte, 1));
        reader.ConnectionClosed();
        const bool taken = blockLength <= 64;
        QCOMPARE(reader.HeaderTooLarge(), !taken);
        QCOMPARE(reader.StatusCode(), taken ? 200 : 0);
        QCOMPARE(reader.Body(), taken ? QByteArray("true") : QByteArray());
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
