// Class1::VersionCheck as the user sees it: the title, picture and labels of
// the result window for crafted and real documents, the error road, and the
// picture caches.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "platform/widgets/BundleResources.h"
#include "platform/widgets/Window.h"
#include "support/CraftedDocument.h"
#include "windows/PictureGetters.h"
#include "windows/Window1.h"

using namespace platform;
using testsupport::ByteRun;
using testsupport::Order;

namespace {

const QByteArray kDesignSubVersion = "サブバージョン不明";

// Opens the document once; every later open gives a stream whose reads
// fail (low addresses of the process's own memory are never mapped).
class FailingSecondOpen : public FolderItem {
public:
    using FolderItem::FolderItem;
    std::unique_ptr<BinaryStream> OpenAsBinaryFile(bool writable) const override {
        if (opens_++ == 0) return FolderItem::OpenAsBinaryFile(writable);
        return BinaryStream::OpenForReading(QByteArray("/proc/self/mem"));
    }

private:
    mutable int opens_ = 0;
};

QString ResourcePath(const QString& name) {
    return QCoreApplication::applicationDirPath() + "/../Resources/" + name;
}

// The image of a picture file of the program, null for "".
QImage ImageOf(const QString& pictureFile) {
    if (pictureFile.isEmpty()) return {};
    const auto picture = FolderItem(ResourcePath(pictureFile)).OpenAsPicture();
    return picture ? picture->Image() : QImage(1, 1, QImage::Format_Mono);
}

QImage Shown(Window1* w) {
    return w->Canvas1()->Backdrop() ? w->Canvas1()->Backdrop()->Image() : QImage();
}

}  // namespace

class VersionCheckTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    Window1* Inspect(FolderItem item) {
        const int before = WindowCount();
        App()->VersionCheck(&item);
        return WindowCount() == before + 1 ? dynamic_cast<Window1*>(WindowAt(0)) : nullptr;
    }
    QString Write(const char* name, quint64 size, const QList<ByteRun>& runs) {
        return testsupport::WriteDocument(dir_.filePath(name), size, runs);
    }

