#include "editor/ApplicationErrorHandler.h"

#include "LocalHttpServer.h"
#include "ScriptedDialogs.h"
#include "TestRegistry.h"
#include "online/ErrorReport.h"
#include "online/WebRequests.h"
#include "platform/MakerValues.h"

#include <QTest>

using cw::editor::ApplicationErrorHandler;

class ApplicationErrorHandlerTest : public QObject {
    Q_OBJECT

private slots:
    void logsReportsAndShowsTheError() {
        ScriptedDialogs dialogs;
        QStringList logged;
        QStringList reported;
        ApplicationErrorHandler handler(dialogs, [&](const QString& line) { logged << line; });
        handler.setErrorReport(
            [&](const QString& tag, const QString& message) { reported << tag + u':' + message; });

        handler.handle(QStringLiteral("Disk full"));
        QCOMPARE(logged, QStringList{u"ERROR Disk full"_qs});
        QCOMPARE(reported, QStringList{u"ErrorMsg:Disk full"_qs});
        QCOMPARE(dialogs.errors, QStringList{u"There has been an error in the program.\r\n\r\n"
                                             "Error Description: Disk full\r\n\r\n"
                                             "Please call support at "_qs +
                                             cw::platform::makerValues().supportTelephone +
                                             u" if this error continues to occur."_qs});
    }

    void abandonedOperationIsNoError() {
        ScriptedDialogs dialogs;
        QStringList logged;
        ApplicationErrorHandler handler(dialogs, [&](const QString& line) { logged << line; });
        handler.handle(QStringLiteral("SRpOperationAborted"));
        QVERIFY(logged.isEmpty());
        QVERIFY(dialogs.errors.isEmpty());
    }

    // With the real sender: the report reaches the server without the claim file's name, which
    // the message box still shows; an abandoned operation sends nothing.
    void reportsReachTheServerWithoutTheClaimFile() {
        LocalHttpServer server;
        QVERIFY(server.isRunning());
        server.serveMakerHosts();
        ScriptedDialogs dialogs;
        ApplicationErrorHandler handler(dialogs, [](const QString&) {});
        handler.setErrorReport(cw::online::sendErrorReport);

        handler.handle(QStringLiteral("SRpOperationAborted"));
        QVERIFY(dialogs.errors.isEmpty());
        QVERIFY(cw::online::httpGetText(server.url(u"/marker"_qs)).ok());
        QCOMPARE(server.nextRequest()[u"requestLine"].toString(), u"GET /marker HTTP/1.1"_qs);

        const QString message =
            u"Could not open \"/home/clerk/Documents/Doe, Jane 2007-03 (March) Page 1.ub4\": "
            "Permission denied"_qs;
        handler.handle(message);
        QCOMPARE(dialogs.errors.size(), 1);
        QVERIFY(dialogs.errors.constFirst().contains(message));
        const QString requestLine = server.nextRequest()[u"requestLine"].toString();
        QVERIFY2(requestLine.startsWith(u"GET /programsuggestionbox.pl?field1=ErrorMsg%3a%22"_qs),
                 qPrintable(requestLine));
        QVERIFY(requestLine.contains(u"Permission+denied"));
        QVERIFY(!requestLine.contains(u"Doe"));
        QVERIFY(!requestLine.contains(u"clerk"));
    }
};

CW_REGISTER_TEST(ApplicationErrorHandlerTest)
#include "ApplicationErrorHandlerTest.moc"
