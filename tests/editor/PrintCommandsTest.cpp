// The Print command's first-print guidance, the Print entry's caption and Print Preview, with
// scripted dialogs and a PDF file as the printer.

#include "editor/PrintCommands.h"

#include "EditorFixture.h"
#include "PrintFixture.h"
#include "TestRegistry.h"
#include "editor/DocumentCommands.h"
#include "platform/DebugOutput.h"
#include "prefs/PreferencesStore.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTest>

using namespace cw;
using namespace cw::editor;
using prefs::Pref;

namespace {

const QString kReminder =
    QStringLiteral("Make sure your printer is loaded with at least one UB-92 form.");

} // namespace

class PrintCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void firstTextOnlyPrintRemindsAndAsksAboutAlignment() {
        PrintFixture p;
        p.f.type("edit6a", QStringLiteral("Doe, Jane"));
        p.printModeAnswer = printing::PrintModeChoice{.textOnly = true};
        p.print(1, false);
        QCOMPARE(p.printModeQuestions, 1);
        QCOMPARE(p.dialogs().messages, QStringList{kReminder});
        QVERIFY(pdfText(p.pdf()).contains(QStringLiteral("Doe, Jane")));
        QCOMPARE(p.dialogs().questions,
                 QStringList{u"     Did the printed text line up with the form?\n(Clicking no "
                             u"will load the print alignment screen.)"_qs});
        QCOMPARE(p.alignmentsOpened, 1); // the answer was No
        QCOMPARE(p.pref(Pref::SeenPrinting), QStringLiteral("true"));
        QCOMPARE(p.pref(Pref::SeenTextOnlyPrinting), QStringLiteral("true"));

        // Later prints go straight to the print dialog.
        p.print(1);
        QCOMPARE(p.printModeQuestions, 1);
        QCOMPARE(p.dialogs().messages.count(kReminder), 1);
        QCOMPARE(p.dialogs().questions.size(), 1);
        QCOMPARE(p.dialogs().printDialogsShown, 2);
    }

    // The print dialog has asked before a PDF is replaced; the print replaces it, whoever
    // wrote it, and says nothing more.
    void aSecondPrintToTheSamePdfReplacesTheFirst() {
        PrintFixture p;
        QFile earlier(p.pdf());
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("someone else's file");
        earlier.close();
        p.printModeAnswer = printing::PrintModeChoice{.textOnly = false};
        p.f.type("edit2c", QStringLiteral("FIRST"));
        p.print(1);
        QVERIFY(pdfText(p.pdf()).contains(QStringLiteral("FIRST")));
        p.f.type("edit2c", QStringLiteral("SECOND"));
        p.print(1);
        QVERIFY(pdfText(p.pdf()).contains(QStringLiteral("SECOND")));
        QVERIFY(!pdfText(p.pdf()).contains(QStringLiteral("FIRST")));
        QVERIFY(p.dialogs().messages.isEmpty());
        QVERIFY(p.dialogs().errors.isEmpty());
        QCOMPARE(QDir(p.f.home().path()).entryList({u"*printed*"_qs}, QDir::Files | QDir::Hidden),
                 QStringList{u"printed.pdf"_qs});
    }

    void cancelledPrintModeDialogStillPrints() {
        PrintFixture p;
        p.print(1);
        QCOMPARE(p.printModeQuestions, 1);
        QCOMPARE(p.dialogs().printDialogsShown, 1);
        QVERIFY(QFileInfo::exists(p.pdf()));
        QVERIFY(p.dialogs().questions.isEmpty());
        p.print(1, true);
        QCOMPARE(p.printModeQuestions, 1);
    }

    void cancelledFirstTextOnlyPrintUsesUpTheReminder() {
        PrintFixture p;
        p.printModeAnswer = printing::PrintModeChoice{.textOnly = true};
        p.print(0);
        QVERIFY(!QFileInfo::exists(p.pdf()));
        p.print(1);
        p.print(1);
        QVERIFY(!p.dialogs().messages.contains(kReminder));
        QVERIFY(p.dialogs().questions.isEmpty());
    }

    void reminderWaitsForTheFirstTextOnlyPrint() {
        PrintFixture p;
        p.printModeAnswer = printing::PrintModeChoice{.textOnly = false, .colour = true};
        p.print(1);
        QVERIFY(p.dialogs().messages.isEmpty());
        QVERIFY(p.dialogs().questions.isEmpty());
        p.f.window().printCommands().printMode().commit({.textOnly = true});
        p.print(1, true);
        QCOMPARE(p.dialogs().messages.count(kReminder), 1);
        QCOMPARE(p.dialogs().questions.size(), 1);
        QCOMPARE(p.alignmentsOpened, 0); // the answer was Yes
    }

    void failedPrintReachesTheErrorHandlerAndAsksNothing() {
        PrintFixture p;
        p.printModeAnswer = printing::PrintModeChoice{.textOnly = true};
        p.f.window().printCommands().printer().setOutputFileName(
            p.f.home().file(QStringLiteral("no/such/folder/out.pdf")));
        p.print(1, true);
        QCOMPARE(p.dialogs().errors.size(), 1);
        QVERIFY(p.dialogs().questions.isEmpty());
    }

    void printEntryCaptionFollowsTheModeWhenTheMenuOpens() {
        PrintFixture p;
        QMenu* file = p.f.window().menuBar()->actions().constFirst()->menu();
        QAction* entry = p.f.window().findChild<QAction*>(u"Print1"_qs);
        QCOMPARE(entry->text(), QStringLiteral("&Print..."));
        p.f.window().printCommands().printMode().commit({.textOnly = false});
        QCOMPARE(entry->text(), QStringLiteral("&Print..."));
        emit file->aboutToShow();
        QCOMPARE(entry->text(), QStringLiteral("&Print... (Text && Form)"));
        p.f.window().printCommands().printMode().commit({.textOnly = true});
        emit file->aboutToShow();
        QCOMPARE(entry->text(), QStringLiteral("&Print... (Text Only)"));
    }

    void printPreviewDrawsTheClaim() {
        PrintFixture p;
        p.f.type("edit2c", QStringLiteral("PCN-0042"));
        p.f.window().printCommands().PrintPreview1Click();
        QCOMPARE(p.dialogs().printPreviewsShown, 1);
        QVERIFY(pdfText(p.pdf()).contains(QStringLiteral("PCN-0042")));
        QVERIFY(p.dialogs().errors.isEmpty());
    }
};

CW_REGISTER_TEST(PrintCommandsTest)
#include "PrintCommandsTest.moc"