private slots:
    void initTestCase() { harness::StartApplication(); }
    void cleanup() {
        harness::CloseAllWindows();
        SetApplicationBundleResourcesForTesting({});
        windows::ResetPictureCachesForTesting();
    }

    void window_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("release");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QByteArray>("subVersion");
        QTest::addColumn<QByteArray>("edition");
        const QByteArray none = "不明", unknown = "バージョン不明", mac = "Macintosh Edition";
        const auto b = [](int value) { return QByteArray(1, static_cast<char>(value)); };
        const auto header = [&](const char* name, quint64 size,
                                const QList<ByteRun>& runs) -> QTestData& {
            return QTest::newRow(name) << Write(name, size, runs);
        };
        const auto crafted = [&](const char* name, Order order, quint8 release, quint8 edition,
                                 const QByteArray& subVersion) -> QTestData& {
            const quint64 at = testsupport::ChunkOffset(0);
            const QByteArray chunk = testsupport::RecordChunk(order, release, edition, subVersion);
            return QTest::newRow(name)
                   << Write(name, at + 4096,
                            testsupport::HeaderRuns(order, release) + QList<ByteRun>{{at, chunk}});
        };
        const auto sample = [](const char* file) -> QTestData& {
            return QTest::newRow(file) << QStringLiteral(TARNWICK_SAMPLES_DIR "/") + file;
        };
        // clang-format off
        header("big CS3 at 32, whatever 29 holds", 48, {{24, b(2)}, {29, b(7)}, {32, b(5)}}) << QByteArray("Adobe InDesign CS3") << "cs3.pct" << none << none;
        header("little CS2 at 29, whatever 32 holds", 48, {{24, b(1)}, {29, b(4)}, {32, b(6)}}) << QByteArray("Adobe InDesign CS2") << "cs2.pct" << none << none;
        header("0x03 at 24 is little-endian", 48, {{24, b(3)}, {29, b(6)}}) << QByteArray("Adobe InDesign CS4") << "cs4.pct" << none << none;
        header("big CS", 48, {{24, b(2)}, {32, b(3)}}) << QByteArray("Adobe InDesign CS") << "cs.pct" << none << none;
        header("little CS5", 48, {{29, b(7)}}) << QByteArray("Adobe InDesign CS5") << "cs5.pct" << none << none;
        header("little, 30 bytes", 30, {{29, b(6)}}) << QByteArray("Adobe InDesign CS4") << "cs4.pct" << none << none;
        header("big, 32 bytes", 32, {{24, b(2)}, {29, b(5)}}) << unknown << "ind.pct" << kDesignSubVersion << QByteArray();
        header("24 bytes", 24, {{23, b(2)}}) << unknown << "ind.pct" << kDesignSubVersion << QByteArray();
        header("empty", 0, {}) << unknown << "ind.pct" << kDesignSubVersion << QByteArray();
        for (const int value : {0x00, 0x02, 0x08, 0xFF}) {
            header(qPrintable(QString::asprintf("big 0x%02X", value)), 48, {{24, b(2)}, {32, b(value)}}) << unknown << "ind.pct" << kDesignSubVersion << QByteArray();
            header(qPrintable(QString::asprintf("little 0x%02X", value)), 48, {{29, b(value)}}) << unknown << "ind.pct" << kDesignSubVersion << QByteArray();
        }
        crafted("CS5.5 on a CS2 document", Order::Little, 4, 1, "4.5.3.333") << QByteArray("Adobe InDesign CS5.5") << "cs55.pct" << QByteArray("4.5.3.333") << QByteArray("Windows Edition");
        crafted("a 5 elsewhere is not CS5.5", Order::Big, 5, 1, "5.0.4.682") << QByteArray("Adobe InDesign CS3") << "cs3.pct" << QByteArray("5.0.4.682") << QByteArray("Windows Edition");
        crafted("two bytes are never CS5.5", Order::Big, 7, 0, "75") << QByteArray("Adobe InDesign CS5") << "cs5.pct" << QByteArray("75") << mac;
        crafted("edition byte 0x02", Order::Big, 3, 2, "3.0.0.424") << QByteArray("Adobe InDesign CS") << "cs.pct" << QByteArray("3.0.0.424") << QByteArray("Not understand");
        sample("format-corpus_Neddy_Flyer_HeatherRyan.indd") << QByteArray("Adobe InDesign CS") << "cs.pct" << QByteArray("3.0.0.424") << mac;
        sample("xmp-sdk_BlueSquare.indd") << QByteArray("Adobe InDesign CS2") << "cs2.pct" << QByteArray(9, ' ') << mac;
        sample("hokkey_DEMO.indd") << QByteArray("Adobe InDesign CS4") << "cs4.pct" << QByteArray("6.0.6.622") << mac;
        sample("hokkey_a4_eng_cs4.indd") << QByteArray("Adobe InDesign CS4") << "cs4.pct" << QByteArray("6.0.6.622") << mac;
        sample("gcedo_cover.indd") << QByteArray("Adobe InDesign CS5") << "cs5.pct" << QByteArray(9, ' ') << mac;
        sample("file-type_fixture.indd") << unknown << "ind.pct" << kDesignSubVersion << QByteArray();
        sample("tika_testINDD.indd") << unknown << "ind.pct" << kDesignSubVersion << QByteArray();
        // clang-format on
    }

    void window() {
        QFETCH(QString, path);
        QFETCH(QByteArray, release);
        QFETCH(QString, picture);
        QFETCH(QByteArray, subVersion);
        QFETCH(QByteArray, edition);
        Window1* w = Inspect(FolderItem(path));
        QVERIFY(w);
        QCOMPARE(w->Title(), QFileInfo(path).fileName());
        QCOMPARE(w->StaticText2()->Text(), release);
        QVERIFY(Shown(w) == ImageOf(picture));
        QCOMPARE(w->StaticText5()->Text(), subVersion);
        QCOMPARE(w->StaticText3()->Text(), edition);
        QCOMPARE(harness::Quits().count, 0);
    }

    void errorRoad_data() {
        QTest::addColumn<bool>("readFails");
        QTest::addColumn<QByteArray>("release");
        QTest::addColumn<QString>("picture");
        QTest::newRow("a folder cannot be opened")
            << false << QByteArray("Adobe InDesign CS3") << "";
        QTest::newRow("read failing in the search")
            << true << QByteArray("Adobe InDesign CS4") << "cs4.pct";
    }

    void errorRoad() {
        QFETCH(bool, readFails);
        QFETCH(QByteArray, release);
        QFETCH(QString, picture);
        const QString path =
            readFails ? Write("failing.indd", 48, testsupport::HeaderRuns(Order::Little, 6))
                      : dir_.filePath("folder.indd");
        QVERIFY(readFails || QDir().mkpath(path));
        const std::unique_ptr<FolderItem> item(readFails ? new FailingSecondOpen(path)
                                                         : new FolderItem(path));
        harness::MessageBoxAnswerer answer;
        App()->VersionCheck(item.get());
        QCOMPARE(answer.Text(), QStringLiteral("エラーが起こりましたので\n終了します"));
        QCOMPARE(harness::Quits().code, 0);
        auto* w = dynamic_cast<Window1*>(WindowAt(0));
        QVERIFY(w);
        QCOMPARE(w->Title(), QFileInfo(path).fileName());
        QCOMPARE(w->StaticText2()->Text(), release);
        QVERIFY(Shown(w) == ImageOf(picture));
        QCOMPARE(w->StaticText5()->Text(), kDesignSubVersion);
    }

    void documentsOfOneReleaseShareOnePicture() {
        QTemporaryDir resources;
        QVERIFY(QFile::copy(ResourcePath("cs3.pct"), resources.filePath("cs3.pct")));
        SetApplicationBundleResourcesForTesting(resources.path());
        const QString path = Write("cs3.indd", 48, testsupport::HeaderRuns(Order::Big, 5));
        Window1* first = Inspect(FolderItem(path));
        QVERIFY(first && first->Canvas1()->Backdrop());
        // Gone from disk: only the picture already loaded can be shown now.
        QVERIFY(QFile::remove(resources.filePath("cs3.pct")));
        Window1* second = Inspect(FolderItem(path));
        QVERIFY(second);
        QCOMPARE(second->Canvas1()->Backdrop(), first->Canvas1()->Backdrop());
    }

    void undecodablePictureIsTriedAgain() {
        QTemporaryDir resources;
        const QString broken =
            testsupport::WriteDocument(resources.filePath("cs2.pct"), 0, {{0, "not a picture"}});
        SetApplicationBundleResourcesForTesting(resources.path());
        const QString path = Write("cs2.indd", 48, testsupport::HeaderRuns(Order::Little, 4));
        Window1* first = Inspect(FolderItem(path));
        QVERIFY(first);
        QCOMPARE(first->Canvas1()->Backdrop(), nullptr);
        QCOMPARE(first->StaticText2()->Text(), QByteArray("Adobe InDesign CS2"));
        QCOMPARE(first->StaticText5()->Text(), QByteArray("不明"));
        QVERIFY(QFile::remove(broken) && QFile::copy(ResourcePath("cs2.pct"), broken));
        Window1* second = Inspect(FolderItem(path));
        QVERIFY(second);
        QVERIFY(Shown(second) == ImageOf("cs2.pct"));
    }

    void searchGivesTheEventLoopTurns() {
        // 64 MiB with the record in its last chunk: long enough to need turns.
        const quint64 last = testsupport::ChunkOffset(16000);
        const QString path = Write(
            "big.indd", last + 4096,
            testsupport::HeaderRuns(Order::Little, 6) +
                QList<ByteRun>{{last, testsupport::RecordChunk(Order::Little, 6, 0, "6.0.1.111")}});
        int turns = 0;
        QTimer timer;  // dies with this function, and its connection with it
        connect(&timer, &QTimer::timeout, &timer, [&turns] { ++turns; });
        timer.start(0);
        Window1* w = Inspect(FolderItem(path));
        timer.stop();
        QVERIFY(w);
        QCOMPARE(w->StaticText5()->Text(), QByteArray("6.0.1.111"));
        QVERIFY(turns > 0);
    }
};

QTEST_MAIN(VersionCheckTest)
#include "tst_versioncheck.moc"
