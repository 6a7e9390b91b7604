#include "Fixtures.h"
#include "RecoveringWindow.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "editor/DocumentCommands.h"
#include "model/ClaimDocument.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTest>

using cw::editor::SaveAnswer;

// The unsaved claim in the recovery folder, with windows of this process as the copies that
// keep it, end and start again.
class CrashRecoveryTest : public QObject {
    Q_OBJECT

private slots:
    // Typing is kept a moment after it pauses, never in the claim file itself.
    void typingIsKeptAfterItPauses() {
        cw::test::TempHome home;
        RecoveringWindow w(home);
        QVERIFY(!QFileInfo::exists(w.recoveryFile()));
        w.type("edit6a", u"Doe, Jane"_qs);
        w.type("edit43c", u"0450"_qs);
        QVERIFY(w.waitForRecoveryFile());
        QVERIFY(cw::test::filesIn(
                    w.window().preferences().settings().text(cw::prefs::Pref::UserDataPath))
                    .isEmpty());
    }

    // Typing that never pauses is not written at every keystroke, but it is kept all the same,
    // at the latest after half a minute.
    void typingThatGoesOnIsKeptToo() {
        cw::test::TempHome home;
        RecoveringWindow w(home);
        QDeadlineTimer limit(45000);
        int keystrokes = 0;
        while (!QFileInfo::exists(w.recoveryFile()) && !limit.hasExpired()) {
            w.type("edit6a", u"Doe, Jane "_qs + QString::number(keystrokes++));
            QTest::qWait(500);
        }
        QVERIFY(QFileInfo::exists(w.recoveryFile()));
        QVERIFY2(keystrokes > 4, qPrintable(QString::number(keystrokes)));
    }

