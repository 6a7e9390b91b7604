// Batch printing through the main window: saved claims opened one after another and printed
// into a PDF file, with scripted answers to the queue, the print-mode question and the print
// dialog, read back with poppler and the print log.

#include "editor/BatchPrintCommands.h"

#include "EditorFixture.h"
#include "PdfReading.h"
#include "TestRegistry.h"
#include "editor/DocumentCommands.h"
#include "editor/PrintCommands.h"
#include "model/ClaimFile.h"
#include "platform/DebugOutput.h"
#include "printdialogs/BatchProgressWindow.h"
#include "printing/PrintLog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace cw;
using namespace cw::editor;
using prefs::Pref;
using printdialogs::QueuedClaim;

namespace {

struct BatchFixture {
    // Every job logs its steps and each page.
    platform::DebugOutputCapture log;
    EditorFixture f;
    // What the queue window answers, unless the real one is asked.
    QList<QueuedClaim> queue;
    int queuesShown = 0;
    int printModeQuestions = 0;
    bool printModeOk = true;

    explicit BatchFixture(bool realQueueWindow = false) {
        if (!realQueueWindow)
            f.window().batchPrintCommands().setQueueQuestion([this] {
                ++queuesShown;
                return queue;
            });
        PrintCommands& print = f.window().printCommands();
        print.setPrintModeQuestion([this] {
            ++printModeQuestions;
            return printModeOk;
        });
        print.printer().setOutputFormat(QPrinter::PdfFormat);
        print.printer().setOutputFileName(pdf());
    }

    QString pdf() const { return f.home().file(QStringLiteral("batch.pdf")); }
    ScriptedDialogs& dialogs() { return f.dialogs(); }

    // A saved claim for that patient at a path inside the home folder.
    QString claimFile(const QString& relativePath, const QString& patient) {
        const QString path = f.home().file(relativePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        model::ClaimValues claim;
        claim.setValue(u"edit6a", patient);
        if (!model::writeClaimFile(path, claim))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // name.ub4 in the home folder, for the patient PATIENT + the name in capitals.
    QString claim(const QString& name) {
        return claimFile(name + u".ub4"_qs, u"PATIENT"_qs + name.toUpper());
    }

    // Batch Printing, with the print dialog's copies (0: Cancel).
    void run(int printDialogCopies) {
        dialogs().printerAnswers.push_back(printDialogCopies);
        f.window().batchPrintCommands().BatchPrinting1Click();
    }

    // The patient printed on each page of the PDF.
    QStringList patientsPrinted() const {
        QStringList patients;
        const int pages = test::pdfPageCount(pdf());
        for (int page = 1; page <= pages; ++page)
            for (const test::PdfWord& word : test::pdfWords(pdf(), page))
                if (word.text.startsWith(u"PATIENT"))
                    patients << word.text;
        return patients;
    }

    // For each job of the print log, in order, the pages it drew.
    QList<int> pagesPerJob() const {
        QList<int> pages;
        for (const QString& line : log.lines()) {
            const QString message = line.mid(printing::kPrintLogPrefix.size());
            if (message.startsWith(u"-----------print job #"))
                pages.append(0);
            else if (message == u"PrintText try" && !pages.isEmpty())
                ++pages.last();
        }
        return pages;
    }

    QString loadedFile() { return f.window().commands().status().currentFileName; }
};

} // namespace

class BatchPrintCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // Three files with 2, 1 and 5 copies: three jobs with 2, 1 and 5 pages, in queue order,
    // whatever the print dialog says; the last file stays loaded and names the data folder.
    void eachRowPrintsItsOwnCopiesInQueueOrder() {
        BatchFixture b;
        const QString a = b.claimFile(u"march/a.ub4"_qs, u"PATIENTA"_qs);
        const QString c = b.claimFile(u"april/c.ub4"_qs, u"PATIENTC"_qs);
        const QString d = b.claimFile(u"may/a.ub4"_qs, u"PATIENTD"_qs);
        b.queue = {{a, 2}, {c, 1}, {d, 5}};
        b.run(3);
        QCOMPARE(b.queuesShown, 1);
        QCOMPARE(b.printModeQuestions, 1);
        QCOMPARE(b.dialogs().printDialogsShown, 1);
        QCOMPARE(b.pagesPerJob(), (QList<int>{2, 1, 5}));
        QCOMPARE(b.patientsPrinted(),
                 (QStringList{u"PATIENTA"_qs, u"PATIENTA"_qs, u"PATIENTC"_qs, u"PATIENTD"_qs,
                              u"PATIENTD"_qs, u"PATIENTD"_qs, u"PATIENTD"_qs, u"PATIENTD"_qs}));
        QVERIFY(b.dialogs().errors.isEmpty());
        QCOMPARE(b.dialogs().messages,
                 QStringList{u"Claims printed: 3 of 3.\nPDF file: "_qs + b.pdf()});
        QCOMPARE(b.loadedFile(), d);
        QCOMPARE(b.f.text("edit6a"), u"PATIENTD"_qs);
        QCOMPARE(b.f.dataFolder(), b.f.home().file(u"may/"_qs));
        QVERIFY(!b.f.window().document().status().modified);
    }

