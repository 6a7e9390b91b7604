#include "online/ErrorReport.h"

#include "LocalHttpServer.h"
#include "TestRegistry.h"
#include "online/Suggestion.h"
#include "online/UrlEncoding.h"
#include "platform/OsVersion.h"

#include <QDate>
#include <QLocale>
#include <QTest>

using namespace cw::online;

namespace {

QString reportPath(const QString& line) {
    return u"/programsuggestionbox.pl?field1="_qs + QString::fromLatin1(urlEncode(line));
}

} // namespace

class ErrorReportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_server.isRunning());
        m_server.serveMakerHosts();
    }

    void reportLineHasTheFivePairs() {
        QCOMPARE(errorReportLine(u"ErrorMsg"_qs, u"Disk full"_qs, u"3/14/07"_qs, u"Debian 12"_qs),
                 u"ErrorMsg:\"Disk full\" BuildDate:\"07/09/2009\" Product:\"CWMAIN\" "
                 "DateTime:\"3/14/07\" WindowsVersion:\"Debian 12\""_qs);
    }

    // The exact request: the encoded line after field1=, quotes as %22, CR LF as %0d%0a, the
    // colon as %3a, blanks as "+".
    void sendsTheReportAsOneGet() {
        sendErrorReport(u"ErrorMsg"_qs, u"Line one\r\nline two"_qs);
        const QString today =
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        const QString line = u"ErrorMsg:\"Line one\r\nline two\" BuildDate:\"07/09/2009\" "
                             "Product:\"CWMAIN\" DateTime:\""_qs +
                             today + u"\" WindowsVersion:\""_qs + cw::platform::osVersionText() +
                             u"\""_qs;
        const QString requestLine = m_server.nextRequest()[u"requestLine"].toString();
        QCOMPARE(requestLine, u"GET "_qs + reportPath(line) + u" HTTP/1.1"_qs);
        QVERIFY(requestLine.startsWith(u"GET /programsuggestionbox.pl?field1=ErrorMsg%3a%22Line+"
                                       "one%0d%0aline+two%22+BuildDate%3a%2207%2f09%2f2009%22+"));
    }

    // Nothing inside a value is escaped: a lone double quote travels as it is.
    void doubleQuoteStaysUnescaped() {
        QCOMPARE(errorReportLine(u"ErrorMsg"_qs, u"Expected \" here"_qs, u"d"_qs, u"o"_qs),
                 u"ErrorMsg:\"Expected \" here\" BuildDate:\"07/09/2009\" Product:\"CWMAIN\" "
                 "DateTime:\"d\" WindowsVersion:\"o\""_qs);
    }

    void reportCarriesNoPatientData_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reported");
        QTest::newRow("quoted claim path")
            << u"Could not open \"/home/clerk/Documents/Doe, Jane 2007-03 (March) Page 1.ub4\": "
               "Permission denied"_qs
            << u"Could not open \"[removed]\": Permission denied"_qs;
        QTest::newRow("bare claim file name")
            << u"Doe, Jane 2007-03 (March) Page 1.ub4: No such file or directory"_qs
            << u"[removed]: No such file or directory"_qs;
        QTest::newRow("bare folder path")
            << u"Cannot print to /home/clerk/Doe Jane/out: Disk full"_qs
            << u"[removed]: Disk full"_qs;
        QTest::newRow("quoted field value") << u"\u201cDOE\u201d cannot be used; try again"_qs
                                            << u"\"[removed]\" cannot be used; try again"_qs;
        QTest::newRow("settings failure stays whole")
            << u"savePreferencesNew line 3 of 180 GetLastError=13 return1=0"_qs
            << u"savePreferencesNew line 3 of 180 GetLastError=13 return1=0"_qs;
        QTest::newRow("one line of several")
            << u"Print failed\r\nC:\\Claims\\Doe.ub4\r\nOut of paper"_qs
            << u"Print failed\r\n[removed]\r\nOut of paper"_qs;
    }
    void reportCarriesNoPatientData() {
        QFETCH(QString, message);
        QFETCH(QString, reported);
        QCOMPARE(reportableMessage(message), reported);
    }

    // The rule sits in the one road every report takes to the server.
    void claimFileNeverReachesTheServer() {
        sendErrorReport(u"ErrorMsg"_qs,
                        u"Could not write \"/home/clerk/Doe, Jane 2007-03 (March) Page 1.ub4\": "
                        "Disk full"_qs);
        const QString requestLine = m_server.nextRequest()[u"requestLine"].toString();
        QVERIFY2(requestLine.startsWith(u"GET /programsuggestionbox.pl?field1=ErrorMsg%3a%22"
                                        "Could+not+write+%22%5bremoved%5d%22%3a+Disk+full%22+"_qs),
                 qPrintable(requestLine));
        QVERIFY(!requestLine.contains(u"Doe"));
        QVERIFY(!requestLine.contains(u"clerk"));
    }

    // A suggestion is the user's own text and goes as written.
    void postsTheSuggestion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("body");
        QTest::newRow("ampersand and line break")
            << u"Faster & better\r\nplease"_qs << u"field1=Faster+%26+better%0d%0aplease"_qs;
        QTest::newRow("empty") << QString() << u"field1="_qs;
        QTest::newRow("claim file named by the user")
            << u"Doe, Jane.ub4"_qs << u"field1=Doe%2c+Jane.ub4"_qs;
    }
    void postsTheSuggestion() {
        QFETCH(QString, text);
        QFETCH(QString, body);
        sendSuggestion(text);
        const QJsonObject request = m_server.nextRequest();
        QCOMPARE(request[u"requestLine"].toString(), u"POST /programsuggestionbox.pl? HTTP/1.1"_qs);
        QCOMPARE(request[u"headers"][u"content-type"].toString(), u"text/html"_qs);
        QCOMPARE(request[u"body"].toString(), body);
    }

    void failuresAreSwallowed() {
        qputenv("CLAIMWRIGHT_WEB_HOST", "127.0.0.1:1");
        qputenv("CLAIMWRIGHT_SUGGESTION_HOST", "127.0.0.1:1");
        sendErrorReport(u"ErrorMsg"_qs, u"lost"_qs);
        sendSuggestion(u"lost"_qs);
        m_server.serveMakerHosts();
    }

private:
    LocalHttpServer m_server;
};

CW_REGISTER_TEST(ErrorReportTest)
#include "ErrorReportTest.moc"
