// Property lists: the byte format, reading back, and applying to widgets.
#include <QTest>

#include "platform/widgets/Label.h"
#include "platform/widgets/PropertyList.h"

using namespace platform;

class PropertyListTest : public QObject {
    Q_OBJECT
private slots:
    void encodesEachTypeAsDocumented_data();
    void encodesEachTypeAsDocumented();
    void decodesWhatItEncodes();
    void stopsAtAnEntryItCannotRead_data();
    void stopsAtAnEntryItCannotRead();
    void appliesInListOrder();
};

void PropertyListTest::encodesEachTypeAsDocumented_data() {
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<QByteArray>("hex");
    QTest::newRow("Width 280") << EncodePropertyList({{"Width", Integer(280)}})
                               << QByteArray("576964746820 00000118");
    QTest::newRow("Visible True") << EncodePropertyList({{"Visible", Boolean(true)}})
                                  << QByteArray("56697369626c6520 01");
    QTest::newRow("TextColor blue") << EncodePropertyList({{"TextColor", ColorValue(0, 0, 0xFF)}})
                                    << QByteArray("54657874436f6c6f7220 0000ff");
    QTest::newRow("empty Title") << EncodePropertyList({{"Title", Text("")}})
                                 << QByteArray("5469746c6520 00000000");
    QTest::newRow("TextFont Osaka") << EncodePropertyList({{"TextFont", Text("Osaka")}})
                                    << QByteArray("54657874466f6e7420 000000054f73616b61");
    QTest::newRow("Index of no control array")
        << EncodePropertyList({{"Index", Integer(kNoControlArray)}})
        << QByteArray("496e64657820 80000000");
}

void PropertyListTest::encodesEachTypeAsDocumented() {
    QFETCH(QByteArray, encoded);
    QFETCH(QByteArray, hex);
    QCOMPARE(encoded.toHex(), hex.replace(" ", ""));
}

void PropertyListTest::decodesWhatItEncodes() {
    const QByteArray list = EncodePropertyList({{"Name", Text("StaticText1")},
                                                {"Left", Integer(-20)},
                                                {"Bold", Boolean(true)},
                                                {"TextColor", ColorValue(1, 2, 3)},
                                                {"Text", Text("サブバージョン不明")}});
    const auto entries = DecodePropertyList(list);
    QCOMPARE(entries.size(), size_t(5));
    QCOMPARE(entries[0].name, QByteArray("Name"));
    QCOMPARE(AsText(entries[0].value), QByteArray("StaticText1"));
    QCOMPARE(AsInteger(entries[1].value), -20);
    QCOMPARE(AsBoolean(entries[2].value), true);
    QVERIFY(AsColor(entries[3].value) == (Color{1, 2, 3}));
    QCOMPARE(AsText(entries[4].value), QByteArray("サブバージョン不明"));
}

void PropertyListTest::stopsAtAnEntryItCannotRead_data() {
    const QByteArray good = EncodePropertyList({{"Width", Integer(5)}});
    QTest::addColumn<QByteArray>("list");
    QTest::newRow("ends inside an integer") << good + QByteArray("Height \x00\x01", 9);
    QTest::newRow("text longer than the list") << good + QByteArray(
                                                             "Title \x00\x00\x01\x00"
                                                             "abc",
                                                             13);
    QTest::newRow("unknown name") << good + QByteArray("Sparkle \x01");
    QTest::newRow("no separator") << good + QByteArray("Width");
    QTest::newRow("empty name") << good + QByteArray(" \x01");
}

void PropertyListTest::stopsAtAnEntryItCannotRead() {
    QFETCH(QByteArray, list);
    const auto entries = DecodePropertyList(list);
    QCOMPARE(entries.size(), size_t(1));
    QCOMPARE(AsInteger(entries[0].value), 5);
}

void PropertyListTest::appliesInListOrder() {
    QWidget parent;
    Label label(&parent);
    SetProperties(label, EncodePropertyList({{"Left", Integer(10)},
                                             {"Top", Integer(20)},
                                             {"Width", Integer(30)},
                                             {"Height", Integer(40)},
                                             {"Text", Text("first")},
                                             {"Text", Text("second")},
                                             {"TextColor", ColorValue(0, 0, 0xFF)},
                                             {"Enabled", Boolean(false)}}));
    QCOMPARE(label.geometry(), QRect(10, 20, 30, 40));
    QCOMPARE(label.Text(), QByteArray("second"));
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(!label.isEnabled());
}

QTEST_MAIN(PropertyListTest)
#include "tst_propertylist.moc"
