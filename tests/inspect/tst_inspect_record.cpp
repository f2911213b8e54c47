// The sub-version record: sub-version text, CS5.5, edition byte and
// edition, on chunks directly and on whole crafted documents in both byte
// orders.
#include <QTemporaryDir>
#include <QTest>

#include "inspect/Inspection.h"
#include "inspect/Patterns.h"
#include "inspect/SubVersionRecord.h"
#include "support/CraftedDocument.h"

using inspect::ByteOrder;
using inspect::Edition;
using inspect::Release;
using testsupport::ChunkOffset;
using testsupport::CraftedDocument;
using testsupport::Order;

Q_DECLARE_METATYPE(inspect::ByteOrder)
Q_DECLARE_METATYPE(inspect::Edition)
Q_DECLARE_METATYPE(inspect::Release)
Q_DECLARE_METATYPE(testsupport::Order)

namespace {

ByteOrder ToByteOrder(Order order) {
    return order == Order::Big ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
}

const char* Name(Order order) { return order == Order::Big ? "big" : "little"; }

QByteArray One(int value) { return QByteArray(1, static_cast<char>(value)); }

// Fields joined with the separator of `order`.
QByteArray Join(Order order, const QList<QByteArray>& fields) {
    return fields.join(testsupport::Separator(order));
}

Release ReleaseOf(int code) {
    const Release releases[] = {Release::CS, Release::CS2, Release::CS3, Release::CS4,
                                Release::CS5};
    return releases[code - 0x03];
}

}  // namespace

class TestInspectRecord : public QObject {
    Q_OBJECT

private slots:
    void subVersionOf_data();
    void subVersionOf();
    void editionByteOf_data();
    void editionByteOf();
    void editionOf_data();
    void editionOf();
    void callsForCS55_data();
    void callsForCS55();
    void wholeDocument_data();
    void wholeDocument();
    void otherMarkerNotAccepted_data();
    void otherMarkerNotAccepted();
    void chunkWithoutSeparator_data();
    void chunkWithoutSeparator();
};

void TestInspectRecord::subVersionOf_data() {
    QTest::addColumn<Order>("order");
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<QByteArray>("subVersion");
    for (const Order order : {Order::Big, Order::Little}) {
        const QByteArray other =
            testsupport::Separator(order == Order::Big ? Order::Little : Order::Big);
        QTest::addRow("%s: first 9 bytes of the last field", Name(order))
            << order << Join(order, {"head", "middle", "7.5.0.149-and-more"})
            << QByteArray("7.5.0.149");
        QTest::addRow("%s: last field shorter than 9 shown whole", Name(order))
            << order << Join(order, {"head", "6.0"}) << QByteArray("6.0");
        QTest::addRow("%s: chunk ending with a separator", Name(order))
            << order << Join(order, {"head", "7.5.0.149", ""}) << QByteArray();
        QTest::addRow("%s: no separator: chunk's first 9 bytes", Name(order))
            << order << QByteArray("abcdefghijklmnop") << QByteArray("abcdefghi");
        QTest::addRow("%s: the other order's separator does not split", Name(order))
            << order << QByteArray("ab" + other + "cdefghijk")
            << QByteArray("ab" + other + "cdefg");
        QTest::addRow("%s: bytes kept raw", Name(order))
            << order
            << Join(order, {"x", QByteArray("\x00\xff\xe6"
                                            "5abcdefgh",
                                            12)})
            << QByteArray(
                   "\x00\xff\xe6"
                   "5abcde",
                   9);
    }
}

void TestInspectRecord::subVersionOf() {
    QFETCH(Order, order);
    QFETCH(QByteArray, chunk);
    QFETCH(QByteArray, subVersion);
    QCOMPARE(inspect::SubVersionOf(chunk, testsupport::Separator(order)), subVersion);
}

