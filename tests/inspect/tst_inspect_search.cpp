// The chunk search: where it starts, which chunk it returns (first wholly
// containing the marker, else the last read), how often it yields, and that
// it reaches past 4 GiB.
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "inspect/ChunkSearch.h"
#include "inspect/Inspection.h"
#include "inspect/MarkerScan.h"
#include "support/CraftedDocument.h"

using testsupport::ChunkOffset;
using testsupport::CraftedDocument;
using testsupport::Order;

Q_DECLARE_METATYPE(testsupport::Order)

namespace {

constexpr qint64 kNoChunk = -1;

QByteArray FileBytes(const QString& path, qint64 offset, qint64 length) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset)) return {};
    return file.read(length);
}

// Runs the search over a document and counts the yields.
struct SearchRun {
    QByteArray chunk;
    int yields = 0;
    quint64 positionAfter = 0;
    QByteArray readAfterwards;  // proves the stream is left open
};

SearchRun Search(const QString& path, const QByteArray& marker, quint64 searchStart) {
    SearchRun run;
    const auto stream = platform::BinaryStream::OpenForReading(path);
    if (!stream) return run;
    run.chunk = inspect::FindMarkerChunk(
        *stream, marker, [&run] { ++run.yields; }, searchStart);
    run.positionAfter = stream->Position();
    stream->SetPosition(0);
    run.readAfterwards = stream->Read(1);
    return run;
}

}  // namespace

class TestInspectSearch : public QObject {
    Q_OBJECT

private slots:
    void findsChunk_data();
    void findsChunk();
    void otherSearchStart();
    void scanAgreesWithChunkByChunkSearch();
    void markerPastFourGiB();
};

void TestInspectSearch::findsChunk_data() {
    QTest::addColumn<Order>("order");
    QTest::addColumn<bool>("release3");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QList<qint64>>("markerOffsets");
    QTest::addColumn<qint64>("chunkOffset");  // of the chunk expected, kNoChunk for none
    QTest::addColumn<int>("yields");

    const auto c = [](quint64 k) { return static_cast<qint64>(ChunkOffset(k)); };
    const qint64 m = 7;  // length of the release-4-to-7 marker
    for (const Order order : {Order::Big, Order::Little}) {
        for (const bool release3 : {false, true}) {
            const QByteArray tag = QByteArray(order == Order::Big ? "big " : "little ") +
                                   (release3 ? "release-3 " : "release-4-to-7 ");
            const auto row = [&](const char* name) -> QTestData& {
                return QTest::newRow((tag + name).constData()) << order << release3;
            };
            row("empty document") << qint64(0) << QList<qint64>{} << kNoChunk << 1;
            row("document shorter than the search start")
                << qint64(1000) << QList<qint64>{100} << kNoChunk << 1;
            row("document ending at the search start")
                << c(0) << QList<qint64>{c(0) - 20} << kNoChunk << 1;
            row("marker straddling the search start")
                << c(2) << QList<qint64>{c(0) - 2} << c(1) << 2;
            row("marker in the first chunk") << c(3) << QList<qint64>{c(0) + 100} << c(0) << 0;
            row("marker at a chunk's first byte") << c(3) << QList<qint64>{c(1)} << c(1) << 1;
            row("marker ending at a chunk's last byte")
                << c(3) << QList<qint64>{c(2) - m} << c(1) << 1;
            row("marker straddling two chunks, none else: last chunk")
                << c(3) << QList<qint64>{c(1) - 3} << c(2) << 3;
            row("straddling marker skipped, next whole one found")
                << c(4) << QList<qint64>{c(1) - 3, c(2) + 5} << c(2) << 2;
            row("first of two chunks with the marker")
                << c(5) << QList<qint64>{c(1) + 9, c(3) + 9} << c(1) << 1;
            row("marker in the last, short chunk")
                << c(2) + 100 << QList<qint64>{c(2) + 50} << c(2) << 2;
            row("marker in the last full chunk ending the file")
                << c(3) << QList<qint64>{c(2) + 50} << c(2) << 2;
            row("no marker, last chunk full") << c(3) << QList<qint64>{} << c(2) << 3;
            row("no marker, last chunk short") << c(2) + 10 << QList<qint64>{} << c(2) << 3;
            row("no marker, last chunk of one byte") << c(1) + 1 << QList<qint64>{} << c(1) << 2;
            // Far enough for the reader to need several reads of the file.
            row("marker straddling chunks 31 and 32")
                << c(34) << QList<qint64>{c(32) - 2} << c(33) << 34;
            row("marker in chunk 32") << c(40) << QList<qint64>{c(32) + 5} << c(32) << 32;
            row("marker in chunk 95") << c(100) << QList<qint64>{c(95) + 4000} << c(95) << 95;
            row("no marker, file ending after 32 chunks")
                << c(32) << QList<qint64>{} << c(31) << 32;
            row("no marker, file ending after 64 chunks and 1 byte")
                << c(64) + 1 << QList<qint64>{} << c(64) << 65;
        }
    }
}

