// The picture files the build puts into Resources beside bin/: present,
// decodable, of the size the windows lay out, and drawn so that keying out
// pure white leaves the badge and its lettering whole.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

namespace {

const QStringList kBadgeFiles = {"cs.pct",  "cs2.pct",  "cs3.pct", "cs4.pct",
                                 "cs5.pct", "cs55.pct", "ind.pct"};

QString ResourcesPath(const QString& fileName) {
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources"))
        .filePath(fileName);
}

// Decodes from the bytes, as the program does, so the extension plays no part.
QImage LoadPicture(const QString& fileName) {
    QFile file(ResourcesPath(fileName));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QImage image;
    image.loadFromData(file.readAll());
    return image.convertToFormat(QImage::Format_RGB32);
}

bool IsKeyWhite(QRgb pixel) { return (pixel & 0x00FFFFFFu) == 0x00FFFFFFu; }

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void decodesAtItsSize_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QSize>("size");
        for (const QString& name : kBadgeFiles) {
            QTest::newRow(qPrintable(name)) << name << QSize(64, 64);
        }
        QTest::newRow("pelnor.pct") << QStringLiteral("pelnor.pct") << QSize(170, 65);
    }

    void decodesAtItsSize() {
        QFETCH(QString, fileName);
        QFETCH(QSize, size);
        QVERIFY2(QFile::exists(ResourcesPath(fileName)), qPrintable(ResourcesPath(fileName)));
        const QImage image = LoadPicture(fileName);
        QVERIFY2(!image.isNull(), "not decodable as a picture");
        QCOMPARE(image.size(), size);
    }

    void badgeSurvivesWhiteKey_data() {
        QTest::addColumn<QString>("fileName");
        for (const QString& name : kBadgeFiles) QTest::newRow(qPrintable(name)) << name;
    }

    // The program keys out pure white: the corners must go, the badge must
    // stay, and so must its lettering (drawn near-white, never pure white).
    void badgeSurvivesWhiteKey() {
        QFETCH(QString, fileName);
        const QImage image = LoadPicture(fileName);
        QVERIFY(!image.isNull());
        const int last = image.width() - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
            QVERIFY2(IsKeyWhite(image.pixel(corner)), "corner not keyable white");
        }
        int kept = 0;
        int keyedInside = 0;
        int light = 0;
        const QRect inside = image.rect().adjusted(6, 6, -6, -6);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (!IsKeyWhite(pixel)) ++kept;
                if (inside.contains(x, y)) {
                    if (IsKeyWhite(pixel)) ++keyedInside;
                    if (qGray(pixel) > 230) ++light;
                }
            }
        }
        QVERIFY2(kept > image.width() * image.height() * 3 / 4, "badge too small");
        QCOMPARE(keyedInside, 0);
        // The lettering: a visible share of light pixels inside the badge.
        QVERIFY2(light > 40, qPrintable(QStringLiteral("only %1 light pixels").arg(light)));
    }

    void badgesDiffer() {
        QList<QImage> badges;
        for (const QString& name : kBadgeFiles) {
            badges.append(LoadPicture(name));
            QVERIFY2(!badges.last().isNull(), qPrintable(name));
        }
        for (qsizetype i = 0; i < badges.size(); ++i) {
            for (qsizetype j = i + 1; j < badges.size(); ++j) {
                QVERIFY2(badges[i] != badges[j],
                         qPrintable(kBadgeFiles[i] + QStringLiteral(" == ") + kBadgeFiles[j]));
            }
        }
    }

    // The About window shows the logo unkeyed on white: it needs ink.
    void logoHasInk() {
        const QImage logo = LoadPicture(QStringLiteral("pelnor.pct"));
        QVERIFY(!logo.isNull());
        int ink = 0;
        for (int y = 0; y < logo.height(); ++y) {
            for (int x = 0; x < logo.width(); ++x) {
                if (qGray(logo.pixel(x, y)) < 128) ++ink;
            }
        }
        QVERIFY2(ink > logo.width() * logo.height() / 10, qPrintable(QString::number(ink)));
    }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
