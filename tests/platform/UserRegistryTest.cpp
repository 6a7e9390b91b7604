#include "platform/UserRegistry.h"

#include "FileSizeLimit.h"
#include "TempHome.h"
#include "TestRegistry.h"
#include "platform/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>

using namespace cw::platform;

namespace {

const QString kKey = QStringLiteral("Software\\Quillmark");

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every character a Windows-1252 byte decodes to.
QString everyWindows1252Character() {
    QString text;
    for (char16_t c = 0; c < 0x100; ++c)
        text += QChar(c);
    text += QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
    return text;
}

} // namespace

class UserRegistryTest : public QObject {
    Q_OBJECT

private slots:
    void anyTextSurvivesAWriteAndARead_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("CR LF lines") << QStringLiteral("[PRINTALIGNMENT1]\r\n17\r\n");
        QTest::newRow("lone CR and LF") << QStringLiteral("a\rb\nc\r");
        QTest::newRow("NUL") << QString(QChar(0)) + QStringLiteral("x") + QChar(0);
        QTest::newRow("every Windows-1252 character") << everyWindows1252Character();
        QTest::newRow("escape look-alikes") << QStringLiteral("C:\\new\\u0041\"quoted\"\\");
        QTest::newRow("lone surrogate and pair")
            << QString(QChar(0xD800)) + QStringLiteral("😀") + QChar(0xDFFF);
        QTest::newRow("bracket lines") << QStringLiteral("[Software\\Other]\n\"x\"=int:1\n");
    }
    void anyTextSurvivesAWriteAndARead() {
        QFETCH(QString, text);
        cw::test::TempHome home;
        UserRegistry writer;
        QVERIFY(writer.writeText(kKey, u"UB92CW", text).ok());
        const auto read = UserRegistry().readText(kKey, u"UB92CW");
        QVERIFY(read.ok());
        QVERIFY(read->has_value());
        QCOMPARE(**read, text);
    }

    void storeLivesInTheUserConfigFolder() {
        cw::test::TempHome home;
        QCOMPARE(UserRegistry().filePath(), home.configHome() + u"/Quillmark/registry.txt"_qs);
    }

    void missingValueIsNotAnError() {
        cw::test::TempHome home;
        UserRegistry registry;
        const auto beforeAnyFile = registry.readText(kKey, u"UB92CW");
        QVERIFY(beforeAnyFile.ok());
        QVERIFY(!beforeAnyFile->has_value());

        QVERIFY(registry.writeText(kKey, u"Other", QStringLiteral("x")).ok());
        const auto otherValue = registry.readText(kKey, u"UB92CW");
        QVERIFY(otherValue.ok());
        QVERIFY(!otherValue->has_value());
        QVERIFY(!registry.readInteger(u"Software\\Nobody", u"Left")->has_value());
    }

    void namesIgnoreCase() {
        cw::test::TempHome home;
        UserRegistry registry;
        QVERIFY(registry
                    .writeText(u"\\Software\\Quillmark\\Preferences", u"Box Left",
                               QStringLiteral("old"))
                    .ok());
        QVERIFY(
            registry
                .writeText(u"software\\QUILLMARK\\preferences", u"BOX LEFT", QStringLiteral("new"))
                .ok());
        QCOMPARE(registry.readText(u"Software\\Quillmark\\Preferences", u"box left")->value(),
                 QStringLiteral("new"));
        QCOMPARE(contents(registry.filePath()).count("Box Left"), 1);
    }

    void writingOneValueKeepsTheOthers() {
        cw::test::TempHome home;
        UserRegistry registry;
        QVERIFY(registry.writeText(kKey, u"UB92CW", QStringLiteral("first")).ok());
        QVERIFY(registry.writeText(kKey, u"Second", QStringLiteral("second")).ok());
        QVERIFY(registry.writeInteger(u"Software\\Quillmark\\Preferences", u"Left", -8).ok());
        QVERIFY(registry.writeText(kKey, u"UB92CW", QStringLiteral("changed")).ok());

        QCOMPARE(registry.readText(kKey, u"UB92CW")->value(), QStringLiteral("changed"));
        QCOMPARE(registry.readText(kKey, u"Second")->value(), QStringLiteral("second"));
        QCOMPARE(registry.readInteger(u"Software\\Quillmark\\Preferences", u"Left")->value(), -8);
    }

    void valueOfTheOtherTypeIsAnError() {
        cw::test::TempHome home;
        UserRegistry registry;
        QVERIFY(registry.writeInteger(kKey, u"Left", 5).ok());
        QVERIFY(registry.writeText(kKey, u"Name", QStringLiteral("5")).ok());
        QVERIFY(!registry.readText(kKey, u"Left").ok());
        QVERIFY(!registry.readInteger(kKey, u"Name").ok());
    }

    void unusableStoreIsAnErrorAndIsNotOverwritten_data() {
        QTest::addColumn<QByteArray>("storeFile"); // written as .config/Quillmark/registry.txt
        QTest::addColumn<bool>("folderIsAFile");   // .config/Quillmark is a regular file
        QTest::addColumn<int>("errorCode");
        QTest::newRow("folder is a regular file") << QByteArray("x") << true << ENOTDIR;
        QTest::newRow("line not understood")
            << QByteArray("[Software\\Quillmark]\nUB92CW=1\n") << false << 0;
        QTest::newRow("value before any key") << QByteArray("\"UB92CW\"=\"x\"\n") << false << 0;
        QTest::newRow("broken escape") << QByteArray("[K]\n\"a\"=\"\\q\"\n") << false << 0;
        QTest::newRow("unterminated text") << QByteArray("[K]\n\"a\"=\"abc\n") << false << 0;
        QTest::newRow("number out of range")
            << QByteArray("[K]\n\"a\"=int:99999999999\n") << false << 0;
        QTest::newRow("not UTF-8") << QByteArray("[K]\n\"a\"=\"\xff\xfe\"\n") << false << 0;
    }
    void unusableStoreIsAnErrorAndIsNotOverwritten() {
        QFETCH(QByteArray, storeFile);
        QFETCH(bool, folderIsAFile);
        QFETCH(int, errorCode);
        cw::test::TempHome home;
        UserRegistry registry;
        const QString onDisk =
            folderIsAFile ? home.configHome() + u"/Quillmark"_qs : registry.filePath();
        QVERIFY(QDir().mkpath(QFileInfo(onDisk).absolutePath()));
        QVERIFY(writeFileAtomically(onDisk, storeFile).ok());

        const auto read = registry.readText(kKey, u"UB92CW");
        QVERIFY(!read.ok());
        QVERIFY2(read.error().contains(registry.filePath()), qPrintable(read.error()));
        QCOMPARE(registry.lastErrorCode(), errorCode);

        QVERIFY(!registry.writeText(kKey, u"UB92CW", QStringLiteral("new")).ok());
        QCOMPARE(registry.lastErrorCode(), errorCode);
        QCOMPARE(contents(onDisk), storeFile);
    }

    void failedWriteKeepsTheStoredValues() {
        cw::test::TempHome home;
        UserRegistry registry;
        QVERIFY(registry.writeText(kKey, u"UB92CW", QStringLiteral("saved")).ok());
        {
            cw::test::FileSizeLimit limit(256);
            const auto written = registry.writeText(kKey, u"UB92CW", QString(4096, u'x'));
            QVERIFY(!written.ok());
            QCOMPARE(registry.lastErrorCode(), EFBIG);
        }
        QCOMPARE(registry.readText(kKey, u"UB92CW")->value(), QStringLiteral("saved"));
        QCOMPARE(registry.lastErrorCode(), 0);
    }

    void keyThatCannotBeWrittenIsRefused_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("empty") << QString();
        QTest::newRow("only separators") << QStringLiteral("\\\\");
        QTest::newRow("empty part") << QStringLiteral("Software\\\\Quillmark");
        QTest::newRow("line break") << QStringLiteral("Software\nQuillmark");
    }
    void keyThatCannotBeWrittenIsRefused() {
        QFETCH(QString, key);
        cw::test::TempHome home;
        UserRegistry registry;
        QVERIFY(registry.writeText(kKey, u"UB92CW", QStringLiteral("kept")).ok());
        const QByteArray before = contents(registry.filePath());
        QVERIFY(!registry.writeText(key, u"UB92CW", QStringLiteral("x")).ok());
        QCOMPARE(contents(registry.filePath()), before);
    }
};

CW_REGISTER_TEST(UserRegistryTest)
#include "UserRegistryTest.moc"
