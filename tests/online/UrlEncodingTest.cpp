#include "online/UrlEncoding.h"

#include "TestRegistry.h"

#include <QTest>

using cw::online::urlEncode;

class UrlEncodingTest : public QObject {
    Q_OBJECT

private slots:
    void encodesByTheTable_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("blank") << QByteArray(" ") << QByteArray("+");
        QTest::newRow("ampersand and equals") << QByteArray("a&b=c") << QByteArray("a%26b%3dc");
        QTest::newRow("byte 233") << QByteArray("\xe9") << QByteArray("%e9");
        QTest::newRow("tilde") << QByteArray("~") << QByteArray("%7e");
        QTest::newRow("unencoded marks") << QByteArray("A-Z_.!") << QByteArray("A-Z_.!");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("all ten marks") << QByteArray("!$'()*-.@_") << QByteArray("!$'()*-.@_");
        QTest::newRow("CR LF and colon") << QByteArray("a\r\nb:") << QByteArray("a%0d%0ab%3a");
        QTest::newRow("quote, plus, percent") << QByteArray("\"+%") << QByteArray("%22%2b%25");
        QTest::newRow("byte 0, 127, 255")
            << QByteArray("\x00\x7f\xff", 3) << QByteArray("%00%7f%ff");
    }
    void encodesByTheTable() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, encoded);
        QCOMPARE(urlEncode(QByteArrayView(bytes)), encoded);
    }

    // Text travels as the program's 8-bit text; what it cannot hold becomes "?".
    void encodesTextAsWindows1252() {
        QCOMPARE(urlEncode(u"Jos\u00e9 \u20ac"), QByteArray("Jos%e9+%80"));
        QCOMPARE(urlEncode(u"a\u2603b\U0001F600c"), QByteArray("a%3fb%3fc"));
    }
};

CW_REGISTER_TEST(UrlEncodingTest)
#include "UrlEncodingTest.moc"