    // A queued file that cannot be read any more is skipped and named with the reason; the
    // files after it still print.
    void unreadableFileIsSkippedAndNamed_data() {
        QTest::addColumn<bool>("folder");
        QTest::newRow("deleted after queuing") << false;
        QTest::newRow("a folder by now") << true;
    }
    void unreadableFileIsSkippedAndNamed() {
        QFETCH(bool, folder);
        BatchFixture b;
        const QString a = b.claim(u"a"_qs);
        const QString gone = b.claim(u"gone"_qs);
        const QString c = b.claim(u"c"_qs);
        QVERIFY(QFile::remove(gone));
        if (folder)
            QVERIFY(QDir().mkdir(gone));
        b.queue = {{a, 1}, {gone, 1}, {c, 1}};
        b.run(1);
        QCOMPARE(b.patientsPrinted(), (QStringList{u"PATIENTA"_qs, u"PATIENTC"_qs}));
        QVERIFY(b.dialogs().messages.isEmpty());
        QCOMPARE(b.dialogs().errors.size(), 1);
        const QString summary = b.dialogs().errors.constFirst();
        QVERIFY2(summary.startsWith(u"Claims printed: 2 of 3.\nPDF file: "_qs + b.pdf() +
                                    u"\n\nNot printed:\n"_qs + gone + u"\n    "_qs),
                 qPrintable(summary));
        QVERIFY2(summary.contains(folder ? u"it is a folder"_qs : u"No such file"_qs),
                 qPrintable(summary));
        QCOMPARE(b.loadedFile(), c);
    }

    // Stop while the first claim prints: it finishes, the rest are named as not reached.
    void stopEndsTheRunAfterTheClaimBeingPrinted() {
        BatchFixture b;
        const QString a = b.claim(u"a"_qs);
        const QString c = b.claim(u"c"_qs);
        const QString d = b.claim(u"d"_qs);
        b.queue = {{a, 1}, {c, 1}, {d, 1}};
        QString shownAtStop;
        QTimer::singleShot(0, &b.f.window(), [&] {
            auto* progress = b.f.window().findChild<printdialogs::BatchProgressWindow*>();
            QVERIFY(progress && progress->isVisible());
            shownAtStop = progress->findChild<QLabel*>(u"LabelClaim"_qs)->text();
            QTest::mouseClick(progress->findChild<QWidget*>(u"BtnStop"_qs), Qt::LeftButton);
        });
        b.run(1);
        QCOMPARE(shownAtStop, u"Printing claim 1 of 3: a.ub4"_qs);
        QCOMPARE(b.patientsPrinted(), QStringList{u"PATIENTA"_qs});
        QCOMPARE(b.dialogs().messages,
                 QStringList{u"Printing was stopped.\nClaims printed: 1 of 3.\nPDF file: "_qs +
                             b.pdf() + u"\n\nNot reached:\n"_qs + c + u'\n' + d});
        QCOMPARE(b.loadedFile(), a);
        QVERIFY(!b.f.window().findChild<printdialogs::BatchProgressWindow*>());
    }

    // Print All with an empty queue, or Cancel in it, asks nothing more and prints nothing.
    void emptyQueueShowsNeitherDialog() {
        BatchFixture b;
        b.run(1);
        QCOMPARE(b.queuesShown, 1);
        QCOMPARE(b.printModeQuestions, 0);
        QCOMPARE(b.dialogs().printDialogsShown, 0);
        QVERIFY(b.dialogs().messages.isEmpty());
        QVERIFY(!QFile::exists(b.pdf()));
    }

