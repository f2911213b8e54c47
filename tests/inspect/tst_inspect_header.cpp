// The header decision: byte order from offset 24, release byte from offset
// 32 or 29, the release table, short and empty files, and files that cannot
// be opened.
#include <QTemporaryDir>
#include <QTest>

#include "inspect/Header.h"
#include "inspect/Inspection.h"
#include "platform/core/Exceptions.h"
#include "support/CraftedDocument.h"

using inspect::ByteOrder;
using inspect::Release;
using testsupport::CraftedDocument;
using testsupport::Order;

Q_DECLARE_METATYPE(inspect::ByteOrder)
Q_DECLARE_METATYPE(inspect::Release)

namespace {

// A header of `size` bytes of `fill` with chosen bytes at chosen offsets.
QByteArray HeaderBytes(qsizetype size, char fill,
                       std::initializer_list<std::pair<int, int>> bytes) {
    QByteArray header(size, fill);
    for (const auto& [offset, value] : bytes) header[offset] = static_cast<char>(value);
    return header;
}

QByteArray One(int value) { return QByteArray(1, static_cast<char>(value)); }

}  // namespace

class TestInspectHeader : public QObject {
    Q_OBJECT

private slots:
    void readHeaderFields_data();
    void readHeaderFields();
    void decideRelease_data();
    void decideRelease();
    void inspectFileDecidesFromHeader_data();
    void inspectFileDecidesFromHeader();
    void emptyFileIsUnknownWithoutError();
    void unopenableDocumentRaisesNilObject_data();
    void unopenableDocumentRaisesNilObject();
};

void TestInspectHeader::readHeaderFields_data() {
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<ByteOrder>("order");
    QTest::addColumn<QByteArray>("releaseByte");

    const auto be = ByteOrder::BigEndian;
    const auto le = ByteOrder::LittleEndian;
    QTest::newRow("big-endian: offset 32 decides, not 29")
        << HeaderBytes(48, 0, {{24, 0x02}, {29, 0x07}, {32, 0x05}}) << be << One(0x05);
    QTest::newRow("big-endian: unknown at 32 despite a release at 29")
        << HeaderBytes(48, 0, {{24, 0x02}, {29, 0x03}, {32, 0x00}}) << be << One(0x00);
    QTest::newRow("little-endian 0x01: offset 29 decides, not 32")
        << HeaderBytes(48, 0, {{24, 0x01}, {29, 0x04}, {32, 0x06}}) << le << One(0x04);
    QTest::newRow("0x00 at 24 is little-endian")
        << HeaderBytes(48, 0, {{24, 0x00}, {29, 0x06}, {32, 0x03}}) << le << One(0x06);
    QTest::newRow("0x03 at 24 is little-endian")
        << HeaderBytes(48, 0, {{24, 0x03}, {29, 0x05}}) << le << One(0x05);
    QTest::newRow("0xFF at 24 is little-endian")
        << HeaderBytes(48, 0, {{24, 0xFF}, {29, 0x07}}) << le << One(0x07);
    QTest::newRow("0x20 at 24 is little-endian (byte 0x02 elsewhere)")
        << HeaderBytes(48, 0x02, {{24, 0x20}, {29, 0x03}}) << le << One(0x03);
    QTest::newRow("empty header") << QByteArray() << le << QByteArray();
    QTest::newRow("24 bytes: no order byte, little-endian, no release byte")
        << QByteArray(24, 0x02) << le << QByteArray();
    QTest::newRow("25 bytes big-endian: no release byte")
        << HeaderBytes(25, 0x05, {{24, 0x02}}) << be << QByteArray();
    QTest::newRow("32 bytes big-endian: no release byte")
        << HeaderBytes(32, 0x05, {{24, 0x02}}) << be << QByteArray();
    QTest::newRow("33 bytes big-endian: release byte at 32")
        << HeaderBytes(33, 0x00, {{24, 0x02}, {32, 0x06}}) << be << One(0x06);
    QTest::newRow("29 bytes little-endian: no release byte")
        << HeaderBytes(29, 0x05, {{24, 0x01}}) << le << QByteArray();
    QTest::newRow("30 bytes little-endian: release byte at 29")
        << HeaderBytes(30, 0x00, {{24, 0x01}, {29, 0x05}}) << le << One(0x05);
    QTest::newRow("25 bytes little-endian")
        << HeaderBytes(25, 0x04, {{24, 0x09}}) << le << QByteArray();
}

void TestInspectHeader::readHeaderFields() {
    QFETCH(QByteArray, header);
    QFETCH(ByteOrder, order);
    QFETCH(QByteArray, releaseByte);
    const inspect::Header fields = inspect::ReadHeaderFields(header);
    QCOMPARE(fields.order, order);
    QCOMPARE(fields.releaseByte, releaseByte);
}