void TestInspectRecord::editionByteOf_data() {
    QTest::addColumn<Order>("order");
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<QByteArray>("editionByte");
    for (const Order order : {Order::Big, Order::Little}) {
        const qsizetype trailer = testsupport::TrailerLength(order);
        const QByteArray rest(trailer, 'r');
        // The byte just before the second-to-last field is 0x01, so a reader
        // that strayed before the field would report Windows.
        const QByteArray head = "head\x01";
        QTest::addRow("%s: edition byte 0x00", Name(order))
            << order << Join(order, {head, "pad" + One(0x00) + rest, "7.5"}) << One(0x00);
        QTest::addRow("%s: edition byte 0x01", Name(order))
            << order << Join(order, {head, "pad" + One(0x01) + rest, "7.5"}) << One(0x01);
        QTest::addRow("%s: edition byte 0x02", Name(order))
            << order << Join(order, {head, "pad" + One(0x02) + rest, "7.5"}) << One(0x02);
        QTest::addRow("%s: position 1 (field of trailer + 1 bytes)", Name(order))
            << order << Join(order, {head, One(0x01) + rest, "7.5"}) << One(0x01);
        QTest::addRow("%s: position 0 gives no byte", Name(order))
            << order << Join(order, {head, QByteArray(trailer, 0x00), "7.5"}) << QByteArray();
        QTest::addRow("%s: negative position gives no byte", Name(order))
            << order << Join(order, {head, QByteArray(3, 0x00), "7.5"}) << QByteArray();
        QTest::addRow("%s: empty second-to-last field", Name(order))
            << order << Join(order, {head, "", "7.5"}) << QByteArray();
        QTest::addRow("%s: second-to-last of many fields", Name(order))
            << order << Join(order, {"a", One(0x01) + rest, "b", One(0x00) + rest, "7.5"})
            << One(0x00);
        QTest::addRow("%s: one field: byte at its length minus the trailer", Name(order))
            << order << QByteArray("xyz" + One(0x01) + rest) << One(0x01);
        QTest::addRow("%s: one field too short", Name(order))
            << order << QByteArray(trailer, 0x00) << QByteArray();
        QTest::addRow("%s: empty chunk", Name(order)) << order << QByteArray() << QByteArray();
    }
    // The trailer length belongs to the byte order: a big-endian record read
    // as little-endian points one byte early.
    QTest::newRow("big record, little rule")
        << Order::Little << Join(Order::Little, {"a", "p" + One(0x01) + QByteArray(11, 'r'), "s"})
        << QByteArray("p");
}

void TestInspectRecord::editionByteOf() {
    QFETCH(Order, order);
    QFETCH(QByteArray, chunk);
    QFETCH(QByteArray, editionByte);
    QCOMPARE(inspect::EditionByteOf(chunk, ToByteOrder(order)).toHex(), editionByte.toHex());
}

void TestInspectRecord::editionOf_data() {
    QTest::addColumn<QByteArray>("editionByte");
    QTest::addColumn<Edition>("edition");
    QTest::newRow("0x00") << One(0x00) << Edition::Macintosh;
    QTest::newRow("0x01") << One(0x01) << Edition::Windows;
    QTest::newRow("0x02") << One(0x02) << Edition::NotUnderstood;
    QTest::newRow("0x30 (digit 0)") << One(0x30) << Edition::NotUnderstood;
    QTest::newRow("0xFF") << One(0xFF) << Edition::NotUnderstood;
    QTest::newRow("no byte") << QByteArray() << Edition::NotUnderstood;
    QTest::newRow("two bytes 00 00") << QByteArray(2, 0x00) << Edition::NotUnderstood;
}

void TestInspectRecord::editionOf() {
    QFETCH(QByteArray, editionByte);
    QFETCH(Edition, edition);
    QCOMPARE(inspect::EditionOf(editionByte), edition);
}

void TestInspectRecord::callsForCS55_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("cs55");
    QTest::newRow("7.5.0.149") << QByteArray("7.5.0.149") << true;
    QTest::newRow("7.0.4.553") << QByteArray("7.0.4.553") << false;
    QTest::newRow("6.0.6.622") << QByteArray("6.0.6.622") << false;
    QTest::newRow("third byte only") << QByteArray("ab5") << true;
    QTest::newRow("5 elsewhere") << QByteArray("55x5") << false;
    QTest::newRow("two bytes") << QByteArray("75") << false;
    QTest::newRow("one byte 5") << QByteArray("5") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("0x35 after NULs") << QByteArray(
                                            "\x00\x00"
                                            "5",
                                            3)
                                     << true;
    QTest::newRow("0xB5 is no 5") << QByteArray("ab\xb5") << false;
}

void TestInspectRecord::callsForCS55() {
    QFETCH(QByteArray, text);
    QFETCH(bool, cs55);
    QCOMPARE(inspect::CallsForCS55(text), cs55);
}

void TestInspectRecord::wholeDocument_data() {
    QTest::addColumn<Order>("order");
    QTest::addColumn<int>("releaseCode");
    QTest::addColumn<QByteArray>("subVersion");
    QTest::addColumn<int>("editionCode");
    QTest::addColumn<bool>("cs55");
    QTest::addColumn<Edition>("edition");
    for (const Order order : {Order::Big, Order::Little}) {
        for (int code = 0x03; code <= 0x07; ++code) {
            QTest::addRow("%s %02x CS5.5 Macintosh", Name(order), code)
                << order << code << QByteArray("7.5.0.149") << 0x00 << true << Edition::Macintosh;
            QTest::addRow("%s %02x Windows", Name(order), code)
                << order << code << QByteArray("6.0.6.622") << 0x01 << false << Edition::Windows;
            QTest::addRow("%s %02x edition 0x02", Name(order), code)
                << order << code << QByteArray("4.0.5.688") << 0x02 << false
                << Edition::NotUnderstood;
            QTest::addRow("%s %02x short sub-version", Name(order), code)
                << order << code << QByteArray("75") << 0x01 << false << Edition::Windows;
        }
    }
}

