// VersionCheck's second stage as the user sees it: sub-version, CS5.5 and
// edition in the result window, on crafted and real documents.
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "platform/widgets/DocumentQueue.h"
#include "platform/widgets/EventDispatch.h"
#include "platform/widgets/FolderItem.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Window.h"
#include "support/CraftedDocument.h"
#include "windows/PictureGetters.h"
#include "windows/Window1.h"

using namespace platform;
using testsupport::CraftedDocument;
using testsupport::Order;

Q_DECLARE_METATYPE(testsupport::Order)

namespace {

// Gone from its folder as soon as it has been opened once.
class VanishingItem : public FolderItem {
public:
    using FolderItem::FolderItem;
    std::unique_ptr<BinaryStream> OpenAsBinaryFile(bool writable) const override {
        auto stream = FolderItem::OpenAsBinaryFile(writable);
        QFile::remove(Path());
        return stream;
    }
};

QByteArray ReleaseText(quint8 releaseByte) {
    static const char* texts[] = {"Adobe InDesign CS", "Adobe InDesign CS2", "Adobe InDesign CS3",
                                  "Adobe InDesign CS4", "Adobe InDesign CS5"};
    return texts[releaseByte - 3];
}

windows::PicturePtr ReleasePicture(quint8 releaseByte) {
    switch (releaseByte) {
        case 3:
            return windows::_x_cs::cs();
        case 4:
            return windows::_x_cs2::cs2();
        case 5:
            return windows::_x_cs3::cs3();
        case 6:
            return windows::_x_cs4::cs4();
        default:
            return windows::_x_cs5::cs5();
    }
}

// A chunk that ends with the record: marker first, filler, then the
// second-to-last field of `secondToLast` bytes and the last field.
CraftedDocument RecordDocument(Order order, quint8 release, const QByteArray& secondToLast,
                               const QByteArray& lastField) {
    const QByteArray sep = testsupport::Separator(order);
    const QByteArray marker = testsupport::MarkerForRelease(order, release);
    QByteArray chunk = marker + QByteArray(64, 'x') + sep + secondToLast + sep + lastField;
    CraftedDocument doc;
    doc.order = order;
    doc.releaseByte = release;
    doc.size = testsupport::ChunkOffset(0) + quint64(chunk.size());
    doc.runs = {{testsupport::ChunkOffset(0), chunk}};
    return doc;
}

}  // namespace

class SubVersionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        harness::StartApplication();
    }
    void cleanup() { harness::CloseAllWindows(); }

    void shortDocumentShowsUnknownTwice_data();
    void shortDocumentShowsUnknownTwice();
    void recordGivesSubVersionAndEdition_data();
    void recordGivesSubVersionAndEdition();
    void subVersionBytesAreKeptAndShownSafely();
    void secondOpenFailingTakesTheErrorRoad();
    void realDocumentsShowWhatTheyHold_data();
    void realDocumentsShowWhatTheyHold();
    void inputDuringASearchWaitsForIt();

private:
    Window1* Inspect(const CraftedDocument& doc, const QString& name = "doc.indd");
    QTemporaryDir dir_;
};

Window1* SubVersionTest::Inspect(const CraftedDocument& doc, const QString& name) {
    FolderItem item(testsupport::WriteCraftedDocument(dir_.path(), doc, name));
    const int before = WindowCount();
    App()->VersionCheck(&item);
    if (WindowCount() != before + 1) return nullptr;
    return dynamic_cast<Window1*>(WindowAt(0));
}

void SubVersionTest::shortDocumentShowsUnknownTwice_data() {
    QTest::addColumn<Order>("order");
    QTest::addColumn<quint64>("size");
    QTest::newRow("big-endian, 48 bytes") << Order::Big << quint64(48);
    QTest::newRow("little-endian, 48 bytes") << Order::Little << quint64(48);
    QTest::newRow("big-endian, 53,248 bytes") << Order::Big << quint64(53248);
    QTest::newRow("little-endian, 53,248 bytes") << Order::Little << quint64(53248);
}

void SubVersionTest::shortDocumentShowsUnknownTwice() {
    QFETCH(Order, order);
    QFETCH(quint64, size);
    CraftedDocument doc;
    doc.order = order;
    doc.releaseByte = 0x06;
    doc.size = size;
    Window1* w = Inspect(doc);
    QVERIFY(w != nullptr);
    QCOMPARE(w->StaticText5()->Text(), QByteArray("不明"));
    QCOMPARE(w->StaticText3()->Text(), QByteArray("不明"));
    QCOMPARE(w->StaticText2()->Text(), QByteArray("Adobe InDesign CS4"));
    QCOMPARE(w->Canvas1()->Backdrop(), windows::_x_cs4::cs4());
}

