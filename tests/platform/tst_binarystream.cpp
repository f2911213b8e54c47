// Opening for reading: regular files only, never blocking; positioned reads.
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/core/BinaryStream.h"

using namespace platform;

class BinaryStreamTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void readsFromPositionAndStopsAtTheEnd();
    void refusesWhatIsNotARegularFile_data();
    void refusesWhatIsNotARegularFile();
    void followsLinksToRegularFiles();

private:
    QTemporaryDir dir_;
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
};

void BinaryStreamTest::init() { QVERIFY(dir_.isValid()); }

void BinaryStreamTest::readsFromPositionAndStopsAtTheEnd() {
    QFile file(Path("ten"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("0123456789");
    file.close();

    auto stream = BinaryStream::OpenForReading(file.fileName());
    QVERIFY(stream);
    QCOMPARE(stream->Read(4), QByteArray("0123"));
    QCOMPARE(stream->Position(), quint64(4));
    QVERIFY(!stream->Eof());
    stream->SetPosition(8);
    QCOMPARE(stream->Read(48), QByteArray("89"));
    QVERIFY(stream->Eof());
    stream->SetPosition(5000000000ULL);
    QCOMPARE(stream->Read(4096), QByteArray());
    QVERIFY(stream->Eof());
    stream->Close();
    QCOMPARE(stream->Read(1), QByteArray());
}

void BinaryStreamTest::refusesWhatIsNotARegularFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("FIFO with no writer") << "fifo";
    QTest::newRow("/dev/zero") << "zero";
    QTest::newRow("/dev/urandom") << "urandom";
    QTest::newRow("dangling link") << "dangling";
    QTest::newRow("link loop") << "loop";
    QTest::newRow("missing file") << "missing";
    QTest::newRow("empty path") << "empty";
}

void BinaryStreamTest::refusesWhatIsNotARegularFile() {
    QFETCH(QString, kind);
    QString path;
    if (kind == "folder") {
        path = dir_.path();
    } else if (kind == "fifo") {
        path = Path("fifo");
        QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
    } else if (kind == "zero") {
        path = "/dev/zero";
    } else if (kind == "urandom") {
        path = "/dev/urandom";
    } else if (kind == "dangling") {
        path = Path("dangling");
        QVERIFY(QFile::link(Path("nowhere"), path));
    } else if (kind == "loop") {
        path = Path("loopA");
        QVERIFY(QFile::link(Path("loopB"), path));
        QVERIFY(QFile::link(path, Path("loopB")));
    } else if (kind == "missing") {
        path = Path("missing");
    }
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!BinaryStream::OpenForReading(path));
    QVERIFY(timer.elapsed() < 1000);
}

void BinaryStreamTest::followsLinksToRegularFiles() {
    QFile file(Path("target"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("xyz");
    file.close();
    QVERIFY(QFile::link(file.fileName(), Path("link")));
    auto stream = BinaryStream::OpenForReading(Path("link"));
    QVERIFY(stream);
    QCOMPARE(stream->Read(10), QByteArray("xyz"));
}

QTEST_APPLESS_MAIN(BinaryStreamTest)
#include "tst_binarystream.moc"