void TestInspectRecord::wholeDocument() {
    QFETCH(Order, order);
    QFETCH(int, releaseCode);
    QFETCH(QByteArray, subVersion);
    QFETCH(int, editionCode);
    QFETCH(bool, cs55);
    QFETCH(Edition, edition);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Two chunks: the record is in the first, the second holds nothing.
    const CraftedDocument doc = testsupport::RecognisedDocument(
        order, static_cast<quint8>(releaseCode), subVersion, static_cast<quint8>(editionCode), 2);
    const QString path = testsupport::WriteCraftedDocument(dir.path(), doc);

    const inspect::Inspection result = inspect::InspectFile(path);
    QCOMPARE(result.order, ToByteOrder(order));
    QCOMPARE(result.release, ReleaseOf(releaseCode));
    QVERIFY(result.searched);
    QVERIFY(result.fieldCount >= 2);
    QCOMPARE(result.subVersion, subVersion);
    QCOMPARE(result.cs55, cs55);
    QCOMPARE(result.edition, edition);
}

void TestInspectRecord::otherMarkerNotAccepted_data() {
    QTest::addColumn<Order>("order");
    QTest::addColumn<int>("releaseCode");
    for (const Order order : {Order::Big, Order::Little}) {
        for (int code = 0x03; code <= 0x07; ++code) {
            QTest::addRow("%s %02x", Name(order), code) << order << code;
        }
    }
}

void TestInspectRecord::otherMarkerNotAccepted() {
    // Chunk 0 holds a record under the marker of the other releases; chunk 1,
    // the last, holds a record under no marker. The wrong marker must not
    // stop the search, so the last chunk's record is the one read.
    QFETCH(Order, order);
    QFETCH(int, releaseCode);
    const QByteArray wrongMarker = releaseCode == 0x03 ? testsupport::Release4to7Marker(order)
                                                       : testsupport::Release3Marker(order);
    const QByteArray wrongRecord = testsupport::SubVersionRecord(order, 0x00, "WRONG.5.5");
    const QByteArray lastRecord = testsupport::SubVersionRecord(order, 0x01, "LAST.0.0");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CraftedDocument doc;
    doc.order = order;
    doc.releaseByte = static_cast<quint8>(releaseCode);
    doc.size = ChunkOffset(2);
    doc.runs = {{ChunkOffset(0) + 8, wrongMarker},
                {ChunkOffset(1) - static_cast<quint64>(wrongRecord.size()), wrongRecord},
                {ChunkOffset(1) + 30, "x" + testsupport::Separator(order)},
                {ChunkOffset(2) - static_cast<quint64>(lastRecord.size()), lastRecord}};
    const QString path = testsupport::WriteCraftedDocument(dir.path(), doc);

    int yields = 0;
    const inspect::Inspection result =
        inspect::InspectFile(path, inspect::kSearchStart, [&yields] { ++yields; });
    QCOMPARE(yields, 2);
    QCOMPARE(result.subVersion, QByteArray("LAST.0.0"));
    QVERIFY(!result.cs55);
    QCOMPARE(result.edition, Edition::Windows);
}

void TestInspectRecord::chunkWithoutSeparator_data() {
    QTest::addColumn<Order>("order");
    QTest::addColumn<qint64>("chunkLength");
    for (const Order order : {Order::Big, Order::Little}) {
        QTest::addRow("%s full chunk", Name(order)) << order << qint64(4096);
        QTest::addRow("%s short last chunk", Name(order)) << order << qint64(100);
    }
}

void TestInspectRecord::chunkWithoutSeparator() {
    // The release-4-to-7 marker holds no separator: the chunk found may be a
    // single field. Sub-version: the chunk's first 9 bytes; edition byte: at
    // chunk length minus 11 (big) / 12 (little).
    QFETCH(Order, order);
    QFETCH(qint64, chunkLength);
    const QByteArray marker = testsupport::Release4to7Marker(order);
    const quint64 editionAt =
        ChunkOffset(0) + static_cast<quint64>(chunkLength - testsupport::TrailerLength(order) - 1);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CraftedDocument doc;
    doc.order = order;
    doc.releaseByte = 0x05;
    doc.size = ChunkOffset(0) + static_cast<quint64>(chunkLength);
    doc.runs = {{ChunkOffset(0), "ab5" + marker}, {editionAt, One(0x01)}};
    const QString path = testsupport::WriteCraftedDocument(dir.path(), doc);

    const inspect::Inspection result = inspect::InspectFile(path);
    QCOMPARE(result.release, Release::CS3);
    QCOMPARE(result.fieldCount, 1);
    QCOMPARE(result.subVersion, QByteArray("ab5" + marker.left(6)));
    QVERIFY(result.cs55);
    QCOMPARE(result.edition, Edition::Windows);
}

QTEST_GUILESS_MAIN(TestInspectRecord)
#include "tst_inspect_record.moc"
