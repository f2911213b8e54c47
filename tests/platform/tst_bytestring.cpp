// Byte-string functions: 1-based positions, nothing read outside the text.
#include <QTest>

#include "platform/core/ByteString.h"

using namespace platform;

class ByteStringTest : public QObject {
    Q_OBJECT
private slots:
    void midB_data();
    void midB();
    void inStrB_data();
    void inStrB();
    void fields_data();
    void fields();
    void chrIsOneRawByte();
};

void ByteStringTest::midB_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qsizetype>("start");
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("first byte") << QByteArray("abc") << qsizetype(1) << qsizetype(1)
                                << QByteArray("a");
    QTest::newRow("last byte") << QByteArray("abc") << qsizetype(3) << qsizetype(1)
                               << QByteArray("c");
    QTest::newRow("past the end") << QByteArray("abc") << qsizetype(4) << qsizetype(1)
                                  << QByteArray();
    QTest::newRow("count past the end")
        << QByteArray("abc") << qsizetype(2) << qsizetype(9) << QByteArray("bc");
    QTest::newRow("position 0 gives no byte")
        << QByteArray("abc") << qsizetype(0) << qsizetype(1) << QByteArray();
    QTest::newRow("negative position gives no byte")
        << QByteArray("abc") << qsizetype(-5) << qsizetype(3) << QByteArray();
    QTest::newRow("empty text") << QByteArray() << qsizetype(1) << qsizetype(1) << QByteArray();
    QTest::newRow("zero count") << QByteArray("abc") << qsizetype(1) << qsizetype(0)
                                << QByteArray();
}

void ByteStringTest::midB() {
    QFETCH(QByteArray, text);
    QFETCH(qsizetype, start);
    QFETCH(qsizetype, count);
    QFETCH(QByteArray, expected);
    QCOMPARE(MidB(text, start, count), expected);
}

void ByteStringTest::inStrB_data() {
    QTest::addColumn<qsizetype>("start");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("find");
    QTest::addColumn<qsizetype>("expected");
    QTest::newRow("start 0 finds at 1")
        << qsizetype(0) << QByteArray("xyz") << QByteArray("x") << qsizetype(1);
    QTest::newRow("1-based position")
        << qsizetype(0) << QByteArray("ab\x09@cd") << QByteArray("\x09@") << qsizetype(3);
    QTest::newRow("absent") << qsizetype(0) << QByteArray("abc") << QByteArray("d") << qsizetype(0);
    QTest::newRow("longer than text")
        << qsizetype(0) << QByteArray("ab") << QByteArray("abc") << qsizetype(0);
    QTest::newRow("empty find") << qsizetype(0) << QByteArray("ab") << QByteArray() << qsizetype(0);
    QTest::newRow("from a later start")
        << qsizetype(3) << QByteArray("abab") << QByteArray("ab") << qsizetype(3);
    QTest::newRow("high bytes") << qsizetype(0) << QByteArray("\x4E\x0E\x66\x6A\x30\xE6\x30")
                                << QByteArray("\xE6\x30") << qsizetype(6);
}

void ByteStringTest::inStrB() {
    QFETCH(qsizetype, start);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, find);
    QFETCH(qsizetype, expected);
    QCOMPARE(InStrB(start, text, find), expected);
}

void ByteStringTest::fields_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<QList<QByteArray>>("fields");
    QTest::newRow("empty text has no fields")
        << QByteArray() << QByteArray("@") << QList<QByteArray>{};
    QTest::newRow("no separator: one field")
        << QByteArray("abc") << QByteArray("@") << QList<QByteArray>{"abc"};
    QTest::newRow("separators at both ends")
        << QByteArray("@a@") << QByteArray("@") << QList<QByteArray>{"", "a", ""};
    QTest::newRow("two-byte separator")
        << QByteArray(
               "a\x40\x09"
               "b\x40\x09"
               "c")
        << QByteArray("\x40\x09") << QList<QByteArray>{"a", "b", "c"};
    QTest::newRow("overlapping separators count once")
        << QByteArray("aaa") << QByteArray("aa") << QList<QByteArray>{"", "a"};
}

void ByteStringTest::fields() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, separator);
    QFETCH(QList<QByteArray>, fields);
    QCOMPARE(CountFields(text, separator), fields.size());
    for (qsizetype i = 0; i < fields.size(); ++i)
        QCOMPARE(NthField(text, separator, i + 1), fields[i]);
    QCOMPARE(NthField(text, separator, 0), QByteArray());
    QCOMPARE(NthField(text, separator, fields.size() + 1), QByteArray());
}

void ByteStringTest::chrIsOneRawByte() {
    QCOMPARE(Chr(0xE6), QByteArray("\xE6"));
    QCOMPARE(Chr(0), QByteArray(1, '\0'));
    QCOMPARE(Chr(0x02).size(), 1);
}

QTEST_APPLESS_MAIN(ByteStringTest)
#include "tst_bytestring.moc"