    // Cancel in the print-mode dialog or the print dialog prints nothing and leaves the claim
    // that was loaded before.
    void cancelKeepsTheEarlierClaim_data() {
        QTest::addColumn<bool>("printModeOk");
        QTest::addColumn<int>("printDialogCopies");
        QTest::addColumn<int>("printDialogs");
        QTest::newRow("print-mode dialog") << false << 1 << 0;
        QTest::newRow("print dialog") << true << 0 << 1;
    }
    void cancelKeepsTheEarlierClaim() {
        QFETCH(bool, printModeOk);
        QFETCH(int, printDialogCopies);
        QFETCH(int, printDialogs);
        BatchFixture b;
        const QString earlier = b.claim(u"earlier"_qs);
        b.f.window().commands().openClaimFile(earlier, false);
        b.queue = {{b.claim(u"a"_qs), 2}};
        b.printModeOk = printModeOk;
        b.run(printDialogCopies);
        QCOMPARE(b.printModeQuestions, 1);
        QCOMPARE(b.dialogs().printDialogsShown, printDialogs);
        QVERIFY(!QFile::exists(b.pdf()));
        QVERIFY(b.pagesPerJob().isEmpty());
        QCOMPARE(b.loadedFile(), earlier);
        QCOMPARE(b.f.text("edit6a"), u"PATIENTEARLIER"_qs);
        QVERIFY(b.dialogs().messages.isEmpty());
    }

    // Unsaved typing is offered for saving first; Cancel there ends the command.
    void unsavedClaimIsOfferedForSavingFirst() {
        BatchFixture b;
        b.f.type("edit6a", u"Typed, Not Saved"_qs);
        b.dialogs().saveAnswers.push_back(SaveAnswer::Cancel);
        b.run(1);
        QCOMPARE(b.dialogs().promptsShown, std::vector<SavePrompt>{SavePrompt::BeforeReplacing});
        QCOMPARE(b.queuesShown, 0);
        QCOMPARE(b.f.text("edit6a"), u"Typed, Not Saved"_qs);
    }

    // The File menu entry (Ctrl+Alt+T) and the toolbar button start the batch.
    void menuEntryAndToolbarButtonStartIt() {
        BatchFixture b;
        auto* entry = b.f.window().findChild<QAction*>(u"BatchPrinting1"_qs);
        QVERIFY(entry);
        QCOMPARE(entry->text(), u"&Batch Printing"_qs);
        QCOMPARE(entry->shortcut(), QKeySequence(u"Ctrl+Alt+T"_qs));
        QVERIFY(entry->isEnabled());
        entry->trigger();
        QCOMPARE(b.queuesShown, 1);
        QAction* button = nullptr;
        for (QAction* action : b.f.window().findChild<QToolBar*>()->actions())
            if (action->toolTip() == u"Batch Printing")
                button = action;
        QVERIFY(button && button->isEnabled());
        button->trigger();
        QCOMPARE(b.queuesShown, 2);
    }

    // The real queue window takes its files from the claim-file dialog, several at a time,
    // started in the data folder.
    void queueWindowTakesFilesFromTheClaimFileDialog() {
        BatchFixture b(true);
        const QString a = b.claim(u"a"_qs);
        const QString c = b.claim(u"c"_qs);
        b.dialogs().openManyAnswers.push_back({c, a});
        const QString dataFolder = b.f.dataFolder();
        QTimer::singleShot(0, &b.f.window(), [&] {
            QWidget* queue = b.f.window().findChild<QWidget*>(u"TfrmBatchPrinting"_qs);
            QVERIFY(queue && queue->isVisible());
            QTest::mouseClick(queue->findChild<QWidget*>(u"Button2"_qs), Qt::LeftButton);
            QTest::mouseClick(queue->findChild<QWidget*>(u"BtnPrintAll"_qs), Qt::LeftButton);
        });
        b.run(1);
        QCOMPARE(b.dialogs().openManyRequests.size(), std::size_t(1));
        const FileDialogRequest& request = b.dialogs().openManyRequests.front();
        QCOMPARE(request.folder, dataFolder);
        QCOMPARE(request.filters,
                 (QStringList{u"UB-04/CMS 1450 Claimwright File (*.ub4)"_qs, u"All Files (*)"_qs}));
        QCOMPARE(b.patientsPrinted(), (QStringList{u"PATIENTC"_qs, u"PATIENTA"_qs}));
    }
};

CW_REGISTER_TEST(BatchPrintCommandsTest)
#include "BatchPrintCommandsTest.moc"
