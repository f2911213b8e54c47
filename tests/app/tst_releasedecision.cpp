// VersionCheck from the header to the release shown, and its error road.
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/Class1.h"
#include "harness/AppHarness.h"
#include "platform/widgets/BundleResources.h"
#include "platform/widgets/FolderItem.h"
#include "platform/widgets/Window.h"
#include "windows/PictureGetters.h"
#include "windows/Window1.h"

using namespace platform;

namespace {

// A header of `size` bytes, zero but for the bytes given.
QByteArray Header(int size, std::initializer_list<std::pair<int, int>> bytes) {
    QByteArray data(size, '\0');
    for (const auto& [offset, value] : bytes) data[offset] = static_cast<char>(value);
    return data;
}

enum class Pic { None, CS, CS2, CS3, CS4, CS5, Ind };

windows::PicturePtr PictureOf(Pic pic) {
    switch (pic) {
        case Pic::CS:
            return windows::_x_cs::cs();
        case Pic::CS2:
            return windows::_x_cs2::cs2();
        case Pic::CS3:
            return windows::_x_cs3::cs3();
        case Pic::CS4:
            return windows::_x_cs4::cs4();
        case Pic::CS5:
            return windows::_x_cs5::cs5();
        case Pic::Ind:
            return windows::_x_ind::ind();
        case Pic::None:
            break;
    }
    return nullptr;
}

}  // namespace

Q_DECLARE_METATYPE(Pic)

class ReleaseDecisionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::StartApplication(); }
    void init() {
        QVERIFY(dir_.isValid());
        windows::ResetPictureCachesForTesting();
        SetApplicationBundleResourcesForTesting({});
    }
    void cleanup() {
        harness::CloseAllWindows();
        SetApplicationBundleResourcesForTesting({});
        windows::ResetPictureCachesForTesting();
    }

    void headerDecidesTheRelease_data();
    void headerDecidesTheRelease();
    void whatCannotBeReadTakesTheErrorRoad_data();
    void whatCannotBeReadTakesTheErrorRoad();
    void documentsOfOneReleaseShareOnePictureReadOnce();
    void undecodablePictureLeavesTheCanvasEmptyAndIsTriedAgain();
    void noResourcesFolderLeavesTheCanvasEmpty();

private:
    Window1* Inspect(const QByteArray& bytes, const char* name = "doc.indd");
    QString Write(const QString& name, const QByteArray& bytes);
    QTemporaryDir dir_;
};

QString ReleaseDecisionTest::Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return path;
}

Window1* ReleaseDecisionTest::Inspect(const QByteArray& bytes, const char* name) {
    FolderItem item(Write(QString::fromLatin1(name), bytes));
    const int before = WindowCount();
    App()->VersionCheck(&item);
    if (WindowCount() != before + 1) return nullptr;
    return dynamic_cast<Window1*>(WindowAt(0));
}

void ReleaseDecisionTest::headerDecidesTheRelease_data() {
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("release");
    QTest::addColumn<Pic>("picture");
    QTest::addColumn<QByteArray>("edition");
    QTest::addColumn<QByteArray>("subVersion");
    const QByteArray unknown = "バージョン不明", designSub = "サブバージョン不明", none = "不明";
    // Known releases go on to the record search, which finds nothing in a
    // document this short.
    QTest::newRow("big-endian CS3 by offset 32, whatever offset 29 holds")
        << Header(48, {{24, 0x02}, {29, 0x07}, {32, 0x05}}) << QByteArray("Adobe InDesign CS3")
        << Pic::CS3 << none << none;
    QTest::newRow("big-endian CS by offset 32")
        << Header(48, {{24, 0x02}, {32, 0x03}}) << QByteArray("Adobe InDesign CS") << Pic::CS
        << none << none;
    QTest::newRow("little-endian CS2 by offset 29, whatever offset 32 holds")
        << Header(48, {{24, 0x01}, {29, 0x04}, {32, 0x06}}) << QByteArray("Adobe InDesign CS2")
        << Pic::CS2 << none << none;
    QTest::newRow("any byte but 0x02 at offset 24 is little-endian")
        << Header(48, {{24, 0x03}, {29, 0x06}}) << QByteArray("Adobe InDesign CS4") << Pic::CS4
        << none << none;
    QTest::newRow("little-endian CS5")
        << Header(48, {{24, 0x01}, {29, 0x07}}) << QByteArray("Adobe InDesign CS5") << Pic::CS5
        << none << none;
    QTest::newRow("little-endian with 30 bytes has its release byte")
        << Header(30, {{29, 0x06}}) << QByteArray("Adobe InDesign CS4") << Pic::CS4 << none << none;
    QTest::newRow("big-endian with 32 bytes lacks its release byte")
        << Header(32, {{24, 0x02}, {29, 0x05}}) << unknown << Pic::Ind << QByteArray() << designSub;
    QTest::newRow("fewer than 25 bytes")
        << Header(24, {{23, 0x02}}) << unknown << Pic::Ind << QByteArray() << designSub;
    QTest::newRow("empty file") << QByteArray() << unknown << Pic::Ind << QByteArray() << designSub;
    for (int value : {0x00, 0x02, 0x08, 0xFF}) {
        QTest::addRow("release byte 0x%02X big-endian", value)
            << Header(48, {{24, 0x02}, {32, value}}) << unknown << Pic::Ind << QByteArray()
            << designSub;
        QTest::addRow("release byte 0x%02X little-endian", value)
            << Header(48, {{29, value}}) << unknown << Pic::Ind << QByteArray() << designSub;
    }
}

