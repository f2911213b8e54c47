// The byte patterns of each byte order, byte for byte, and the choice of the
// marker by the release byte.
#include <QTest>

#include "inspect/Patterns.h"
#include "support/CraftedDocument.h"

using inspect::ByteOrder;
using testsupport::Order;

Q_DECLARE_METATYPE(inspect::ByteOrder)
Q_DECLARE_METATYPE(testsupport::Order)

class TestInspectPatterns : public QObject {
    Q_OBJECT

private slots:
    void patternBytes_data();
    void patternBytes();
    void markerByRelease_data();
    void markerByRelease();
};

void TestInspectPatterns::patternBytes_data() {
    QTest::addColumn<ByteOrder>("order");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<QByteArray>("release3");
    QTest::addColumn<QByteArray>("release4to7");
    QTest::newRow("big-endian") << ByteOrder::BigEndian << QByteArray::fromHex("4009")
                                << QByteArray::fromHex("4009332e")
                                << QByteArray::fromHex("4e0d660e306a30");
    QTest::newRow("little-endian")
        << ByteOrder::LittleEndian << QByteArray::fromHex("0940") << QByteArray::fromHex("0940332e")
        << QByteArray::fromHex("4e0e666a30e630");
}

void TestInspectPatterns::patternBytes() {
    QFETCH(ByteOrder, order);
    QFETCH(QByteArray, separator);
    QFETCH(QByteArray, release3);
    QFETCH(QByteArray, release4to7);
    const inspect::Patterns& patterns = inspect::PatternsFor(order);
    QCOMPARE(patterns.separator.toHex(), separator.toHex());
    QCOMPARE(patterns.release3Marker.toHex(), release3.toHex());
    QCOMPARE(patterns.release4to7Marker.toHex(), release4to7.toHex());
    // 0xE6 is one raw byte, not an encoded character.
    QCOMPARE(patterns.release4to7Marker.size(), 7);
}

void TestInspectPatterns::markerByRelease_data() {
    QTest::addColumn<ByteOrder>("order");
    QTest::addColumn<int>("releaseCode");
    QTest::addColumn<bool>("release3");
    for (const auto order : {ByteOrder::BigEndian, ByteOrder::LittleEndian}) {
        const char* name = order == ByteOrder::BigEndian ? "big" : "little";
        for (int code = 0x03; code <= 0x07; ++code) {
            QTest::addRow("%s %02x", name, code) << order << code << (code == 0x03);
        }
    }
}

void TestInspectPatterns::markerByRelease() {
    QFETCH(ByteOrder, order);
    QFETCH(int, releaseCode);
    QFETCH(bool, release3);
    const inspect::Patterns& patterns = inspect::PatternsFor(order);
    const QByteArray& marker =
        inspect::MarkerFor(QByteArray(1, static_cast<char>(releaseCode)), patterns);
    const Order crafted = order == ByteOrder::BigEndian ? Order::Big : Order::Little;
    QCOMPARE(marker.toHex(), (release3 ? testsupport::Release3Marker(crafted)
                                       : testsupport::Release4to7Marker(crafted))
                                 .toHex());
}

QTEST_GUILESS_MAIN(TestInspectPatterns)
#include "tst_inspect_patterns.moc"
