// Real InDesign documents. The expected answers were worked out from the
// documents' bytes with a separate throw-away script, not with this code.
#include <QFileInfo>
#include <QTest>

#include "inspect/Inspection.h"

using inspect::ByteOrder;
using inspect::Edition;
using inspect::Release;

Q_DECLARE_METATYPE(inspect::ByteOrder)
Q_DECLARE_METATYPE(inspect::Edition)
Q_DECLARE_METATYPE(inspect::Release)

class TestInspectSamples : public QObject {
    Q_OBJECT

private slots:
    void sample_data();
    void sample();
};

void TestInspectSamples::sample_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<ByteOrder>("order");
    QTest::addColumn<Release>("release");
    QTest::addColumn<int>("yields");  // chunks searched without the marker
    QTest::addColumn<qsizetype>("fieldCount");
    QTest::addColumn<QByteArray>("subVersion");
    QTest::addColumn<bool>("cs55");
    QTest::addColumn<Edition>("edition");

    const auto be = ByteOrder::BigEndian;
    const auto le = ByteOrder::LittleEndian;
    const QByteArray spaces(9, ' ');
    // clang-format off
    // Release byte 0x0F (InDesign CC) and 0x08 (CS6): unknown, no search.
    QTest::newRow("file-type") << "file-type_fixture.indd" << le << Release::Unknown << 0 << qsizetype(0) << QByteArray() << false << Edition::NotUnderstood;
    QTest::newRow("tika") << "tika_testINDD.indd" << le << Release::Unknown << 0 << qsizetype(0) << QByteArray() << false << Edition::NotUnderstood;
    // Release-3 marker in the second chunk.
    QTest::newRow("format-corpus") << "format-corpus_Neddy_Flyer_HeatherRyan.indd" << be << Release::CS << 1 << qsizetype(4) << QByteArray("3.0.0.424") << false << Edition::Macintosh;
    // Release-4-to-7 marker absent: the last chunk (padding of the XMP
    // packet, then zeros) is used; it holds no separator.
    QTest::newRow("xmp-sdk") << "xmp-sdk_BlueSquare.indd" << be << Release::CS2 << 172 << qsizetype(1) << spaces << false << Edition::Macintosh;
    QTest::newRow("hokkey DEMO") << "hokkey_DEMO.indd" << le << Release::CS4 << 0 << qsizetype(7) << QByteArray("6.0.6.622") << false << Edition::Macintosh;
    QTest::newRow("hokkey a4") << "hokkey_a4_eng_cs4.indd" << le << Release::CS4 << 6 << qsizetype(6) << QByteArray("6.0.6.622") << false << Edition::Macintosh;
    QTest::newRow("gcedo") << "gcedo_cover.indd" << le << Release::CS5 << 683 << qsizetype(1) << spaces << false << Edition::Macintosh;
    // clang-format on
}

void TestInspectSamples::sample() {
    QFETCH(QString, file);
    QFETCH(ByteOrder, order);
    QFETCH(Release, release);
    QFETCH(int, yields);
    QFETCH(qsizetype, fieldCount);
    QFETCH(QByteArray, subVersion);
    QFETCH(bool, cs55);
    QFETCH(Edition, edition);

    const QString path = QStringLiteral(TARNWICK_SAMPLES_DIR "/") + file;
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    int yielded = 0;
    const inspect::Inspection result =
        inspect::InspectFile(path, inspect::kSearchStart, [&yielded] { ++yielded; });
    QCOMPARE(result.order, order);
    QCOMPARE(result.release, release);
    QCOMPARE(result.searched, release != Release::Unknown);
    QCOMPARE(yielded, yields);
    QCOMPARE(result.fieldCount, fieldCount);
    QCOMPARE(result.subVersion, subVersion);
    QCOMPARE(result.cs55, cs55);
    if (fieldCount > 0) QCOMPARE(result.edition, edition);
}

QTEST_GUILESS_MAIN(TestInspectSamples)
#include "tst_inspect_samples.moc"
