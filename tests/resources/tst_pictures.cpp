// The picture files the build puts into Resources beside bin/: decodable, of
// the size the windows lay out, and drawn so that keying out pure white
// leaves each badge and its lettering whole; and the pictures the windows
// get from their getters: loaded once, white keyed out of the badges only.
#include <QtGui>
#include <QtTest>

#include "resources/PictureText.h"
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

// Whether a badge's pixel is lettering: near white, inside the badge.
bool Ink(const QImage& badge, int x, int y) {
    const QColor c = badge.pixelColor(x, y);
    return QRect(6, 6, 52, 52).contains(x, y) && qMin(c.red(), qMin(c.green(), c.blue())) > 200;
}

// How well `text`, in bold and stretched over the badge's lettering, covers
// it: shared ink over all ink.
double Overlap(const QImage& badge, const QString& text) {
    QRectF box;
    for (int y = 0; y < badge.height(); ++y)
        for (int x = 0; x < badge.width(); ++x)
            if (Ink(badge, x, y)) box |= QRectF(x, y, 1, 1);
    QFont font(pictures::PictureFontFamily());
    font.setPixelSize(100);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    const QTransform fit =
        QTransform::fromTranslate(-ink.left(), -ink.top()) *
        QTransform::fromScale(box.width() / ink.width(), box.height() / ink.height()) *
        QTransform::fromTranslate(box.left(), box.top());
    QImage drawn(badge.size(), QImage::Format_RGB32);
    drawn.fill(Qt::black);
    QPainter(&drawn).fillPath(fit.map(path), Qt::white);
    int both = 0, either = 0;
    for (int y = 0; y < badge.height(); ++y) {
        for (int x = 0; x < badge.width(); ++x) {
            const bool a = Ink(badge, x, y), b = qGray(drawn.pixel(x, y)) > 127;
            both += a && b;
            either += a || b;
        }
    }
    return double(both) / std::max(either, 1);
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

    // Each badge says its own release, in a color of its own: read back by
    // matching its lettering against every release's name, and by the hue
    // of its ground.
    void badgeNamesItsRelease_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("hue");  // -1: grey
        // clang-format off
        QTest::newRow("CS")    << "cs.pct"   << "CS"    << 212;  // blue
        QTest::newRow("CS2")   << "cs2.pct"  << "CS2"   << 146;  // green
        QTest::newRow("CS3")   << "cs3.pct"  << "CS3"   << 24;   // orange
        QTest::newRow("CS4")   << "cs4.pct"  << "CS4"   << 262;  // purple
        QTest::newRow("CS5")   << "cs5.pct"  << "CS5"   << 4;    // red
        QTest::newRow("CS5.5") << "cs55.pct" << "CS5.5" << 183;  // teal
        QTest::newRow("none")  << "ind.pct"  << "?"     << -1;
        // clang-format on
    }
    void badgeNamesItsRelease() {
        QFETCH(QString, name);
        QFETCH(QString, label);
        QFETCH(int, hue);
        const QImage image = Load(name);
        const QColor ground = image.pixelColor(32, 52);  // below the lettering and the band
        // Of its color's family: within 20 degrees of hue, or grey.
        QVERIFY2(hue < 0 ? ground.hsvSaturation() < 20
                         : ground.hsvSaturation() > 100 &&
                               qAbs((ground.hsvHue() - hue + 540) % 360 - 180) <= 20,
                 qPrintable(ground.name()));
        QString best;
        double bestOverlap = 0;
        for (const char* release : {"CS", "CS2", "CS3", "CS4", "CS5", "CS5.5", "?"}) {
            const double overlap = Overlap(image, release);
            if (overlap > bestOverlap) std::tie(best, bestOverlap) = std::tuple(release, overlap);
        }
        QCOMPARE(best, label);
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
