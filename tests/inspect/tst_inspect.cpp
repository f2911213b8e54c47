// The record stage on crafted documents: which chunk it reads the record
// from, what the record gives, and how often it yields, up to a 5 GiB
// document whose record lies past 4 GiB.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

#include "inspect/Header.h"
#include "inspect/SubVersionRecord.h"
#include "support/CraftedDocument.h"

using inspect::Edition;
using namespace testsupport;

Q_DECLARE_METATYPE(inspect::Edition)

class InspectTest : public QObject {
    Q_OBJECT
    // On tmpfs the holes of the sparse documents read from the zero page.
    QTemporaryDir dir_{QDir("/dev/shm").exists() ? "/dev/shm/tst_inspect_XXXXXX"
                                                 : QDir::tempPath() + "/tst_inspect_XXXXXX"};

private slots:
    void record_data();
    void record();
};

void InspectTest::record_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("subVersion");
    QTest::addColumn<Edition>("edition");
    QTest::addColumn<int>("yields");
    const auto c = ChunkOffset;
    const auto row = [this](const char* name, Order order, quint8 release, quint64 size,
                            const QList<ByteRun>& runs) -> QTestData& {
        return QTest::newRow(name)
               << WriteDocument(dir_.filePath(name), size, HeaderRuns(order, release) + runs);
    };
    const quint64 past4GiB = (quint64{4} << 30) + 123457;
    // clang-format off
    row("big CS, record ending chunk 0", Order::Big, 3, c(2), {{c(0), RecordChunk(Order::Big, 3, 0, "3.0.0.424")}}) << QByteArray("3.0.0.424") << Edition::Macintosh << 0;
    row("little CS4, first 9 bytes", Order::Little, 6, c(1), {{c(0), RecordChunk(Order::Little, 6, 1, "6.0.6.622xyz")}}) << QByteArray("6.0.6.622") << Edition::Windows << 0;
    row("big CS5, edition byte 0x02", Order::Big, 7, c(1), {{c(0), RecordChunk(Order::Big, 7, 2, "7.0.4.553")}}) << QByteArray("7.0.4.553") << Edition::NotUnderstood << 0;
    row("little CS2, Macintosh", Order::Little, 4, c(1), {{c(0), RecordChunk(Order::Little, 4, 0, "4.0.5.688")}}) << QByteArray("4.0.5.688") << Edition::Macintosh << 0;
    row("document ending at the search start", Order::Little, 6, c(0), {}) << QByteArray() << Edition::NotUnderstood << 1;
    row("straddling marker: last chunk", Order::Big, 5, c(3), {{c(1) - 3, Marker(Order::Big, 5)}, {c(3) - 25, Record(Order::Big, 1, "5.0.4.682")}}) << QByteArray("5.0.4.682") << Edition::Windows << 3;
    row("marker in the last, short chunk", Order::Little, 3, c(2) + 100, {{c(2), Marker(Order::Little, 3) + Record(Order::Little, 0, "3.0.0.424")}}) << QByteArray("3.0.0.424") << Edition::Macintosh << 2;
    // No separator: the chunk's first 9 bytes, and the edition byte 11 bytes before its end.
    row("marker ending the document, no separator", Order::Big, 4, c(1), {{c(0), "4.0.5.688"}, {c(1) - 12, "\x01"}, {c(1) - 7, Marker(Order::Big, 4)}}) << QByteArray("4.0.5.688") << Edition::Windows << 0;
    row("marker in chunk 40", Order::Big, 4, c(45), {{c(40), RecordChunk(Order::Big, 4, 0, "4.0.5.688")}}) << QByteArray("4.0.5.688") << Edition::Macintosh << 40;
    row("5 GiB, marker past 4 GiB", Order::Big, 6, quint64{5} << 30, {{past4GiB, Marker(Order::Big, 6) + Record(Order::Big, 1, "8.0.1.234")}}) << QByteArray("8.0.1.234") << Edition::Windows << int((past4GiB - 53248) / 4096);
    // clang-format on
}

void InspectTest::record() {
    QFETCH(QString, path);
    QFETCH(QByteArray, subVersion);
    QFETCH(Edition, edition);
    QFETCH(int, yields);
    const auto stream = platform::BinaryStream::OpenForReading(path);
    QVERIFY(stream);
    const inspect::Header header = inspect::ReadHeader(*stream);
    int yielded = 0;
    // A runaway search fails the row at once rather than at the time limit.
    const auto yield = [&] {
        if (++yielded > yields) throw std::runtime_error("more chunks than expected");
    };
    inspect::SubVersionRecord record;
    try {
        record = inspect::ReadSubVersionRecord(*stream, header, yield);
    } catch (const std::runtime_error& error) {
        QFAIL(error.what());
    }
    QCOMPARE(record.fieldCount == 0, subVersion.isEmpty());
    QCOMPARE(record.subVersion, subVersion);
    QCOMPARE(record.edition, edition);
    QCOMPARE(yielded, yields);
}

QTEST_GUILESS_MAIN(InspectTest)
#include "tst_inspect.moc"