void ReleaseDecisionTest::headerDecidesTheRelease() {
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, release);
    QFETCH(Pic, picture);
    QFETCH(QByteArray, edition);
    QFETCH(QByteArray, subVersion);
    Window1* w = Inspect(header, "Some Document.indd");
    QVERIFY(w != nullptr);
    QCOMPARE(w->Title(), QStringLiteral("Some Document.indd"));
    QCOMPARE(w->StaticText2()->Text(), release);
    QVERIFY(w->Canvas1()->Backdrop() != nullptr);
    QCOMPARE(w->Canvas1()->Backdrop(), PictureOf(picture));
    QCOMPARE(w->StaticText3()->Text(), edition);
    QCOMPARE(w->StaticText5()->Text(), subVersion);
    QCOMPARE(harness::Quits().count, 0);
}

void ReleaseDecisionTest::whatCannotBeReadTakesTheErrorRoad_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("FIFO with no writer") << "fifo";
    QTest::newRow("/dev/zero") << "zero";
    QTest::newRow("dangling link") << "dangling";
    QTest::newRow("link loop") << "loop";
}

void ReleaseDecisionTest::whatCannotBeReadTakesTheErrorRoad() {
    QFETCH(QString, kind);
    QString path;
    if (kind == "folder") {
        path = dir_.filePath("a folder.indd");
        QVERIFY(QDir().mkdir(path));
    } else if (kind == "fifo") {
        path = dir_.filePath("pipe.indd");
        QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
    } else if (kind == "zero") {
        path = "/dev/zero";
    } else if (kind == "dangling") {
        path = dir_.filePath("dangling.indd");
        QVERIFY(QFile::link(dir_.filePath("gone.indd"), path));
    } else {
        path = dir_.filePath("loop.indd");
        QVERIFY(QFile::link(dir_.filePath("loop2.indd"), path));
        QVERIFY(QFile::link(path, dir_.filePath("loop2.indd")));
    }
    FolderItem item(path);
    QElapsedTimer timer;
    timer.start();
    harness::MessageBoxAnswerer answer;
    App()->VersionCheck(&item);
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(answer.Answered());
    QCOMPARE(answer.Text(), QStringLiteral("エラーが起こりましたので\n終了します"));
    QCOMPARE(harness::Quits().count, 1);
    QCOMPARE(harness::Quits().code, 0);
    auto* w = dynamic_cast<Window1*>(WindowAt(0));
    QVERIFY(w != nullptr);
    QCOMPARE(w->Title(), item.Name());
    QCOMPARE(w->Canvas1()->Backdrop(), nullptr);
    QCOMPARE(w->StaticText2()->Text(), QByteArray("Adobe InDesign CS3"));
    QCOMPARE(w->StaticText5()->Text(), QByteArray("サブバージョン不明"));
}

void ReleaseDecisionTest::documentsOfOneReleaseShareOnePictureReadOnce() {
    QTemporaryDir resources;
    QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/../Resources/cs3.pct",
                        resources.filePath("cs3.pct")));
    SetApplicationBundleResourcesForTesting(resources.path());
    const QByteArray cs3 = Header(48, {{24, 0x02}, {32, 0x05}});
    Window1* first = Inspect(cs3, "one.indd");
    QVERIFY(first && first->Canvas1()->Backdrop());
    QCOMPARE(first->Canvas1()->Backdrop()->Transparent(), 1);
    // Gone from disk: a second read would fail, so a picture now proves the
    // first one is being reused.
    QVERIFY(QFile::remove(resources.filePath("cs3.pct")));
    Window1* second = Inspect(cs3, "two.indd");
    QVERIFY(second != nullptr);
    QCOMPARE(second->Canvas1()->Backdrop(), first->Canvas1()->Backdrop());
}

void ReleaseDecisionTest::undecodablePictureLeavesTheCanvasEmptyAndIsTriedAgain() {
    QTemporaryDir resources;
    QFile broken(resources.filePath("cs2.pct"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    SetApplicationBundleResourcesForTesting(resources.path());
    const QByteArray cs2 = Header(48, {{29, 0x04}});
    Window1* first = Inspect(cs2, "one.indd");
    QVERIFY(first != nullptr);
    QCOMPARE(first->Canvas1()->Backdrop(), nullptr);
    QCOMPARE(first->StaticText2()->Text(), QByteArray("Adobe InDesign CS2"));
    QCOMPARE(first->StaticText5()->Text(), QByteArray("不明"));
    QCOMPARE(harness::Quits().count, 0);

    QVERIFY(QFile::remove(broken.fileName()));
    QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/../Resources/cs2.pct",
                        broken.fileName()));
    Window1* second = Inspect(cs2, "two.indd");
    QVERIFY(second != nullptr);
    QVERIFY(second->Canvas1()->Backdrop() != nullptr);
    QCOMPARE(second->Canvas1()->Backdrop()->Width(), 64);
}

void ReleaseDecisionTest::noResourcesFolderLeavesTheCanvasEmpty() {
    SetApplicationBundleResourcesForTesting(dir_.filePath("no such folder"));
    Window1* w = Inspect(Header(48, {{29, 0x09}}));
    QVERIFY(w != nullptr);
    QCOMPARE(w->Canvas1()->Backdrop(), nullptr);
    QCOMPARE(w->StaticText2()->Text(), QByteArray("バージョン不明"));
    QCOMPARE(harness::Quits().count, 0);
}

QTEST_MAIN(ReleaseDecisionTest)
#include "tst_releasedecision.moc"
