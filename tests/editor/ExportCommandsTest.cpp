// The three exports from the main window's Export To menu, with scripted file dialogs, files
// written into a temporary home and read back by independent readers.

#include "editor/ExportCommands.h"

#include "EditorFixture.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "WorkbookReading.h"
#include "export/ClaimXml.h"
#include "model/ClaimDocument.h"

#include <QAction>
#include <QDir>
#include <QTest>

using namespace cw;
using namespace cw::editor;
using cw::test::fileBytes;
using prefs::Pref;

namespace {

struct ExportFixture {
    EditorFixture f;
    QList<QUrl> opened;
    bool openerFound = true;

    ExportFixture() {
        f.window().exportCommands().setFileOpener([this](const QUrl& url) {
            opened << url;
            return openerFound;
        });
    }

    void set(const char* field, const QString& text) {
        f.window().document().setValue(fieldIndex(field), text, model::ValueSource::Typing);
    }
    // Picks the Export To entry of that name, as the user does.
    void trigger(const char* entry) {
        auto* action = f.window().findChild<QAction*>(QLatin1StringView(entry));
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        action->trigger();
    }
    ScriptedDialogs& dialogs() { return f.dialogs(); }
    QString userDataPath() { return f.window().preferences().settings().text(Pref::UserDataPath); }
    QString file(const char* name) { return f.home().file(QLatin1StringView(name)); }
};

class ExportCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // The proposed name with the dates' slashes and backslashes as "-", the dialog's filters,
    // the bytes the export library makes, and the folder remembered.
    void xmlExportWritesTheProposedFile() {
        ExportFixture x;
        x.set("edit6a", QStringLiteral("Doe, Jane"));
        x.set("edit4c", QStringLiteral("01/05/2009"));
        x.set("edit4d", QStringLiteral("01\\31\\2009"));
        x.set("edit52a", QStringLiteral("A & B < C €"));
        QVERIFY(QDir().mkpath(x.file("exports")));
        const QString target = x.file("exports/claim.xml");
        const QString startFolder = x.f.dataFolder();
        x.dialogs().saveAsAnswers.push_back(target);
        x.trigger("XML1");

        QCOMPARE(x.dialogs().saveRequests.size(), std::size_t(1));
        const FileDialogRequest& request = x.dialogs().saveRequests.back();
        QCOMPARE(request.proposedName, QStringLiteral("Doe, Jane 01-05-2009 through 01-31-2009"));
        QCOMPARE(request.filters.first(),
                 QStringLiteral("Extensible Markup Language File (*.xml)"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("xml"));
        QVERIFY(request.confirmOverwrite);
        QCOMPARE(request.folder, startFolder);
        QCOMPARE(fileBytes(target), exports::claimXml(x.f.window().document().values()));
        QCOMPARE(x.userDataPath(), x.file("exports/"));
        QVERIFY(x.dialogs().errors.isEmpty());
        QVERIFY(x.opened.isEmpty());
    }

    // Cancel writes nothing and leaves the folder, except that one that is gone has already
    // been replaced by the default one.
    void cancelWritesNothing() {
        ExportFixture x;
        const QString gone = x.file("gone/");
        x.f.window().preferences().settings().setText(Pref::UserDataPath, gone);
        x.trigger("XML1");
        QCOMPARE(x.dialogs().saveRequests.size(), std::size_t(1));
        QVERIFY(x.userDataPath() != gone);
        QCOMPARE(x.dialogs().saveRequests.back().folder, x.userDataPath().trimmed());
        QVERIFY(QFileInfo(x.userDataPath().trimmed()).isDir());
        const QString kept = x.userDataPath();
        x.trigger("MicrosoftWord1");
        x.trigger("MicrosoftExcel1");
        QCOMPARE(x.userDataPath(), kept);
        QVERIFY(cw::test::filesIn(kept).isEmpty());
        QVERIFY(x.opened.isEmpty());
    }

    // A file that cannot be written: the message word for word with the reason, and the folder
    // is remembered all the same.
    void failedWriteSaysWhy() {
        ExportFixture x;
        const QString target = x.file("missing/claim.xml");
        x.dialogs().saveAsAnswers.push_back(target);
        x.trigger("XML1");
        QCOMPARE(x.dialogs().errors.size(), 1);
        QVERIFY(x.dialogs().errors.first().startsWith(
            QStringLiteral("The file could not be saved. Try saving to a different folder, such "
                           "as Desktop or My Documents.\n\n")));
        QCOMPARE(x.userDataPath(), x.file("missing/"));
        QVERIFY(!QFileInfo::exists(target));
    }

    // The document is written and opened; where no program opens it, the user learns where it
    // is.
    void wordExportOpensTheDocument() {
        ExportFixture x;
        x.set("edit6a", QStringLiteral("Doe, Jane"));
        const QString target = x.file("claim.docx");
        x.dialogs().saveAsAnswers.push_back(target);
        x.trigger("MicrosoftWord1");
        QCOMPARE(x.dialogs().saveRequests.back().defaultSuffix, QStringLiteral("docx"));
        QCOMPARE(x.dialogs().saveRequests.back().proposedName,
                 QStringLiteral("Doe, Jane  through "));
        QVERIFY(fileBytes(target).startsWith("PK"));
        QCOMPARE(x.opened, QList<QUrl>{QUrl::fromLocalFile(target)});
        QVERIFY(x.dialogs().messages.isEmpty());

        x.openerFound = false;
        x.dialogs().saveAsAnswers.push_back(target);
        x.trigger("MicrosoftWord1");
        QCOMPARE(x.dialogs().messages.size(), 1);
        QVERIFY(x.dialogs().messages.first().contains(target));
    }

    // Each export adds a column to the workbook chosen; the dialog does not warn that it
    // replaces the file, as it does not.
    void excelExportCollectsClaims() {
        ExportFixture x;
        const QString target = x.file("claims.xlsx");
        x.set("edit6a", QStringLiteral("First"));
        x.dialogs().saveAsAnswers.push_back(target);
        x.trigger("MicrosoftExcel1");
        const FileDialogRequest& request = x.dialogs().saveRequests.back();
        QCOMPARE(request.proposedName, QStringLiteral("UB-92 Claims Data.xlsx"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("xlsx"));
        QVERIFY(!request.confirmOverwrite);
        x.set("edit6a", QStringLiteral("Second"));
        x.dialogs().saveAsAnswers.push_back(target);
        x.trigger("MicrosoftExcel1");

        const auto book = cw::test::readWorkbook(target);
        QVERIFY2(book.error.isEmpty(), qPrintable(book.error));
        QCOMPARE(book.text(QStringLiteral("UB-92 Claims Data!B17")), QStringLiteral("First"));
        QCOMPARE(book.text(QStringLiteral("UB-92 Claims Data!C17")), QStringLiteral("Second"));
        QCOMPARE(x.opened.size(), 2);
        QVERIFY(x.dialogs().errors.isEmpty());
        QVERIFY(x.dialogs().messages.isEmpty());
    }

    // A workbook open in another program, or one without the claims sheet, is left as it was
    // and the user is told why.
    void excelExportLeavesOtherWorkbooksAlone_data() {
        QTest::addColumn<QByteArray>("workbook");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("reason");
        QTest::newRow("locked") << QByteArray() << true
                                << QStringLiteral("open in another program");
        QTest::newRow("not a workbook")
            << QByteArray("plain text") << false << QStringLiteral("Nothing was written");
    }
    void excelExportLeavesOtherWorkbooksAlone() {
        QFETCH(QByteArray, workbook);
        QFETCH(bool, locked);
        QFETCH(QString, reason);
        ExportFixture x;
        const QString target = x.file("claims.xlsx");
        x.set("edit6a", QStringLiteral("First"));
        if (workbook.isEmpty()) {
            x.dialogs().saveAsAnswers.push_back(target);
            x.trigger("MicrosoftExcel1");
            workbook = fileBytes(target);
        } else {
            cw::test::writeFile(target, workbook);
        }
        if (locked)
            cw::test::writeFile(x.file(".~lock.claims.xlsx#"), "someone");
        x.opened.clear();
        x.dialogs().saveAsAnswers.push_back(target);
        x.trigger("MicrosoftExcel1");
        QCOMPARE(x.dialogs().messages.size(), 1);
        QVERIFY2(x.dialogs().messages.first().contains(reason),
                 qPrintable(x.dialogs().messages.first()));
        QCOMPARE(fileBytes(target), workbook);
        QVERIFY(x.opened.isEmpty());
    }
};

} // namespace

CW_REGISTER_TEST(ExportCommandsTest)
#include "ExportCommandsTest.moc"
