// The picture files the build puts into Resources beside bin/: decodable, of
// the size the windows lay out, and drawn so that keying out pure white
// leaves each badge and its lettering whole; and the pictures the windows
// get from their getters: loaded once, white keyed out of the badges only.
#include <QtGui>
#include <QtTest>

#include "windows/PictureGetters.h"

namespace {

const QStringList kBadges = {"cs.pct",  "cs2.pct",  "cs3.pct", "cs4.pct",
                             "cs5.pct", "cs55.pct", "ind.pct"};
const QRgb kKeyWhite = qRgb(255, 255, 255);
// clang-format off
using Getter = windows::PicturePtr (*)();
const Getter kGetters[] = {&windows::_x_cs::cs,     &windows::_x_cs2::cs2,   &windows::_x_cs3::cs3,
                           &windows::_x_cs4::cs4,   &windows::_x_cs5::cs5,   &windows::_x_cs55::cs55,
                           &windows::_x_ind::ind,   &windows::_x_pelnor::pelnor};  // kBadges order
// clang-format on

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
        const Getter getter = kGetters[logo ? 7 : kBadges.indexOf(name)];
        const windows::PicturePtr shown = getter();
        QVERIFY(shown && shown == getter());
        const QImage drawn = shown->Pixmap().toImage();
        int keyedInside = 0, light = 0, ink = 0, white = 0, seeThrough = 0;  // ink: dark pixels
        const QRect inside = image.rect().adjusted(6, 6, -6, -6);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                ink += qGray(pixel) < 128 ? 1 : 0;
                white += pixel == kKeyWhite ? 1 : 0;
                seeThrough += qAlpha(drawn.pixel(x, y)) == 0 ? 1 : 0;
                if (!inside.contains(x, y)) continue;
                keyedInside += pixel == kKeyWhite ? 1 : 0;
                light += qGray(pixel) > 230 ? 1 : 0;
            }
        }
        // The logo is shown unkeyed on white: it needs ink.
        QVERIFY2(!logo || ink > 170 * 65 / 10, qPrintable(QString::number(ink)));
        QCOMPARE(seeThrough, logo ? 0 : white);  // the logo keeps its white ground
        if (logo) return;
        // Keying out white takes the corners and nothing inside the badge,
        // whose near-white lettering stays.
        QVERIFY(image.pixel(0, 0) == kKeyWhite && image.pixel(63, 63) == kKeyWhite);
        QCOMPARE(keyedInside, 0);
        QVERIFY2(light > 40, qPrintable(QString::number(light)));
        for (const QString& other : kBadges) QVERIFY(other == name || Load(other) != image);
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
