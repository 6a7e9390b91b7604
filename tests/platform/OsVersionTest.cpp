#include "platform/OsVersion.h"

#include "TestRegistry.h"

#include <QSysInfo>
#include <QTest>

using namespace cw::platform;

class OsVersionTest : public QObject {
    Q_OBJECT

private slots:
    void windowsVersionText_data() {
        QTest::addColumn<int>("platformId");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("build");
        QTest::addColumn<QString>("expected");
        const QString unknown = QStringLiteral("Windows version unknown");
        QTest::newRow("Win32s") << 0 << 3 << 1 << 0 << u"Windows 32 bits"_qs;
        QTest::newRow("95 build 999") << 1 << 4 << 0 << 999 << u"Windows 95"_qs;
        QTest::newRow("95 build 1000") << 1 << 4 << 0 << 1000 << unknown;
        QTest::newRow("95 build 1110") << 1 << 4 << 0 << 1110 << unknown;
        QTest::newRow("95 build 1111") << 1 << 4 << 0 << 1111 << u"Windows 95 b"_qs;
        QTest::newRow("95 build 1112") << 1 << 4 << 0 << 1112 << u"Windows 95c"_qs;
        QTest::newRow("98 build 1999") << 1 << 4 << 10 << 1999 << u"Windows 98"_qs;
        QTest::newRow("98 build 2000") << 1 << 4 << 10 << 2000 << unknown;
        QTest::newRow("98 build 2001") << 1 << 4 << 10 << 2001 << u"Windows 98 second edition"_qs;
        QTest::newRow("Me") << 1 << 4 << 90 << 3000 << u"Windows Me"_qs;
        QTest::newRow("9x other minor") << 1 << 4 << 20 << 100 << unknown;
        QTest::newRow("NT 4") << 2 << 4 << 0 << 1381 << u"Windows NT"_qs;
        QTest::newRow("NT 5.0") << 2 << 5 << 0 << 2195 << u"Windows 2000"_qs;
        QTest::newRow("NT 5.1") << 2 << 5 << 1 << 2600 << u"Windows XP"_qs;
        QTest::newRow("NT 5.2") << 2 << 5 << 2 << 3790 << u"Windows 2003"_qs;
        QTest::newRow("NT 5.3") << 2 << 5 << 3 << 0 << u"Windows 2000"_qs;
        QTest::newRow("NT 6.0") << 2 << 6 << 0 << 6000 << unknown;
        QTest::newRow("NT 6.1") << 2 << 6 << 1 << 7601 << unknown;
        QTest::newRow("NT 3") << 2 << 3 << 51 << 1057 << unknown;
        QTest::newRow("unknown platform") << 3 << 5 << 1 << 0 << unknown;
    }
    void windowsVersionText() {
        QFETCH(int, platformId);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, build);
        QFETCH(QString, expected);
        QCOMPARE(cw::platform::windowsVersionText(platformId, major, minor, build), expected);
    }

    void osVersionTextNamesTheRunningSystem() {
        const QString text = osVersionText();
        QVERIFY2(text.contains(QSysInfo::prettyProductName()), qPrintable(text));
        QVERIFY2(text.contains(QSysInfo::kernelVersion()), qPrintable(text));
    }
};

CW_REGISTER_TEST(OsVersionTest)
#include "OsVersionTest.moc"
