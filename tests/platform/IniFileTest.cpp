#include "platform/IniFile.h"

#include "TestRegistry.h"
#include "platform/FileAccess.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace cw::platform;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A hand-edited file: comments, blank lines, odd spacing, a key outside any section and LF
// line ends beside CR LF.
const QByteArray kSample = "; written by hand\r\n"
                           "stray=1\r\n"
                           "[Alignment]\r\n"
                           "Control 000 Top = 3\r\n"
                           "Control 000 Left=\"-2\"\n"
                           "\r\n"
                           "[Other]\r\n"
                           "Name=Caf\xe9\r\n";

IniFile opened(const QString& path) {
    auto file = IniFile::open(path);
    if (!file)
        qFatal("cannot open %s", qPrintable(file.error()));
    return std::move(file).value();
}

} // namespace

class IniFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsWithWindowsRules_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("trimmed") << QByteArray("Alignment") << QByteArray("Control 000 Top")
                                 << QByteArray("3");
        QTest::newRow("quotes stripped")
            << QByteArray("Alignment") << QByteArray("Control 000 Left") << QByteArray("-2");
        QTest::newRow("names ignore case")
            << QByteArray("ALIGNMENT") << QByteArray("control 000 top") << QByteArray("3");
        QTest::newRow("Windows-1252 value")
            << QByteArray("other") << QByteArray("NAME") << QByteArray("Caf\xe9");
        QTest::newRow("key of another section")
            << QByteArray("Other") << QByteArray("Control 000 Top") << QByteArray("default");
        QTest::newRow("key outside sections")
            << QByteArray("") << QByteArray("stray") << QByteArray("default");
    }
    void readsWithWindowsRules() {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CWMAIN_Settings.ini"));
        QVERIFY(writeFileAtomically(path, kSample).ok());
        QCOMPARE(opened(path).readString(section, key, "default"), expected);
        // A section read in one pass answers the same.
        QCOMPARE(opened(path).section(section).readString(key, "default"), expected);
    }

    void aKeyTwiceReadsItsFirstLine() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.ini"));
        QVERIFY(writeFileAtomically(path, "[A]\r\nKey=1\r\nKEY=2\r\n[a]\r\nkey=3\r\n").ok());
        QCOMPARE(opened(path).readString("A", "key", {}), QByteArray("1"));
        QCOMPARE(opened(path).section("a").readString("key", {}), QByteArray("1"));
        QCOMPARE(opened(path).section("missing").readString("key", "none"), QByteArray("none"));
    }

    void integerKeepsTheLow16BitsSigned_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << QByteArray("42") << 42;
        QTest::newRow("negative") << QByteArray("-1") << -1;
        QTest::newRow("above 16 bits") << QByteArray("70000") << 4464;
        QTest::newRow("65535 is -1") << QByteArray("65535") << -1;
        QTest::newRow("32768 wraps") << QByteArray("32768") << -32768;
        QTest::newRow("below -16 bits") << QByteArray("-70000") << -4464;
        QTest::newRow("longer than 32 bits") << QByteArray("4294967297") << 1;
        QTest::newRow("trailing junk") << QByteArray("12abc") << 12;
        QTest::newRow("plus sign") << QByteArray("+7") << 7;
        QTest::newRow("no digits") << QByteArray("abc") << 99;
        QTest::newRow("sign only") << QByteArray("-") << 99;
        QTest::newRow("empty") << QByteArray("") << 99;
        QTest::newRow("quoted") << QByteArray("\"5\"") << 5;
    }
    void integerKeepsTheLow16BitsSigned() {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.ini"));
        QVERIFY(writeFileAtomically(path, "[Alignment]\r\nKey=" + value + "\r\n").ok());
        QCOMPARE(int(opened(path).readInteger("Alignment", "Key", 99)), expected);
        QCOMPARE(int(opened(path).section("Alignment").readInteger("key", 99)), expected);
    }

    void writeAndRemoveKeepEveryOtherLine() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CWMAIN_Settings.ini"));
        QVERIFY(writeFileAtomically(path, kSample).ok());
        IniFile file = opened(path);
        QVERIFY(file.writeString("alignment", "CONTROL 000 TOP", "5").ok());
        QVERIFY(file.writeString("Alignment", "Control 001 Top", "-1").ok());
        file.removeKey("Alignment", "control 000 left");
        QVERIFY(file.writeString("New", "Key", "v").ok());
        QVERIFY(file.save().ok());
        QCOMPARE(contents(path), QByteArray("; written by hand\r\n"
                                            "stray=1\r\n"
                                            "[Alignment]\r\n"
                                            "CONTROL 000 TOP=5\r\n"
                                            "Control 001 Top=-1\r\n"
                                            "\r\n"
                                            "[Other]\r\n"
                                            "Name=Caf\xe9\r\n"
                                            "[New]\r\n"
                                            "Key=v\r\n"));
    }

    void removingEveryKeyLeavesOtherSections() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.ini"));
        QVERIFY(writeFileAtomically(path, kSample).ok());
        IniFile file = opened(path);
        file.removeKey("Alignment", "Control 000 Top");
        file.removeKey("Alignment", "Control 000 Left");
        file.removeKey("Alignment", "Control 000 Left");
        file.removeKey("Missing", "Key");
        QVERIFY(file.hasSection("alignment"));
        QCOMPARE(file.readString("Alignment", "Control 000 Top", "gone"), QByteArray("gone"));
        QCOMPARE(file.readString("Other", "Name", ""), QByteArray("Caf\xe9"));
    }

    void badNamesAndValuesChangeNothing_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("value with CR LF")
            << QByteArray("Alignment") << QByteArray("K") << QByteArray("1\r\n[Other]");
        QTest::newRow("value with NUL")
            << QByteArray("Alignment") << QByteArray("K") << QByteArray("1\0002", 3);
        QTest::newRow("key with =")
            << QByteArray("Alignment") << QByteArray("a=b") << QByteArray("1");
        QTest::newRow("key like a section")
            << QByteArray("Alignment") << QByteArray("[x]") << QByteArray("1");
        QTest::newRow("empty key") << QByteArray("Alignment") << QByteArray(" ") << QByteArray("1");
        QTest::newRow("section with ]") << QByteArray("a]b") << QByteArray("K") << QByteArray("1");
        QTest::newRow("empty section") << QByteArray("") << QByteArray("K") << QByteArray("1");
    }
    void badNamesAndValuesChangeNothing() {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.ini"));
        QVERIFY(writeFileAtomically(path, kSample).ok());
        IniFile file = opened(path);
        const auto written = file.writeString(section, key, value);
        QVERIFY(!written.ok());
        QVERIFY2(written.error().contains(path), qPrintable(written.error()));
        QVERIFY(file.save().ok());
        QCOMPARE(contents(path), QByteArray(kSample).replace("\"-2\"\n", "\"-2\"\r\n"));
    }

    void missingFileIsEmptyAndUnreadableIsAnError() {
        QTemporaryDir dir;
        const auto missing = IniFile::open(dir.filePath(QStringLiteral("none.ini")));
        QVERIFY(missing.ok());
        QVERIFY(!missing->hasSection("Alignment"));

        QVERIFY(writeFileAtomically(dir.filePath(QStringLiteral("file")), "x").ok());
        QVERIFY(!IniFile::open(dir.filePath(QStringLiteral("file/a.ini"))).ok());
        QVERIFY(!IniFile::open(dir.path()).ok());
    }
};

CW_REGISTER_TEST(IniFileTest)
#include "IniFileTest.moc"