void SubVersionTest::recordGivesSubVersionAndEdition_data() {
    QTest::addColumn<Order>("order");
    QTest::addColumn<quint8>("release");
    QTest::addColumn<QByteArray>("secondToLast");
    QTest::addColumn<QByteArray>("lastField");
    QTest::addColumn<QByteArray>("subVersion");
    QTest::addColumn<bool>("cs55");
    QTest::addColumn<QByteArray>("edition");
    for (Order order : {Order::Big, Order::Little}) {
        const char* o = order == Order::Big ? "BE" : "LE";
        const int trailer = order == Order::Big ? 11 : 12;
        auto field = [trailer](char edition, int extra = 0) {
            return QByteArray(1, edition) + QByteArray(trailer + extra, '.');
        };
        for (quint8 release = 3; release <= 7; ++release) {
            QTest::addRow("%s release 0x%02X, Macintosh", o, release)
                << order << release << field('\x00') << QByteArray("4.0.5.688xyz")
                << QByteArray("4.0.5.688") << false << QByteArray("Macintosh Edition");
            QTest::addRow("%s release 0x%02X, third byte 5 is CS5.5", o, release)
                << order << release << field('\x01') << QByteArray("7.5.3.333")
                << QByteArray("7.5.3.333") << true << QByteArray("Windows Edition");
        }
        QTest::addRow("%s edition byte 0x02", o)
            << order << quint8(6) << field('\x02') << QByteArray("6.0.6.622")
            << QByteArray("6.0.6.622") << false << QByteArray("Not understand");
        QTest::addRow("%s edition at position 1 of a longer field", o)
            << order << quint8(6) << QByteArray("\x01") + QByteArray(trailer, '.')
            << QByteArray("6.0") << QByteArray("6.0") << false << QByteArray("Windows Edition");
        QTest::addRow("%s edition position 0", o)
            << order << quint8(6) << QByteArray(trailer, '\x00') << QByteArray("6.0.6")
            << QByteArray("6.0.6") << false << QByteArray("Not understand");
        QTest::addRow("%s edition position below 0", o)
            << order << quint8(4) << QByteArray(3, '\x00') << QByteArray("4.0.5")
            << QByteArray("4.0.5") << false << QByteArray("Not understand");
        QTest::addRow("%s last field shorter than 9 bytes", o)
            << order << quint8(5) << field('\x00') << QByteArray("5.0") << QByteArray("5.0")
            << false << QByteArray("Macintosh Edition");
        QTest::addRow("%s two-byte sub-version never CS5.5", o)
            << order << quint8(7) << field('\x00') << QByteArray("75") << QByteArray("75") << false
            << QByteArray("Macintosh Edition");
    }
}

void SubVersionTest::recordGivesSubVersionAndEdition() {
    QFETCH(Order, order);
    QFETCH(quint8, release);
    QFETCH(QByteArray, secondToLast);
    QFETCH(QByteArray, lastField);
    QFETCH(QByteArray, subVersion);
    QFETCH(bool, cs55);
    QFETCH(QByteArray, edition);
    Window1* w = Inspect(RecordDocument(order, release, secondToLast, lastField));
    QVERIFY(w != nullptr);
    QCOMPARE(w->StaticText5()->Text(), subVersion);
    QCOMPARE(w->StaticText3()->Text(), edition);
    QCOMPARE(w->StaticText2()->Text(),
             cs55 ? QByteArray("Adobe InDesign CS5.5") : ReleaseText(release));
    QCOMPARE(w->Canvas1()->Backdrop(), cs55 ? windows::_x_cs55::cs55() : ReleasePicture(release));
    QCOMPARE(harness::Quits().count, 0);
}

void SubVersionTest::subVersionBytesAreKeptAndShownSafely() {
    const QByteArray raw(
        "7\x00"
        "5\xE6\x01\x7F"
        "abc",
        9);
    Window1* w = Inspect(RecordDocument(Order::Little, 0x07, QByteArray(13, '\x00'), raw));
    QVERIFY(w != nullptr);
    QCOMPARE(w->StaticText5()->Text(), raw);
    // The third byte read back decides: "5".
    QCOMPARE(w->StaticText2()->Text(), QByteArray("Adobe InDesign CS5.5"));
    const QString shown = w->StaticText5()->text();
    QCOMPARE(shown, QString("7\uFFFD5\uFFFD\uFFFD\uFFFDabc"));
    QVERIFY(QFontMetrics(w->StaticText5()->font()).inFont(QChar(QChar::ReplacementCharacter)));
}

void SubVersionTest::secondOpenFailingTakesTheErrorRoad() {
    const QString path = testsupport::WriteCraftedDocument(
        dir_.path(), testsupport::RecognisedDocument(Order::Little, 0x05, "5.0.4.682", 0x00),
        "vanishing.indd");
    VanishingItem item(path);
    harness::MessageBoxAnswerer answer;
    App()->VersionCheck(&item);
    QVERIFY(answer.Answered());
    QCOMPARE(answer.Text(), QStringLiteral("エラーが起こりましたので\n終了します"));
    QCOMPARE(harness::Quits().code, 0);
    auto* w = dynamic_cast<Window1*>(WindowAt(0));
    QVERIFY(w != nullptr);
    QCOMPARE(w->Title(), QStringLiteral("vanishing.indd"));
    QCOMPARE(w->StaticText2()->Text(), QByteArray("Adobe InDesign CS3"));
    QCOMPARE(w->StaticText5()->Text(), QByteArray("サブバージョン不明"));
    QCOMPARE(w->StaticText3()->Text(), QByteArray("Macintosh Edition"));
}

