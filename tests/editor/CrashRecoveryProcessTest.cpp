#include "ProgramProcess.h"
#include "RecoveringWindow.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "model/FieldCatalogue.h"

#include <QDir>
#include <QTest>

namespace {

// Sets a field of the running program as another program would; true once it has.
bool setField(const cw::test::TempHome& home, int parameter, const QString& text) {
    return runProgram(home, {u"--set-field"_qs, QString::number(parameter), u"--"_qs, text})
               .status == 0;
}

int fieldParameter(const char* fieldName) {
    return 500000 + fieldIndex(fieldName);
}

// The claim a running program keeps in the home's recovery folder, once it is there.
std::optional<cw::recovery::UnsavedClaim> keptClaim(const cw::test::TempHome& home) {
    const QDir folder(recoveryFolderOf(home));
    for (const QString& name : folder.entryList({u"*.unsaved"_qs}, QDir::Files))
        if (auto claim =
                cw::recovery::unsavedClaimFromBytes(cw::test::fileBytes(folder.filePath(name))))
            return std::move(claim).value();
    return std::nullopt;
}

} // namespace

// The real program keeps its unsaved claim; killed, its claim is offered at the next start,
// here a window of the test in the same home.
class CrashRecoveryProcessTest : public QObject {
    Q_OBJECT

private slots:
    void killedProgramsClaimIsOffered_data() {
        QTest::addColumn<bool>("restore");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void killedProgramsClaimIsOffered() {
        QFETCH(bool, restore);
        cw::test::TempHome home;
        QProcess program;
        prepareProgram(program, home);
        program.start(QStringLiteral(CLAIMWRIGHT_BINARY), {});
        QVERIFY(program.waitForStarted(30000));
        // The first set answers once the window listens.
        QVERIFY(QTest::qWaitFor(
            [&] { return setField(home, fieldParameter("edit6a"), u"Doe, Jane"_qs); }, 30000));
        QVERIFY(setField(home, fieldParameter("edit43a"), u"Ünal Ärztehaus – 5"_qs));
        QVERIFY(setField(home, fieldParameter("edit47a"), u"1 234.56"_qs));
        QVERIFY(setField(home, 499999, u"Ward 4 claim"_qs));
        QVERIFY(QTest::qWaitFor(
            [&] {
                const auto kept = keptClaim(home);
                return kept && kept->title == u"Ward 4 claim"_qs;
            },
            15000));

        // A copy that still runs keeps its own claim.
        {
            RecoveringWindow other(home, {true});
            QVERIFY(other.dialogs().questions.isEmpty());
            QVERIFY(!other.document().status().modified);
        }
        QVERIFY(keptClaim(home));

        program.kill();
        QVERIFY(program.waitForFinished(10000));

        RecoveringWindow next(home, {restore});
        QCOMPARE(next.dialogs().questions,
                 QStringList{u"Claimwright was closed while a claim had unsaved changes: Doe, "
                             u"Jane. Restore it?"_qs});
        if (!restore) {
            QVERIFY(!keptClaim(home));
            QCOMPARE(next.document().value(fieldIndex("edit6a")), QString());
            return;
        }
        QCOMPARE(next.document().value(fieldIndex("edit6a")), u"Doe, Jane"_qs);
        QCOMPARE(next.document().value(fieldIndex("edit43a")), u"Ünal Ärztehaus – 5"_qs);
        QCOMPARE(next.document().value(fieldIndex("edit47a")), u"1 234.56"_qs);
        QCOMPARE(next.window().windowTitle(), u"Ward 4 claim"_qs);
        QVERIFY(next.document().status().modified);
        // The restored claim is this window's now; the killed program's file is gone.
        QCOMPARE(QDir(recoveryFolderOf(home)).entryList({u"*.unsaved"_qs}, QDir::Files),
                 QStringList{QFileInfo(next.recoveryFile()).fileName()});
    }
};

CW_REGISTER_TEST(CrashRecoveryProcessTest)

#include "CrashRecoveryProcessTest.moc"
