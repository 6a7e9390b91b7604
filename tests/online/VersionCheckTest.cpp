#include "online/VersionCheck.h"

#include "LocalHttpServer.h"
#include "TestRegistry.h"

#include <QTest>

using namespace cw::online;

Q_DECLARE_METATYPE(VersionStatus)

class VersionCheckTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_server.isRunning());
        m_server.serveMakerHosts();
    }

    void readsTheFixedPlaces_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("build date") << u"07/09/2009"_qs << QDate(2009, 7, 9);
        QTest::newRow("other separators") << u"12-31.2010"_qs << QDate(2010, 12, 31);
        QTest::newRow("more after the year") << u"01/02/20031"_qs << QDate(2003, 1, 2);
        QTest::newRow("no leading zeros") << u"7/9/2009"_qs << QDate();
        QTest::newRow("month 13") << u"13/01/2010"_qs << QDate();
        QTest::newRow("30 February") << u"02/30/2010"_qs << QDate();
        QTest::newRow("blank in a place") << u" 7/09/2009"_qs << QDate();
        QTest::newRow("sign in a place") << u"+7/09/2009"_qs << QDate();
        QTest::newRow("too short") << u"07/09/200"_qs << QDate();
        QTest::newRow("empty") << QString() << QDate();
    }
    void readsTheFixedPlaces() {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(versionDate(text).value_or(QDate()), date);
    }

    // The server's text decides, trimmed; the same date as the build is up to date.
    void comparesTheServersDateWithTheBuildDate_data() {
        QTest::addColumn<QByteArray>("newest");
        QTest::addColumn<VersionStatus>("status");
        QTest::newRow("equal") << QByteArray("07/09/2009") << VersionStatus::UpToDate;
        QTest::newRow("older") << QByteArray("12/31/2008") << VersionStatus::UpToDate;
        QTest::newRow("a day later") << QByteArray("07/10/2009") << VersionStatus::NewerAvailable;
        QTest::newRow("trailing CR LF")
            << QByteArray("01/15/2010\r\n") << VersionStatus::NewerAvailable;
        QTest::newRow("blanks around") << QByteArray("  07/09/2009 \n") << VersionStatus::UpToDate;
    }
    void comparesTheServersDateWithTheBuildDate() {
        QFETCH(QByteArray, newest);
        QFETCH(VersionStatus, status);
        QVERIFY(m_server.serve(QLatin1StringView(kVersionCheckPath), {newest}));
        const auto answer = checkForNewVersion();
        QVERIFY2(answer.ok(), qPrintable(answer.ok() ? QString() : answer.error()));
        QCOMPARE(*answer, status);
        QCOMPARE(m_server.nextRequest()[u"requestLine"].toString(),
                 u"GET /ub04versioncheck.txt HTTP/1.1"_qs);
    }

    void failsOnAnUnreadableDateOrARefusal_data() {
        QTest::addColumn<ServedAnswer>("answer");
        QTest::newRow("7/9/2009") << ServedAnswer{"7/9/2009"};
        QTest::newRow("empty") << ServedAnswer{""};
        QTest::newRow("404") << ServedAnswer{"07/10/2009", 404};
    }
    void failsOnAnUnreadableDateOrARefusal() {
        QFETCH(ServedAnswer, answer);
        QVERIFY(m_server.serve(QLatin1StringView(kVersionCheckPath), answer));
        QVERIFY(!checkForNewVersion().ok());
    }

    void theFailureMessageBreaksItsLineBeforeThreeBlanks() {
        QCOMPARE(versionCheckFailedMessage(),
                 u"The version check is not working. You are either not connected\n   to the "
                 u"internet, or are behind a proxy server."_qs);
    }

private:
    LocalHttpServer m_server;
};

CW_REGISTER_TEST(VersionCheckTest)
#include "VersionCheckTest.moc"
