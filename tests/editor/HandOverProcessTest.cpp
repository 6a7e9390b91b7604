#include "EditorFixture.h"
#include "Fixtures.h"
#include "ProgramProcess.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "app/ExitStatus.h"
#include "desktop/SingleInstance.h"
#include "editor/DesktopRequests.h"
#include "model/ClaimDocument.h"

#include <QFileInfo>
#include <QTest>

namespace {

// A window that holds the instance of the program built, in the fixture's home.
struct RunningWindow {
    EditorFixture f;
    cw::desktop::SingleInstance instance{cw::desktop::InstanceAddress::of(
        QFileInfo(QStringLiteral(CLAIMWRIGHT_BINARY)).canonicalFilePath(),
        f.home().file(u"run"_qs))};
    std::unique_ptr<cw::desktop::InstanceServer> server;

    RunningWindow() {
        if (instance.isAnotherInstanceRunning())
            qFatal("the instance of the test's home is taken");
        server = std::move(instance.listen()).value();
        f.window().desktopRequests().markMainWindow(server.get());
    }
};

} // namespace

// A later start of the real program, and `claimwright --set-field`, talking to the window that
// runs.
class HandOverProcessTest : public QObject {
    Q_OBJECT

private slots:
    // The later start names the claim relative to its own folder; the window asks about the
    // unsaved typing, opens the claim, and only then does the later start end, with status 0.
    void laterStartHandsItsClaimOver() {
        RunningWindow w;
        cw::test::writeFile(w.f.home().file(u"sample.ub4"_qs),
                            cw::test::fixture("claim-sample.ub4"));
        w.f.type("edit6a", u"Typed, Not Saved"_qs);
        w.f.dialogs().saveAnswers.push_back(cw::editor::SaveAnswer::No);

        const ProgramRun run = runProgram(w.f.home(), {u"sample.ub4"_qs});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QCOMPARE(w.f.dialogs().promptsShown.size(), size_t(1));
        QCOMPARE(w.f.text("edit6a"), u"Doe, Jane"_qs);
        QCOMPARE(w.f.window().document().status().currentFileName,
                 w.f.home().file(u"sample.ub4"_qs));
    }

    // Without a claim the later start only brings the window back.
    void laterStartWithoutAClaimRaisesTheWindow() {
        RunningWindow w;
        w.f.window().showMinimized();
        const ProgramRun run = runProgram(w.f.home(), {});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QVERIFY(!w.f.window().isMinimized());
        QVERIFY(w.f.window().isVisible());
        QVERIFY(w.f.dialogs().promptsShown.empty());
    }

    // A name of more than 600 characters is refused whole: the window says why, and so does the
    // later start, which ends with a status that is not 0.
    void overLongNameIsRefused() {
        RunningWindow w;
        const QString name =
            QString(200, u'a') + u'/' + QString(200, u'b') + u'/' + QString(200, u'c') + u".ub4"_qs;
        const ProgramRun run = runProgram(w.f.home(), {name});
        QCOMPARE(run.status, int(cw::app::kRefusedByRunningCopy));
        QCOMPARE(w.f.dialogs().errors.size(), 1);
        QVERIFY2(w.f.dialogs().errors[0].contains(u"characters"_qs),
                 qPrintable(w.f.dialogs().errors[0]));
        QVERIFY2(run.err.contains(u"characters"_qs), qPrintable(run.err));
    }

    // Another program sets fields from a script: status 0 once the field is set, 4 with the
    // reason when the text cannot be held, and outside the range the title changes.
    void setFieldFromTheCommandLine_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("field1");
        QTest::addColumn<QString>("title");
        QTest::newRow("second field")
            << u"500001"_qs << u"1234567Ü9"_qs << 0 << u"1234567Ü9"_qs << QString();
        QTest::newRow("one below")
            << u"499999"_qs << u"Ward 4"_qs << 0 << QString() << u"Ward 4"_qs;
        QTest::newRow("one above")
            << u"500509"_qs << u"Ward 5"_qs << 0 << QString() << u"Ward 5"_qs;
        QTest::newRow("not Windows-1252")
            << u"500001"_qs << u"Ωmega"_qs << int(cw::app::kRefusedByRunningCopy) << QString()
            << QString();
        QTest::newRow("text starting with a dash")
            << u"500001"_qs << u"-5"_qs << 0 << u"-5"_qs << QString();
    }
    void setFieldFromTheCommandLine() {
        QFETCH(QString, number);
        QFETCH(QString, text);
        QFETCH(int, status);
        QFETCH(QString, field1);
        QFETCH(QString, title);
        RunningWindow w;
        w.f.window().document().clearModified();
        const QString titleBefore = w.f.window().windowTitle();
        const ProgramRun run = runProgram(w.f.home(), {u"--set-field"_qs, number, u"--"_qs, text});
        QVERIFY2(run.status == status, qPrintable(run.err));
        QCOMPARE(w.f.window().document().value(1), field1);
        QCOMPARE(w.f.window().windowTitle(), title.isNull() ? titleBefore : title);
        QCOMPARE(w.f.window().document().status().modified, !field1.isEmpty());
    }
};

CW_REGISTER_TEST(HandOverProcessTest)

#include "HandOverProcessTest.moc"