void TestInspectHeader::decideRelease_data() {
    QTest::addColumn<QByteArray>("releaseByte");
    QTest::addColumn<Release>("release");
    QTest::newRow("0x03 CS") << One(0x03) << Release::CS;
    QTest::newRow("0x04 CS2") << One(0x04) << Release::CS2;
    QTest::newRow("0x05 CS3") << One(0x05) << Release::CS3;
    QTest::newRow("0x06 CS4") << One(0x06) << Release::CS4;
    QTest::newRow("0x07 CS5") << One(0x07) << Release::CS5;
    QTest::newRow("0x00") << One(0x00) << Release::Unknown;
    QTest::newRow("0x01") << One(0x01) << Release::Unknown;
    QTest::newRow("0x02") << One(0x02) << Release::Unknown;
    QTest::newRow("0x08") << One(0x08) << Release::Unknown;
    QTest::newRow("0x0F") << One(0x0F) << Release::Unknown;
    QTest::newRow("0x33 (digit 3)") << One(0x33) << Release::Unknown;
    QTest::newRow("0x83 (0x03 with the high bit)") << One(0x83) << Release::Unknown;
    QTest::newRow("0xFF") << One(0xFF) << Release::Unknown;
    QTest::newRow("no byte") << QByteArray() << Release::Unknown;
    QTest::newRow("two bytes 03 03") << QByteArray("\x03\x03") << Release::Unknown;
}

void TestInspectHeader::decideRelease() {
    QFETCH(QByteArray, releaseByte);
    QFETCH(Release, release);
    QCOMPARE(inspect::DecideRelease(releaseByte), release);
}

void TestInspectHeader::inspectFileDecidesFromHeader_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<ByteOrder>("order");
    QTest::addColumn<Release>("release");

    const auto be = ByteOrder::BigEndian;
    const auto le = ByteOrder::LittleEndian;
    const Release releases[] = {Release::CS, Release::CS2, Release::CS3, Release::CS4,
                                Release::CS5};
    for (int code = 0x03; code <= 0x07; ++code) {
        const Release release = releases[code - 0x03];
        // The other position holds a different known release, so a reader
        // looking at the wrong offset gives the wrong answer.
        const int other = code == 0x07 ? 0x03 : code + 1;
        QTest::addRow("big-endian %02x", code)
            << HeaderBytes(48, 0, {{24, 0x02}, {29, other}, {32, code}}) << be << release;
        QTest::addRow("little-endian %02x", code)
            << HeaderBytes(48, 0, {{24, 0x01}, {29, code}, {32, other}}) << le << release;
    }
    for (const int code : {0x00, 0x02, 0x08, 0xFF}) {
        QTest::addRow("big-endian unknown %02x", code)
            << HeaderBytes(48, 0, {{24, 0x02}, {29, 0x05}, {32, code}}) << be << Release::Unknown;
        QTest::addRow("little-endian unknown %02x", code)
            << HeaderBytes(48, 0, {{24, 0x01}, {29, code}, {32, 0x05}}) << le << Release::Unknown;
    }
    QTest::newRow("20 bytes") << QByteArray(20, 0x03) << le << Release::Unknown;
    QTest::newRow("25 bytes big-endian")
        << HeaderBytes(25, 0x03, {{24, 0x02}}) << be << Release::Unknown;
    QTest::newRow("32 bytes big-endian")
        << HeaderBytes(32, 0x03, {{24, 0x02}}) << be << Release::Unknown;
    QTest::newRow("30 bytes little-endian")
        << HeaderBytes(30, 0x00, {{24, 0x01}, {29, 0x06}}) << le << Release::CS4;
    QTest::newRow("29 bytes little-endian")
        << HeaderBytes(29, 0x06, {{24, 0x01}}) << le << Release::Unknown;
}

void TestInspectHeader::inspectFileDecidesFromHeader() {
    QFETCH(QByteArray, contents);
    QFETCH(ByteOrder, order);
    QFETCH(Release, release);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CraftedDocument doc;
    doc.noHeader = true;
    doc.runs = {{0, contents}};
    const QString path = testsupport::WriteCraftedDocument(dir.path(), doc);
    QCOMPARE(QFileInfo(path).size(), contents.size());

    int yields = 0;
    const inspect::Inspection result =
        inspect::InspectFile(path, inspect::kSearchStart, [&yields] { ++yields; });
    QCOMPARE(result.order, order);
    QCOMPARE(result.release, release);
    // A known release is always searched; an unknown one never.
    const bool known = release != Release::Unknown;
    QCOMPARE(result.searched, known);
    QCOMPARE(yields, known ? 1 : 0);
    QCOMPARE(result.fieldCount, 0);
    QVERIFY(result.subVersion.isEmpty());
}

void TestInspectHeader::emptyFileIsUnknownWithoutError() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("empty.indd"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const inspect::Inspection result = inspect::InspectFile(file.fileName());
    QCOMPARE(result.release, Release::Unknown);
    QCOMPARE(result.order, ByteOrder::LittleEndian);
    QVERIFY(!result.searched);
}

void TestInspectHeader::unopenableDocumentRaisesNilObject_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("makeFolder");
    QTest::newRow("missing file") << QStringLiteral("gone.indd") << false;
    QTest::newRow("folder") << QStringLiteral("folder.indd") << true;
}

void TestInspectHeader::unopenableDocumentRaisesNilObject() {
    QFETCH(QString, name);
    QFETCH(bool, makeFolder);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (makeFolder) QVERIFY(QDir(dir.path()).mkdir(name));
    QVERIFY_THROWS_EXCEPTION(platform::NilObjectException,
                             inspect::InspectFile(dir.filePath(name)));
}

QTEST_GUILESS_MAIN(TestInspectHeader)
#include "tst_inspect_header.moc"
