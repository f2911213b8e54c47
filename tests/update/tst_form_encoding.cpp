// Form encoding: the escape table, the join of the pairs and the order the
// dictionary keeps.
#include <QTest>

#include "platform/core/Dictionary.h"
#include "platform/core/FormEncoding.h"

using platform::Dictionary;

class FormEncodingTest : public QObject {
    Q_OBJECT
private slots:
    void escapesText_data();
    void escapesText();
    void encodesProgramForm();
    void encodesPairsInStoringOrder();
    void encodesEmptyForm();
};

void FormEncodingTest::escapesText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    // Every character of the table, in the table's order.
    QTest::newRow("whole table")
        << QByteArray("%&=,/\\][{}`~-_()*^$#!+;<>\r\n")
        << QByteArray(
               "%25%26%3D%2C%2F%5C%5D%5B%7B%7D%60%7E%2D%5F%28%29%2A%5E%24%23%21%2B%3B%3C%3E%0D%0A");
    QTest::newRow("plus among spaces") << QByteArray(" a + b ") << QByteArray("+a+%2B+b+");
    QTest::newRow("escape written earlier is not escaped again")
        << QByteArray("%2B+") << QByteArray("%252B%2B");
    QTest::newRow("characters outside the table pass")
        << QByteArray("Az09.?@:'\"|\t") << QByteArray("Az09.?@:'\"|\t");
    QTest::newRow("bytes above ASCII pass")
        << QByteArray("\xE3\x81\x82") << QByteArray("\xE3\x81\x82");
    QTest::newRow("underscore of the key") << QByteArray("app_id") << QByteArray("app%5Fid");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void FormEncodingTest::escapesText() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(platform::EscapeFormText(text), expected);
}

void FormEncodingTest::encodesProgramForm() {
    Dictionary form;
    form.SetValue("app_id", "3");
    form.SetValue("ver", "120");
    form.SetValue("regi", "Unregistered");
    const QByteArray body = platform::EncodeForm(form);
    QCOMPARE(body, QByteArray("app%5Fid=3&ver=120&regi=Unregistered"));
    QCOMPARE(body.size(), 36);
}

void FormEncodingTest::encodesPairsInStoringOrder() {
    Dictionary form;
    form.SetValue("z", "1");
    form.SetValue("a=b", "x&y");
    form.SetValue("m", "2");
    // A key stored again keeps its first place and takes the new value.
    form.SetValue("z", "3 4");
    QCOMPARE(form.Count(), 3);
    QCOMPARE(platform::EncodeForm(form), QByteArray("z=3+4&a%3Db=x%26y&m=2"));
}

void FormEncodingTest::encodesEmptyForm() {
    QCOMPARE(platform::EncodeForm(Dictionary()), QByteArray());
}

QTEST_APPLESS_MAIN(FormEncodingTest)
#include "tst_form_encoding.moc"
