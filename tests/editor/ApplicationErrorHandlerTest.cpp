#include "editor/ApplicationErrorHandler.h"

#include "ScriptedDialogs.h"
#include "TestRegistry.h"
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
};

CW_REGISTER_TEST(ApplicationErrorHandlerTest)
#include "ApplicationErrorHandlerTest.moc"
