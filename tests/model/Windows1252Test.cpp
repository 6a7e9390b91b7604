#include "model/Windows1252.h"

#include "TestRegistry.h"

#include <QTest>

using cw::model::Windows1252;

class Windows1252Test : public QObject {
    Q_OBJECT

private slots:
    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = Windows1252::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(Windows1252::firstUnencodable(text), -1);
        QCOMPARE(Windows1252::encode(text), all);
    }

    void mapping_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("undefined 81 stays a control") << 0x81 << 0x81;
        QTest::newRow("left double quote") << 0x93 << 0x201C;
        QTest::newRow("Y diaeresis") << 0x9F << 0x178;
        QTest::newRow("nbsp") << 0xA0 << 0xA0;
        QTest::newRow("y diaeresis") << 0xFF << 0xFF;
    }
    void mapping() {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const QString text = Windows1252::decode(QByteArray(1, static_cast<char>(byte)));
        QCOMPARE(int(text.at(0).unicode()), unicode);
    }

    void unencodableCharactersAreFound_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("description");
        QTest::newRow("snowman") << QStringLiteral("ab\u2603c") << 2
                                 << QStringLiteral("“\u2603” (U+2603)");
        QTest::newRow("C1 control with a byte of its own elsewhere")
            << QStringLiteral("\u0080") << 0 << QStringLiteral("“\u0080” (U+0080)");
        QTest::newRow("emoji as a surrogate pair")
            << QStringLiteral("x\U0001F600") << 1 << QStringLiteral("“\U0001F600” (U+1F600)");
        QTest::newRow("Cyrillic") << QStringLiteral("Ж") << 0 << QStringLiteral("“Ж” (U+0416)");
    }
    void unencodableCharactersAreFound() {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(QString, description);
        QCOMPARE(Windows1252::firstUnencodable(text), position);
        QCOMPARE(Windows1252::describeCharacterAt(text, position), description);
    }
};

CW_REGISTER_TEST(Windows1252Test)
#include "Windows1252Test.moc"