void SubVersionTest::realDocumentsShowWhatTheyHold_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("release");
    QTest::addColumn<QByteArray>("subVersion");
    QTest::addColumn<QByteArray>("edition");
    const QByteArray unknown = "バージョン不明", mac = "Macintosh Edition";
    // Worked out from the bytes with a separate script, not with this code.
    QTest::newRow("file-type (release byte 0x0F)")
        << "file-type_fixture.indd" << unknown << QByteArray("サブバージョン不明") << QByteArray();
    QTest::newRow("format-corpus (CS)")
        << "format-corpus_Neddy_Flyer_HeatherRyan.indd" << QByteArray("Adobe InDesign CS")
        << QByteArray("3.0.0.424") << mac;
    QTest::newRow("gcedo (CS5, no marker: last chunk)")
        << "gcedo_cover.indd" << QByteArray("Adobe InDesign CS5") << QByteArray(9, ' ') << mac;
    QTest::newRow("hokkey DEMO (CS4)")
        << "hokkey_DEMO.indd" << QByteArray("Adobe InDesign CS4") << QByteArray("6.0.6.622") << mac;
    QTest::newRow("hokkey a4 (CS4)") << "hokkey_a4_eng_cs4.indd" << QByteArray("Adobe InDesign CS4")
                                     << QByteArray("6.0.6.622") << mac;
    QTest::newRow("tika (release byte 0x08)")
        << "tika_testINDD.indd" << unknown << QByteArray("サブバージョン不明") << QByteArray();
    QTest::newRow("xmp-sdk (CS2, no marker: last chunk)")
        << "xmp-sdk_BlueSquare.indd" << QByteArray("Adobe InDesign CS2") << QByteArray(9, ' ')
        << mac;
}

void SubVersionTest::realDocumentsShowWhatTheyHold() {
    QFETCH(QString, file);
    QFETCH(QByteArray, release);
    QFETCH(QByteArray, subVersion);
    QFETCH(QByteArray, edition);
    FolderItem item(QStringLiteral(TARNWICK_SAMPLES_DIR "/") + file);
    App()->VersionCheck(&item);
    auto* w = dynamic_cast<Window1*>(WindowAt(0));
    QVERIFY(w != nullptr);
    QCOMPARE(w->Title(), file);
    QCOMPARE(w->StaticText2()->Text(), release);
    QCOMPARE(w->StaticText5()->Text(), subVersion);
    QCOMPARE(w->StaticText3()->Text(), edition);
    QCOMPARE(harness::Quits().count, 0);
}

void SubVersionTest::inputDuringASearchWaitsForIt() {
    // Long enough that the search gives the event loop turns: 64 MiB with
    // the record in its last chunk.
    const quint64 size = 64ULL << 20;
    const quint64 last = (size - testsupport::kSearchStart) / testsupport::kChunkSize - 1;
    CraftedDocument big = testsupport::RecognisedDocument(Order::Little, 0x06, "6.0.1.111", 0x00);
    big.runs = {{testsupport::ChunkOffset(last), big.runs.last().bytes}};
    big.size = size;
    FolderItem bigItem(testsupport::WriteCraftedDocument(dir_.path(), big, "big.indd"));
    const QString small = testsupport::WriteCraftedDocument(
        dir_.path(), testsupport::RecognisedDocument(Order::Big, 0x04, "4.0.5.688", 0x01),
        "small.indd");

    int windowsWhenSearchEnded = -1;
    bool dropArrivedDuringSearch = false;
    QTimer::singleShot(0, [&] {
        dropArrivedDuringSearch = HandlerRunning();
        PostOpenDocuments({QFile::encodeName(small)});
    });
    Dispatch([&] {
        App()->VersionCheck(&bigItem);
        windowsWhenSearchEnded = WindowCount();
    });
    QVERIFY(dropArrivedDuringSearch);
    QCOMPARE(windowsWhenSearchEnded, 1);
    QTRY_COMPARE(WindowCount(), 2);
    QCOMPARE(WindowAt(1)->Title(), QStringLiteral("big.indd"));
    QCOMPARE(WindowAt(0)->Title(), QStringLiteral("small.indd"));
    QCOMPARE(dynamic_cast<Window1*>(WindowAt(1))->StaticText5()->Text(), QByteArray("6.0.1.111"));
}

QTEST_MAIN(SubVersionTest)
#include "tst_subversion.moc"