void TestInspectSearch::findsChunk() {
    QFETCH(Order, order);
    QFETCH(bool, release3);
    QFETCH(qint64, size);
    QFETCH(QList<qint64>, markerOffsets);
    QFETCH(qint64, chunkOffset);
    QFETCH(int, yields);

    const QByteArray marker =
        release3 ? testsupport::Release3Marker(order) : testsupport::Release4to7Marker(order);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CraftedDocument doc;
    doc.noHeader = true;
    doc.size = static_cast<quint64>(size);
    // A distinct tag inside every chunk, so returning the wrong chunk shows.
    for (quint64 k = 0; ChunkOffset(k) + 1000 < doc.size; ++k) {
        doc.runs.append({ChunkOffset(k) + 1000, "chunk " + QByteArray::number(k)});
    }
    for (const qint64 at : markerOffsets) doc.runs.append({static_cast<quint64>(at), marker});
    const QString path = testsupport::WriteCraftedDocument(dir.path(), doc);
    QCOMPARE(QFileInfo(path).size(), size);

    const SearchRun run = Search(path, marker, testsupport::kSearchStart);
    if (chunkOffset == kNoChunk) {
        QVERIFY(run.chunk.isEmpty());
    } else {
        const QByteArray expected = FileBytes(path, chunkOffset, 4096);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(run.chunk.size(), expected.size());
        QVERIFY(run.chunk == expected);
        // Nothing is read beyond the chunk returned.
        QCOMPARE(run.positionAfter, static_cast<quint64>(chunkOffset + expected.size()));
    }
    QCOMPARE(run.yields, yields);
    QCOMPARE(run.readAfterwards.size(), size > 0 ? 1 : 0);
}

void TestInspectSearch::otherSearchStart() {
    // The search start is a parameter (the fuzzer uses a small one).
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray marker = testsupport::Release4to7Marker(Order::Little);
    CraftedDocument doc;
    doc.noHeader = true;
    doc.size = 64 + 3 * 4096;
    // Straddles chunks 0 and 1 as counted from 64; whole in chunk 2.
    doc.runs = {{64 + 4096 - 3, marker}, {64 + 2 * 4096 + 1, marker}};
    const QString path = testsupport::WriteCraftedDocument(dir.path(), doc);
    const SearchRun run = Search(path, marker, 64);
    QCOMPARE(run.yields, 2);
    QVERIFY(run.chunk == FileBytes(path, 64 + 2 * 4096, 4096));
}

void TestInspectSearch::scanAgreesWithChunkByChunkSearch() {
    // The reader scans many chunks at once; it must pick the chunk that a
    // chunk-by-chunk InStrB picks. Random windows over a small alphabet,
    // with markers planted at random places, many straddling.
    QRandomGenerator random(20240601);
    for (int round = 0; round < 4000; ++round) {
        const qsizetype chunkSize = 1 + random.bounded(40);
        QByteArray window(random.bounded(600), Qt::Uninitialized);
        for (char& byte : window) byte = static_cast<char>("ab\x09\x40"[random.bounded(4)]);
        const QByteArray marker =
            round % 2 == 0
                ? testsupport::Release3Marker(round % 4 == 0 ? Order::Big : Order::Little)
                : QByteArray("ab\x09").left(1 + random.bounded(3));
        for (int planted = random.bounded(3); planted > 0 && window.size() > marker.size();
             --planted) {
            window.replace(random.bounded(window.size() - marker.size()), marker.size(), marker);
        }
        qsizetype expectedChunk = -1;
        for (qsizetype at = 0, chunk = 0; at < window.size(); at += chunkSize, ++chunk) {
            if (platform::InStrB(0, window.mid(at, chunkSize), marker) > 0) {
                expectedChunk = chunk;
                break;
            }
        }
        const qsizetype found = inspect::FindWholeMarker(window, marker, chunkSize);
        QCOMPARE(found < 0 ? -1 : found / chunkSize, expectedChunk);
        if (found >= 0) QCOMPARE(window.mid(found, marker.size()), marker);

        const qsizetype from = random.bounded(window.size() + 2);
        QCOMPARE(inspect::FindBytes(window, from, marker), window.indexOf(marker, from));
    }
}

void TestInspectSearch::markerPastFourGiB() {
    // A sparse document of 5 GiB: only the header and the record are data,
    // the holes read as zeros without touching the disk. A 32-bit position
    // would wrap at 2 GiB and never get there.
    const quint64 gib = quint64{1} << 30;
    const quint64 size = 5 * gib;
    const quint64 markerAt = 4 * gib + 123457;
    const quint64 k = (markerAt - testsupport::kSearchStart) / testsupport::kChunkSize;
    QVERIFY(ChunkOffset(k) > 4 * gib);

    // On tmpfs a hole reads from the shared zero page; on a disk file system
    // the kernel fills page-cache pages with zeros, several times slower.
    QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/tst_inspect_XXXXXX")
                                                : QDir::tempPath() + "/tst_inspect_XXXXXX");
    QVERIFY(dir.isValid());
    const QByteArray marker = testsupport::Release4to7Marker(Order::Big);
    CraftedDocument doc;
    doc.order = Order::Big;
    doc.releaseByte = 0x06;
    doc.size = size;
    doc.runs = {{markerAt, marker + testsupport::SubVersionRecord(Order::Big, 0x01, "8.0.1.234")}};
    const QString path = testsupport::WriteCraftedDocument(dir.path(), doc);
    QCOMPARE(static_cast<quint64>(QFileInfo(path).size()), size);

    QElapsedTimer timer;
    timer.start();
    int yields = 0;
    const inspect::Inspection result =
        inspect::InspectFile(path, inspect::kSearchStart, [&yields] { ++yields; });
    qInfo("searched %llu chunks of a 5 GiB sparse document in %lld ms",
          static_cast<unsigned long long>(k + 1), static_cast<long long>(timer.elapsed()));
    // Chunk k, the one holding the marker, is the first not to yield, and
    // the record read is the one placed there.
    QCOMPARE(yields, static_cast<int>(k));
    QCOMPARE(result.release, inspect::Release::CS4);
    QCOMPARE(result.subVersion, QByteArray("8.0.1.234"));
    QCOMPARE(result.edition, inspect::Edition::Windows);
}

QTEST_GUILESS_MAIN(TestInspectSearch)
#include "tst_inspect_search.moc"
