#include "online/WebRequests.h"

#include "LocalHttpServer.h"
#include "TestRegistry.h"

#include <QBuffer>
#include <QTcpServer>
#include <QTest>

using namespace cw::online;

class WebRequestsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_server.isRunning()); }

    void getsTheBodyAsText() {
        const auto answer = httpGetText(m_server.url(u"/ub04versioncheck.txt"_qs));
        QVERIFY2(answer.ok(), qPrintable(answer.ok() ? QString() : answer.error()));
        QCOMPARE(*answer, u"OK"_qs);
        QCOMPARE(m_server.nextRequest()[u"requestLine"].toString(),
                 u"GET /ub04versioncheck.txt HTTP/1.1"_qs);
    }

    void refusalsAndRedirectionsFail_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("302 not followed") << u"/redirect"_qs << u"status 302"_qs;
        QTest::newRow("404") << u"/status/404"_qs << u"status 404"_qs;
        QTest::newRow("500") << u"/status/500"_qs << u"status 500"_qs;
    }
    void refusalsAndRedirectionsFail() {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        const auto answer = httpGetText(m_server.url(path));
        QVERIFY(!answer.ok());
        QVERIFY2(answer.error().contains(m_server.url(path)),
                 qPrintable(answer.ok() ? QString() : answer.error()));
        QVERIFY2(answer.error().contains(reason),
                 qPrintable(answer.ok() ? QString() : answer.error()));
        QCOMPARE(m_server.nextRequest()[u"requestLine"].toString(),
                 u"GET "_qs + path + u" HTTP/1.1"_qs);
        // The redirection's target was never asked for.
        QVERIFY(httpGetText(m_server.url(u"/marker"_qs)).ok());
        QCOMPARE(m_server.nextRequest()[u"requestLine"].toString(), u"GET /marker HTTP/1.1"_qs);
    }

    void postsTheBodyWithItsContentType() {
        const QByteArray body("field1=a%26b%0d%0a");
        const auto answer =
            httpPost(m_server.url(u"/programsuggestionbox.pl?"_qs), body, "text/html");
        QVERIFY2(answer.ok(), qPrintable(answer.ok() ? QString() : answer.error()));
        const QJsonObject request = m_server.nextRequest();
        QCOMPARE(request[u"requestLine"].toString(), u"POST /programsuggestionbox.pl? HTTP/1.1"_qs);
        QCOMPARE(request[u"body"].toString(), QString::fromLatin1(body));
        QCOMPARE(request[u"headers"][u"content-type"].toString(), u"text/html"_qs);
    }

    void sendsBasicCredentialsOnlyWhenAsked() {
        const QString url = u"http://clerk:se%20cret@"_qs + m_server.host() + u"/location.txt"_qs;
        QVERIFY(httpGetText(url, Credentials::Basic).ok());
        QJsonObject request = m_server.nextRequest();
        QCOMPARE(request[u"headers"][u"authorization"].toString(),
                 u"Basic "_qs + QString::fromLatin1(QByteArray("clerk:se cret").toBase64()));
        QVERIFY(httpGetText(url).ok());
        request = m_server.nextRequest();
        QVERIFY(!request[u"headers"].toObject().contains(u"authorization"));
    }

    void errorsNeverNameThePassword() {
        const QString url = u"http://clerk:secret@"_qs + m_server.host() + u"/status/401"_qs;
        const auto answer = httpGetText(url, Credentials::Basic);
        QVERIFY(!answer.ok());
        QVERIFY2(!answer.error().contains(u"secret"),
                 qPrintable(answer.ok() ? QString() : answer.error()));
        QVERIFY(answer.error().contains(m_server.url(u"/status/401"_qs)));
        (void)m_server.nextRequest();
    }

    // The server takes the request and never answers: the request ends on its own, failed.
    void silentServerEndsWithinTheTimeOut() {
        const auto answer = httpGetText(m_server.url(u"/hang"_qs));
        QVERIFY(!answer.ok());
        QVERIFY2(answer.error().contains(m_server.url(u"/hang"_qs)),
                 qPrintable(answer.ok() ? QString() : answer.error()));
        (void)m_server.nextRequest();
    }

    void closedPortFails() {
        QTcpServer reserved;
        QVERIFY(reserved.listen(QHostAddress::LocalHost));
        const QString url = u"http://127.0.0.1:%1/x"_qs.arg(reserved.serverPort());
        reserved.close();
        const auto answer = httpGetText(url);
        QVERIFY(!answer.ok());
        QVERIFY(answer.error().contains(url));
    }

    void streamsWithProgress() {
        QBuffer out;
        QVERIFY(out.open(QIODevice::WriteOnly));
        qint64 expected = 0;
        qint64 last = 0;
        int ends = 0;
        TransferProgress progress{[&](qint64 total) { expected = total; },
                                  [&](qint64 soFar) {
                                      last = soFar;
                                      return true;
                                  },
                                  [&] {
                                      ++ends;
                                  }};
        const auto done = httpGetToStream(m_server.url(u"/download"_qs), out, progress);
        QVERIFY2(done.ok(), qPrintable(done.ok() ? QString() : done.error()));
        QCOMPARE(expected, 100000);
        QCOMPARE(last, 100000);
        QCOMPARE(ends, 1);
        QCOMPARE(out.data(), QByteArray(100000, 'x'));
        (void)m_server.nextRequest();
    }

    void aHandlerStopsTheTransfer() {
        QBuffer out;
        QVERIFY(out.open(QIODevice::WriteOnly));
        int ends = 0;
        TransferProgress progress{{},
                                  [](qint64) { return false; },
                                  [&] {
                                      ++ends;
                                  }};
        const auto done = httpGetToStream(m_server.url(u"/download"_qs), out, progress);
        QVERIFY(!done.ok());
        QVERIFY(done.error().contains(u"stopped"));
        QCOMPARE(ends, 1);
        QVERIFY(out.data().size() < 100000);
        (void)m_server.nextRequest();
    }

    // A refusal's body never lands in the file.
    void refusalWritesNothingToTheStream() {
        QBuffer out;
        QVERIFY(out.open(QIODevice::WriteOnly));
        int begun = 0;
        TransferProgress progress{[&](qint64) { ++begun; }, {}, {}};
        QVERIFY(!httpGetToStream(m_server.url(u"/status/404"_qs), out, progress).ok());
        QVERIFY(out.data().isEmpty());
        QCOMPARE(begun, 0);
        (void)m_server.nextRequest();
    }

    void urlWithoutCredentialsKeepsTheRest_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("shown");
        QTest::newRow("user and password")
            << u"http://a:b@host:81/p?q=x@y"_qs << u"http://host:81/p?q=x@y"_qs;
        QTest::newRow("user only") << u"http://a@host/"_qs << u"http://host/"_qs;
        QTest::newRow("none, @ in the query")
            << u"http://host/p?mail=a@b"_qs << u"http://host/p?mail=a@b"_qs;
    }
    void urlWithoutCredentialsKeepsTheRest() {
        QFETCH(QString, url);
        QFETCH(QString, shown);
        QCOMPARE(urlWithoutCredentials(url), shown);
    }

private:
    LocalHttpServer m_server;
};

CW_REGISTER_TEST(WebRequestsTest)
#include "WebRequestsTest.moc"
