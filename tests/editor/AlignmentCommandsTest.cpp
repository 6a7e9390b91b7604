// The alignment entries of the File menu, the alignment question's No, the test print with the
// values shown, the field offsets loaded at the first show and saved in the advanced window,
// and every editor print path honouring them.

#include "editor/AlignmentCommands.h"

#include "DialogControls.h"
#include "FileSizeLimit.h"
#include "PdfReading.h"
#include "PrintFixture.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "editor/FormCanvas.h"
#include "printdialogs/AdvancedAlignmentWindow.h"
#include "printdialogs/PrinterAlignmentDialog.h"
#include "printing/FieldOffsetsFile.h"

#include <QAction>
#include <QDir>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using namespace cw;
using namespace cw::editor;
using cw::test::child;
using cw::test::click;
using prefs::Pref;

namespace {

// Where the settings file of a test's window lives: its program folder does not exist, so in
// the user's config folder.
QString settingsFileIn(const cw::test::TempHome& home) {
    return home.configHome() + QStringLiteral("/Quillmark/CWMAIN_Settings.ini");
}

QByteArray controlKeys(const char* field, int up, int right) {
    const int index = fieldIndex(field);
    return printing::topKey(index) + '=' + QByteArray::number(up) + "\r\n" +
           printing::leftKey(index) + '=' + QByteArray::number(right) + "\r\n";
}

// Prepares a home whose settings file holds the field's offsets, before the window is made.
std::function<void(const cw::test::TempHome&)> savedAlignment(const char* field, int up,
                                                              int right) {
    return [=](const cw::test::TempHome& home) {
        QDir().mkpath(home.configHome() + u"/Quillmark"_qs);
        cw::test::writeFile(settingsFileIn(home),
                            "[Alignment]\r\n" + controlKeys(field, up, right));
    };
}

bool near(double a, double b, double tolerance) {
    return std::abs(a - b) < tolerance;
}

// The word's left edge and the middle of its height, where the engine put its anchor.
QPointF anchorOf(const QString& pdf, const QString& word) {
    const QRectF box = cw::test::wordBox(cw::test::pdfWords(pdf), word);
    return box.isNull() ? QPointF(-1, -1) : QPointF(box.left(), box.center().y());
}

} // namespace

class AlignmentCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void menuEntriesOpenTheWindows() {
        PrintFixture p;
        MainWindow& w = p.f.window();
        auto* printerAlignment = w.findChild<QAction*>(u"PrintSetup1"_qs);
        auto* advanced = w.findChild<QAction*>(u"AdvancedAlignment1"_qs);
        QVERIFY(printerAlignment->isEnabled() && advanced->isEnabled());
        QCOMPARE(printerAlignment->text(), u"P&rinter Alignment..."_qs);
        QCOMPARE(printerAlignment->shortcut(), QKeySequence(u"Ctrl+Alt+A"_qs));
        QCOMPARE(advanced->text(), u"Advanced Alignment"_qs);
        QVERIFY(advanced->shortcut().isEmpty());

