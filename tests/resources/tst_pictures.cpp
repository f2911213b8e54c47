// The pictures the build draws, as the user gets them: every picture file
// put into Resources beside bin/ and every size of the icon theme's icon,
// decoded from its bytes as the program does, against its reviewed snapshot
// pixel for pixel; the pictures as drawn where only the Japanese face is
// installed; and the drawing tool stopping the build, saying why, when it
// cannot make them.
#include <QtGui>
#include <QtTest>

#include "harness/Snapshot.h"
#include "resources/PictureSet.h"
#include "support/CraftedDocument.h"

class PicturesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void builtPictureIsAsReviewed_data() {
        QTest::addColumn<QString>("file");
        // Each file built and each snapshot reviewed must have the other.
        const QString built = QCoreApplication::applicationDirPath() + "/../";
        std::map<QString, QString> files;  // snapshot: built file
        for (const QString folder : {"pictures", "icons"})
            for (const QString& name :
                 QDir(TARNWICK_SNAPSHOTS_DIR "/" + folder).entryList(QDir::Files))
                files[folder + '/' + name];
        for (const QString& name : QDir(built + "Resources").entryList(QDir::Files))
            files["pictures/" + QFileInfo(name).baseName() + ".png"] = built + "Resources/" + name;
        QDirIterator icons(built + "resources/icons", QDir::Files, QDirIterator::Subdirectories);
        while (icons.hasNext()) {  // <size>x<size>/apps/<name>.png
            const QFileInfo icon(icons.next());
            const QString size = icon.path().section('/', -2, -2).section('x', 0, 0);
            files[QStringLiteral("icons/%1-%2.png").arg(icon.baseName(), size)] = icon.filePath();
        }
        for (const auto& [snapshot, file] : files) QTest::newRow(qPrintable(snapshot)) << file;
    }
    void builtPictureIsAsReviewed() {
        QFETCH(QString, file);
        QFile bytes(file);
        QVERIFY2(bytes.open(QIODevice::ReadOnly), "the build made no such file");
        VERIFY_SNAPSHOT(QTest::currentDataTag(), QImage::fromData(bytes.readAll()));
    }

    // Without DejaVu Sans the lettering is thickened by hand.
    void picturesInTheFallbackFace() {
        for (const pictures::NamedPicture& picture : pictures::DrawPictureSet("IPAPGothic"))
            VERIFY_SNAPSHOT(
                "pictures-ipapgothic/" + QFileInfo(picture.fileName).baseName() + ".png",
                picture.image);
    }

    void drawingToolStopsTheBuild_data() {
        QTest::addColumn<QStringList>("arguments");  // after the fontconfig file ("": the system's)
        QTest::addColumn<QString>("says");           // the exit status, then what it writes
        const QString d = dir_.path(), taken = d + "/taken";  // its cs.pct is a folder
        QVERIFY(QDir().mkpath(taken + "/cs.pct"));
        const QString none =
            testsupport::WriteDocument(d + "/none.conf", 0, {{0, "<fontconfig/>"}});
        // clang-format off
        QTest::newRow("no folders")             << QStringList{""}                                << "2 usage: make_pictures";
        QTest::newRow("no fonts")               << QStringList{none, d + "/p", d + "/i", "t"}     << "1 no usable font";
        QTest::newRow("picture folder blocked") << QStringList{"", "/dev/null/p", d + "/i", "t"}  << "1 cannot create folder /dev/null/p";
        QTest::newRow("picture file blocked")   << QStringList{"", taken, d + "/i", "t"}          << "1 cannot write " + taken + "/cs.pct";
        QTest::newRow("icon folder blocked")    << QStringList{"", d + "/p", "/dev/null/i", "t"}  << "1 cannot write /dev/null/i/";
        // clang-format on
    }
    void drawingToolStopsTheBuild() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, says);
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ASAN_OPTIONS", "detect_leaks=0");  // as the build runs it
        if (!arguments.first().isEmpty()) env.insert("FONTCONFIG_FILE", arguments.first());
        tool.setProcessEnvironment(env);
        tool.start(QCoreApplication::applicationDirPath() + "/make_pictures", arguments.mid(1));
        QVERIFY(tool.waitForFinished(20000));
        QCOMPARE(QString::number(tool.exitCode()), says.section(' ', 0, 0));
        QVERIFY2(tool.readAllStandardError().contains(says.section(' ', 1).toUtf8()),
                 qPrintable(says));
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