    // The file goes as soon as the claim is no longer unsaved, and a normal close leaves none.
    void fileGoesWithTheUnsavedClaim_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("saved") << 0;
        QTest::newRow("discarded for a new claim") << 1;
        QTest::newRow("discarded at closing") << 2;
        QTest::newRow("saved at closing") << 3;
    }
    void fileGoesWithTheUnsavedClaim() {
        QFETCH(int, way);
        cw::test::TempHome home;
        RecoveringWindow w(home);
        w.type("edit6a", u"Doe, Jane"_qs);
        QVERIFY(w.waitForRecoveryFile());
        const QString file = w.recoveryFile();
        w.dialogs().saveAsAnswers.push_back(home.file(u"doe.ub4"_qs));
        switch (way) {
        case 0:
            w.window().commands().SaveAs1Click();
            break;
        case 1:
            w.dialogs().saveAnswers.push_back(SaveAnswer::No);
            w.window().commands().BlankForm1Click();
            break;
        case 2:
        case 3:
            w.dialogs().saveAnswers.push_back(way == 2 ? SaveAnswer::No : SaveAnswer::Yes);
            w.window().close();
            QVERIFY(QTest::qWaitFor([&] { return !w.window().isVisible(); }, 5000));
            break;
        }
        QVERIFY(!w.document().status().modified);
        QVERIFY(w.recoveryFileIsGone());
        QVERIFY(!QFileInfo::exists(file));
    }

    // A window that ended with its claim unsaved: the next one offers it by the file's title
    // or, for a new claim, the patient. Yes restores the values, the file name, the state and
    // the title, still unsaved; No deletes the file.
    void nextStartOffersTheClaim_data() {
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("restore");
        QTest::addColumn<QString>("named");
        QTest::newRow("saved once, restored") << true << true << u"doe.ub4 - "_qs;
        QTest::newRow("new, restored") << false << true << u"Doe, Jane."_qs;
        QTest::newRow("new, declined") << false << false << u"Doe, Jane."_qs;
    }
    void nextStartOffersTheClaim() {
        QFETCH(bool, saved);
        QFETCH(bool, restore);
        QFETCH(QString, named);
        cw::test::TempHome home;
        cw::model::ClaimValues typed;
        cw::model::DocumentStatus status;
        QString title;
        QString left;
        {
            RecoveringWindow first(home);
            first.type("edit6a", u"Doe, Jane"_qs);
            if (saved) {
                first.dialogs().saveAsAnswers.push_back(home.file(u"doe.ub4"_qs));
                first.window().commands().SaveAs1Click();
            }
            first.type("edit43c", u"0450"_qs);
            first.type("edit43a", u"Ωmega 😀 day\ttab"_qs);
            QVERIFY(first.waitForRecoveryFile());
            typed = first.document().values();
            status = first.document().status();
            title = first.window().windowTitle();
            left = first.recoveryFile();
        }
        QVERIFY(QFileInfo::exists(left));

        RecoveringWindow next(home, {restore});
        QCOMPARE(next.dialogs().questions.size(), 1);
        QVERIFY2(next.dialogs().questions[0].startsWith(
                     u"Claimwright was closed while a claim had unsaved changes: "_qs + named),
                 qPrintable(next.dialogs().questions[0]));
        QVERIFY(next.dialogs().questions[0].endsWith(u" Restore it?"_qs));
        QVERIFY(!QFileInfo::exists(left));
        if (!restore) {
            QVERIFY(!next.document().status().modified);
            QVERIFY(next.recoveryFileIsGone());
            return;
        }
        QVERIFY(next.document().values() == typed);
        QCOMPARE(next.document().status().currentFileName, status.currentFileName);
        QCOMPARE(next.document().status().state, status.state);
        QCOMPARE(next.document().status().patientOrLinesTyped, status.patientOrLinesTyped);
        QVERIFY(next.document().status().modified);
        QCOMPARE(next.window().windowTitle(), title);
        // Kept again, as this window's own.
        QVERIFY(next.waitForRecoveryFile());
    }

    // A restored claim still knows what its file held, so a colleague's save after the crash
    // is not overwritten unasked.
    void restoredClaimNoticesAChangedFile() {
        cw::test::TempHome home;
        const QString shared = home.file(u"shared.ub4"_qs);
        cw::test::writeFile(shared, cw::test::fixture("claim-sample.ub4"));
        {
            RecoveringWindow first(home);
            QVERIFY(first.window().commands().openClaimFile(shared, false));
            first.type("edit1a", u"My Hospital"_qs);
            QVERIFY(first.waitForRecoveryFile());
        }
        const QByteArray colleagues =
            cw::test::fileBytes(shared).replace("Doe, Jane", "Doe, Janet");
        cw::test::writeFile(shared, colleagues);

        RecoveringWindow next(home, {true});
        next.dialogs().changedFileAnswers.push_back(cw::editor::ChangedFileAnswer::Cancel);
        next.window().commands().Save1Click();
        QCOMPARE(next.dialogs().changedFileQuestions, 1);
        QCOMPARE(cw::test::fileBytes(shared), colleagues);
        QVERIFY(next.document().status().modified);
    }

    // A window that still runs keeps its claim: a second one in the same home offers nothing.
    void runningWindowKeepsItsClaim() {
        cw::test::TempHome home;
        RecoveringWindow first(home);
        first.type("edit6a", u"Doe, Jane"_qs);
        QVERIFY(first.waitForRecoveryFile());
        RecoveringWindow second(home, {true});
        QVERIFY(second.dialogs().questions.isEmpty());
        QVERIFY(QFileInfo::exists(first.recoveryFile()));
        QVERIFY(!second.document().status().modified);
    }

    // A file that cannot be read is reported and kept aside, never deleted.
    void unreadableFileIsReported() {
        cw::test::TempHome home;
        QDir().mkpath(recoveryFolderOf(home));
        const QString junk = recoveryFolderOf(home) + u"1-dead.unsaved"_qs;
        cw::test::writeFile(junk, "not a claim");
        RecoveringWindow w(home, {true});
        QVERIFY(w.dialogs().questions.isEmpty());
        QCOMPARE(w.dialogs().errors.size(), 1);
        QVERIFY2(w.dialogs().errors[0].contains(u"1-dead.unsaved.unreadable"_qs),
                 qPrintable(w.dialogs().errors[0]));
        QCOMPARE(cw::test::fileBytes(junk + u".unreadable"_qs), QByteArray("not a claim"));
    }
};

CW_REGISTER_TEST(CrashRecoveryTest)

#include "CrashRecoveryTest.moc"
