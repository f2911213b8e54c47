// The pictures the build draws, as the user gets them: every picture file
// put into Resources beside bin/ and every size of the icon theme's icon,
// decoded from its bytes as the program does, against its reviewed snapshot
// pixel for pixel; and the pictures as drawn where only the Japanese face is
// installed.
#include <QtGui>
#include <QtTest>

#include "harness/Snapshot.h"
#include "resources/PictureSet.h"

class PicturesTest : public QObject {
    Q_OBJECT
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
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