        printerAlignment->trigger();
        auto& dialog = w.alignmentCommands().printerAlignmentDialog();
        QCOMPARE(dialog.objectName(), u"TFormPrinterAlignment"_qs);
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.isModal());

        advanced->trigger();
        auto& window = w.alignmentCommands().advancedAlignmentWindow();
        QCOMPARE(window.objectName(), u"TfrmAdvancedAlignment"_qs);
        QVERIFY(window.isVisible());
        // The first show opened the first field of the form.
        QCOMPARE(window.currentField(), fieldIndex("edit1a"));
    }

    // The dialog's own button hides the dialog and brings the field alignment up.
    void printerAlignmentLeadsToTheAdvancedAlignment() {
        PrintFixture p;
        AlignmentCommands& alignment = p.f.window().alignmentCommands();
        alignment.PrintSetup1Click();
        click(alignment.printerAlignmentDialog(), "Button3");
        QVERIFY(alignment.printerAlignmentDialog().isHidden());
        QVERIFY(alignment.advancedAlignmentWindow().isVisible());
    }

    void noAfterTheFirstTextOnlyPrintOpensThePrinterAlignment() {
        PrintFixture p(PrintFixture::AlignmentQuestion::OpensTheDialog);
        p.printModeAnswer = printing::PrintModeChoice{.textOnly = true};
        p.print(1, false);
        QCOMPARE(p.dialogs().questions.size(), 1);
        QVERIFY(p.f.window().alignmentCommands().printerAlignmentDialog().isVisible());
    }

    // The test print prints the sample claim on the printer chosen last, text only, with the
    // values shown and the field offsets; it stores nothing.
    void testPrintTakesTheShownValuesAndStoresNothing() {
        PrintFixture p(PrintFixture::AlignmentQuestion::Counted, savedAlignment("edit8j", 3, -2));
        p.f.window().printCommands().printMode().commit({.textOnly = false, .colour = true});
        p.f.window().preferences().preferences()[Pref::PrintAlignment1] = u"20"_qs;
        p.f.type("edit3a", u"OWNCLAIM"_qs);
        AlignmentCommands& alignment = p.f.window().alignmentCommands();
        alignment.PrintSetup1Click();
        auto& dialog = alignment.printerAlignmentDialog();
        click(dialog, "Button1Down");
        click(dialog, "Button1Down");
        click(dialog, "Button4Left");
        QSignalSpy written(&p.f.window().preferences().settings(),
                           &prefs::TypedPreferences::changed);
        click(dialog, "Button1");

        QVERIFY(p.dialogs().errors.isEmpty());
        QVERIFY(dialog.isVisible());
        // "123456789" (edit2c) at x 396, y 20: five points down, and x 396 lies between the
        // left and middle thirds' anchors, so the left third's -1 does not reach it.
        const QPointF sample = anchorOf(p.pdf(), u"123456789"_qs);
        QVERIFY2(near(sample.x(), 396, 0.1) && near(sample.y(), 25, 0.75),
                 qPrintable(u"%1, %2"_qs.arg(sample.x()).arg(sample.y())));
        // "MR0012345" (edit8j) at x 396, y 31, with its own offset on top: 3 up, 2 left.
        const QPointF own = anchorOf(p.pdf(), u"MR0012345"_qs);
        QVERIFY2(near(own.x(), 394, 0.1) && near(own.y(), 33, 0.75),
                 qPrintable(u"%1, %2"_qs.arg(own.x()).arg(own.y())));
        QCOMPARE(cw::test::pdfPageCount(p.pdf()), 1);
        QVERIFY(!pdfText(p.pdf()).contains(u"OWNCLAIM"_qs)); // the sample, not the claim
        QProcess images;
        images.start(u"pdfimages"_qs, {u"-list"_qs, p.pdf()});
        images.waitForFinished(60000);
        QCOMPARE(images.readAllStandardOutput().count('\n'), 2); // a heading, no picture

        QVERIFY(!written.isEmpty());
        QCOMPARE(p.pref(Pref::PrintAlignment1), u"20"_qs);
        QCOMPARE(p.pref(Pref::PrintAlignment4), u"15"_qs);
        QCOMPARE(p.pref(Pref::PrintMode), u"linesandboxes"_qs);
    }

    // A test print that fails puts the seven values and the mode back before it is told, as
    // any failed print is.
    void failedTestPrintPutsTheSettingsBack() {
        PrintFixture p;
        auto& stored = p.f.window().preferences().preferences();
        stored[Pref::PrintAlignment7] = u"60"_qs;
        stored[Pref::PrintMode] = u"LinesAndBoxes"_qs;
        p.f.window().printCommands().printer().setOutputFileName(
            p.f.home().file(u"no/such/folder/out.pdf"_qs));
        AlignmentCommands& alignment = p.f.window().alignmentCommands();
        alignment.PrintSetup1Click();
        click(alignment.printerAlignmentDialog(), "Button2Up");
        click(alignment.printerAlignmentDialog(), "Button1");
        QCOMPARE(p.dialogs().errors.size(), 1);
        QVERIFY2(p.dialogs().errors[0].contains(u"no/such/folder"_qs),
                 qPrintable(p.dialogs().errors[0]));
        QCOMPARE(p.pref(Pref::PrintAlignment7), u"60"_qs);
        QCOMPARE(p.pref(Pref::PrintAlignment2), u"18"_qs);
        QCOMPARE(p.pref(Pref::PrintMode), u"LinesAndBoxes"_qs);
        QVERIFY(!QFileInfo::exists(p.pdf()));
    }

    // With no printer chosen in this run the test print goes to the system's default printer;
    // where the system has none, it fails as any print does.
    void testPrintWithoutAnyPrinterFailsAsAPrintDoes() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer, which a test must not print on");
        EditorFixture f;
        AlignmentCommands& alignment = f.window().alignmentCommands();
        alignment.PrintSetup1Click();
        click(alignment.printerAlignmentDialog(), "Button3Down");
        click(alignment.printerAlignmentDialog(), "Button1");
        QCOMPARE(f.dialogs().errors.size(), 1);
        QVERIFY2(f.dialogs().errors[0].contains(u"No printer is installed or chosen"_qs),
                 qPrintable(f.dialogs().errors[0]));
        QCOMPARE(f.window().preferences().preferences()[Pref::PrintAlignment3], u"18"_qs);
    }

    // The first show reads the settings file: a field with up 3 and right -2 prints 3 points
    // higher and 2 points further left, by Print and Print Preview alike; its neighbour stays.
    void fieldOffsetsFromTheFileReachEveryPrint() {
        PrintFixture p(PrintFixture::AlignmentQuestion::Counted, savedAlignment("edit6a", 3, -2));
        QCOMPARE(p.f.window().alignmentCommands().settingsFile(), settingsFileIn(p.f.home()));
        p.f.type("edit6a", u"MOVED"_qs);
        p.f.type("edit6b", u"STAYS"_qs);
        p.printModeAnswer = printing::PrintModeChoice{.textOnly = false};
        p.print(1);
        // edit6a: left-aligned at x 23, y 78; edit6b at x 238.
        QPointF moved = anchorOf(p.pdf(), u"MOVED"_qs);
        QVERIFY2(near(moved.x(), 21, 0.1) && near(moved.y(), 75, 0.75),
                 qPrintable(u"%1, %2"_qs.arg(moved.x()).arg(moved.y())));
        QVERIFY(near(anchorOf(p.pdf(), u"STAYS"_qs).x(), 238, 0.1));
        QVERIFY(near(anchorOf(p.pdf(), u"STAYS"_qs).y(), 78, 0.75));

        QFile::remove(p.pdf());
        p.f.window().printCommands().PrintPreview1Click();
        moved = anchorOf(p.pdf(), u"MOVED"_qs);
        QVERIFY(near(moved.x(), 21, 0.1) && near(moved.y(), 75, 0.75));
        QVERIFY(p.dialogs().errors.isEmpty());
    }

    // Saved in the window, the offsets reach the next print at once and the file for the
    // next run; the window follows the field clicked on the form, dropping what was pending.
    void advancedWindowFollowsTheFormAndItsSaveReachesThePrint() {
        PrintFixture p;
        AlignmentCommands& alignment = p.f.window().alignmentCommands();
        alignment.AdvancedAlignment1Click();
        auto& window = alignment.advancedAlignmentWindow();
        p.f.type("edit6b", u"STAYS"_qs);
        p.f.type("edit6a", u"MOVED"_qs);
        QCOMPARE(window.currentField(), fieldIndex("edit6a"));
        child<QSlider>(window, "trkVert")->setValue(3);
        child<QSlider>(window, "trkHorz")->setValue(-2);
        child<QToolButton>(window, "SpeedButton1")->click();

        p.f.open("edit6b");
        QCOMPARE(window.currentField(), fieldIndex("edit6b"));
        child<QSlider>(window, "trkVert")->setValue(-9); // pending, then dropped
        p.f.open("edit6a");
        QCOMPARE(child<QSlider>(window, "trkVert")->value(), 3);
        p.f.open("edit6b");
        QCOMPARE(child<QSlider>(window, "trkVert")->value(), 0);

        p.printModeAnswer = printing::PrintModeChoice{.textOnly = false};
        p.print(1);
        const QPointF moved = anchorOf(p.pdf(), u"MOVED"_qs);
        QVERIFY2(near(moved.x(), 21, 0.1) && near(moved.y(), 75, 0.75),
                 qPrintable(u"%1, %2"_qs.arg(moved.x()).arg(moved.y())));
        QVERIFY(near(anchorOf(p.pdf(), u"STAYS"_qs).y(), 78, 0.75));
        const auto reread = printing::FieldOffsetsFile(settingsFileIn(p.f.home())).load();
        QVERIFY(reread.ok());
        QCOMPARE(reread->upShift(fieldIndex("edit6a")), qint16(3));
        QCOMPARE(reread->rightShift(fieldIndex("edit6a")), qint16(-2));
    }

    // A settings file that cannot be read is told at start-up; the fields print unshifted.
    void unreadableSettingsFileIsToldAtTheFirstShow() {
        EditorFixture f({}, [](const cw::test::TempHome& home) {
            QDir().mkpath(settingsFileIn(home)); // a folder in the file's place
        });
        QCOMPARE(f.dialogs().errors.size(), 1);
        QVERIFY2(f.dialogs().errors[0].contains(settingsFileIn(f.home())),
                 qPrintable(f.dialogs().errors[0]));
        QCOMPARE(f.window().printCommands().fieldOffsets().upShift(0), qint16(0));
    }

    // A save the disk refuses is told through the program's dialogs, naming the file, and the
    // run's offsets stay as they were.
    void saveThatFailsIsTold() {
        EditorFixture f;
        AlignmentCommands& alignment = f.window().alignmentCommands();
        alignment.AdvancedAlignment1Click();
        child<QSlider>(alignment.advancedAlignmentWindow(), "trkVert")->setValue(2);
        {
            const cw::test::FileSizeLimit noRoom(0);
            child<QToolButton>(alignment.advancedAlignmentWindow(), "SpeedButton1")->click();
        }
        QCOMPARE(f.dialogs().errors.size(), 1);
        QVERIFY2(f.dialogs().errors[0].contains(alignment.settingsFile()),
                 qPrintable(f.dialogs().errors[0]));
        QCOMPARE(f.window().printCommands().fieldOffsets().upShift(fieldIndex("edit1a")),
                 qint16(0));
    }
};

CW_REGISTER_TEST(AlignmentCommandsTest)
#include "AlignmentCommandsTest.moc"
