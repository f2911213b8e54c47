// The picture files the build puts into Resources beside bin/: decodable, of
// the size the windows lay out, and drawn so that keying out pure white
// leaves each badge and its lettering whole.
#include <QtGui>
#include <QtTest>

namespace {

const QStringList kBadges = {"cs.pct",  "cs2.pct",  "cs3.pct", "cs4.pct",
                             "cs5.pct", "cs55.pct", "ind.pct"};
const QRgb kKeyWhite = qRgb(255, 255, 255);

// Decoded from the bytes, as the program does: the extension plays no part.
QImage Load(const QString& name) {
    QFile file(QCoreApplication::applicationDirPath() + "/../Resources/" + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QImage::fromData(file.readAll()).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void pictureHasItsLookAndSize_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : kBadges + QStringList{"pelnor.pct"})
            QTest::newRow(qPrintable(name)) << name;
    }

    void pictureHasItsLookAndSize() {
        QFETCH(QString, name);
        const bool logo = name == "pelnor.pct";
        const QImage image = Load(name);
        QCOMPARE(image.size(), logo ? QSize(170, 65) : QSize(64, 64));
        int keyedInside = 0, light = 0, ink = 0;  // ink: dark pixels
        const QRect inside = image.rect().adjusted(6, 6, -6, -6);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                ink += qGray(pixel) < 128 ? 1 : 0;
                if (!inside.contains(x, y)) continue;
                keyedInside += pixel == kKeyWhite ? 1 : 0;
                light += qGray(pixel) > 230 ? 1 : 0;
            }
        }
        // The logo is shown unkeyed on white: it needs ink.
        QVERIFY2(!logo || ink > 170 * 65 / 10, qPrintable(QString::number(ink)));
        if (logo) return;
        // Keying out white takes the corners and nothing inside the badge,
        // whose near-white lettering stays.
        QVERIFY(image.pixel(0, 0) == kKeyWhite && image.pixel(63, 63) == kKeyWhite);
        QCOMPARE(keyedInside, 0);
        QVERIFY2(light > 40, qPrintable(QString::number(light)));
        for (const QString& other : kBadges) QVERIFY(other == name || Load(other) != image);
    }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
