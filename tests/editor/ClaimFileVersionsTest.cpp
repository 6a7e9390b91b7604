#include "EditorFixture.h"
#include "Fixtures.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "editor/DocumentCommands.h"
#include "model/ClaimDocument.h"
#include "model/ClaimFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

using cw::editor::ChangedFileAnswer;

namespace {

enum class Colleague { Nothing, Saves, Deletes, TouchesOnly, SavesSameSize };

// What another clerk does to the claim file while the window has it open.
void actAs(Colleague colleague, const QString& path) {
    QByteArray bytes = cw::test::fileBytes(path);
    switch (colleague) {
    case Colleague::Nothing:
        break;
    case Colleague::Saves:
        cw::test::writeFile(path, bytes.replace("Doe, Jane", "Doe, Janet"));
        break;
    case Colleague::SavesSameSize:
        cw::test::writeFile(path, bytes.replace("Doe, Jane", "Doe, June"));
        break;
    case Colleague::Deletes:
        QFile::remove(path);
        break;
    case Colleague::TouchesOnly: {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite) ||
            !file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                              QFileDevice::FileModificationTime))
            qFatal("cannot touch %s", qPrintable(path));
        break;
    }
    }
}

} // namespace

// Save and a claim file that someone else changed since the window opened or saved it.
class ClaimFileVersionsTest : public QObject {
    Q_OBJECT

private slots:
    void saveAsksOnlyAboutAChangedFile_data() {
        QTest::addColumn<Colleague>("colleague");
        QTest::addColumn<ChangedFileAnswer>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("patientInFile");
        QTest::addColumn<bool>("savedAs");
        const QString mine = u"Doe, Jane"_qs;
        QTest::newRow("unchanged")
            << Colleague::Nothing << ChangedFileAnswer::Cancel << false << mine << false;
        QTest::newRow("touched, same bytes")
            << Colleague::TouchesOnly << ChangedFileAnswer::Cancel << false << mine << false;
        QTest::newRow("gone") << Colleague::Deletes << ChangedFileAnswer::Cancel << false << mine
                              << false;
        QTest::newRow("changed, save over")
            << Colleague::Saves << ChangedFileAnswer::SaveOver << true << mine << false;
        QTest::newRow("changed, same size, save over")
            << Colleague::SavesSameSize << ChangedFileAnswer::SaveOver << true << mine << false;
        QTest::newRow("changed, cancel")
            << Colleague::Saves << ChangedFileAnswer::Cancel << true << u"Doe, Janet"_qs << false;
        QTest::newRow("changed, save as")
            << Colleague::Saves << ChangedFileAnswer::SaveAs << true << u"Doe, Janet"_qs << true;
    }
    void saveAsksOnlyAboutAChangedFile() {
        QFETCH(Colleague, colleague);
        QFETCH(ChangedFileAnswer, answer);
        QFETCH(bool, asked);
        QFETCH(QString, patientInFile);
        QFETCH(bool, savedAs);
        EditorFixture f;
        const QString path = f.home().file(u"shared.ub4"_qs);
        cw::test::writeFile(path, cw::test::fixture("claim-sample.ub4"));
        QVERIFY(f.window().commands().openClaimFile(path, false));
        f.type("edit1a", u"My Hospital"_qs);
        actAs(colleague, path);

        const QString other = f.home().file(u"mine.ub4"_qs);
        f.dialogs().changedFileAnswers.push_back(answer);
        f.dialogs().saveAsAnswers.push_back(other);
        f.window().commands().Save1Click();

        QCOMPARE(f.dialogs().changedFileQuestions, asked ? 1 : 0);
        const auto inFile = cw::model::readClaimFile(path);
        QVERIFY(inFile);
        QCOMPARE(inFile->value(u"edit6a"), patientInFile);
        QCOMPARE(inFile->value(u"edit1a") == u"My Hospital"_qs, patientInFile == u"Doe, Jane"_qs);
        QCOMPARE(f.dialogs().saveRequests.size(), size_t(savedAs ? 1 : 0));
        QCOMPARE(QFileInfo::exists(other), savedAs);
        QCOMPARE(f.window().document().status().modified,
                 answer == ChangedFileAnswer::Cancel && asked);
    }

    // What the window saved is its own: the next Save asks only about a change after it.
    void ownSaveIsRemembered() {
        EditorFixture f;
        const QString path = f.home().file(u"shared.ub4"_qs);
        cw::test::writeFile(path, cw::test::fixture("claim-sample.ub4"));
        QVERIFY(f.window().commands().openClaimFile(path, false));
        for (const QString& provider : {u"First"_qs, u"Second, longer"_qs}) {
            f.type("edit1a", provider);
            f.window().commands().Save1Click();
            QCOMPARE(f.dialogs().changedFileQuestions, 0);
            QCOMPARE(cw::model::readClaimFile(path)->value(u"edit1a"), provider);
        }
        actAs(Colleague::Saves, path);
        f.type("edit1a", u"Third"_qs);
        f.window().commands().Save1Click();
        QCOMPARE(f.dialogs().changedFileQuestions, 1);
    }
};

CW_REGISTER_TEST(ClaimFileVersionsTest)

#include "ClaimFileVersionsTest.moc"
