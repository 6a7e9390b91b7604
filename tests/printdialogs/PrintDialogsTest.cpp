#include "DialogControls.h"
#include "PrintJobFixture.h"
#include "TestRegistry.h"
#include "printdialogs/FontSettingsDialog.h"
#include "printdialogs/PrintModeDialog.h"
#include "printing/PrintModeSettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace cw::printdialogs;
using namespace cw::printing;
using cw::prefs::Pref;

namespace {

using cw::test::child;
using cw::test::click;

// Sets the dialog's controls as a user would.
void choose(PrintModeDialog& dialog, bool textOnly, bool colour) {
    child<QRadioButton>(dialog, textOnly ? "optionRegular" : "OptionLinesandboxes")->click();
    if (child<QCheckBox>(dialog, "CheckBoxColor")->isChecked() != colour)
        child<QCheckBox>(dialog, "CheckBoxColor")->setChecked(colour);
}

// Runs formshowmodal and presses the button as soon as the dialog is up.
QDialog::DialogCode answerModally(PrintModeDialog& dialog, const char* button,
                                  PrintModeChoice* shownChoice = nullptr) {
    QTimer::singleShot(0, &dialog, [&dialog, button, shownChoice] {
        if (shownChoice)
            *shownChoice = dialog.selection();
        click(dialog, button);
    });
    return dialog.formshowmodal();
}

bool visible(QWidget& dialog, const char* name) {
    return !child<QWidget>(dialog, name)->isHidden();
}

} // namespace

Q_DECLARE_METATYPE(PictureKind)

class PrintDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void printModeDialogIsTheFormPrintMode() {
        cw::test::PrintRun run;
        PrintModeDialog dialog(run.printMode);
        QCOMPARE(dialog.objectName(), QStringLiteral("TFormPrintMode"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Mode"));
        QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(child<QRadioButton>(dialog, "OptionLinesandboxes")->text(),
                 QStringLiteral("Text && Form"));
        QCOMPARE(child<QWidget>(dialog, "Bevel1")->width(), 87);
        QCOMPARE(child<QWidget>(dialog, "Bevel2")->width(), 87);
        QCOMPARE(child<QLabel>(dialog, "imageLinesAndBoxesColor")->pixmap().size(), QSize(87, 81));
        const QString c = child<QLabel>(dialog, "labelLinesandboxesColor")->text();
        QVERIFY(c.startsWith(QStringLiteral("          Prints out text combined with a color")));
        QVERIFY(c.contains(QStringLiteral("regular red ink).  Second, real")));
        QVERIFY(c.contains(QStringLiteral("highly recommended that you:\n\n1. First send")));
        QVERIFY(c.contains(QStringLiteral("(in \"Text Only\" print mode)")));
        QCOMPARE(child<QLabel>(dialog, "labelLinesandboxes")->text(),
                 QStringLiteral("          Prints out text combined with a black & white copy "
                                "of the UB-04 form."));
    }

    // One description and one right-hand preview at a time; Color only for text and form.
    void refreshShowsWhatTheControlsSay_data() {
        QTest::addColumn<bool>("textOnly");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<bool>("colourBox");
        QTest::newRow("text and colour form") << false << true << "labelLinesandboxesColor"
                                              << "imageLinesAndBoxesColor" << true;
        QTest::newRow("text and black form") << false << false << "labelLinesandboxes"
                                             << "imageLinesAndBoxes" << true;
        QTest::newRow("text only, colour ticked") << true << true << "labelRegular"
                                                  << "imageLinesAndBoxesColor" << false;
        QTest::newRow("text only") << true << false << "labelRegular"
                                   << "imageLinesAndBoxes" << false;
    }
    void refreshShowsWhatTheControlsSay() {
        QFETCH(bool, textOnly);
        QFETCH(bool, colour);
        QFETCH(QString, description);
        QFETCH(QString, preview);
        QFETCH(bool, colourBox);
        cw::test::PrintRun run;
        PrintModeDialog dialog(run.printMode);
        choose(dialog, textOnly, colour);
        for (const char* label : {"labelRegular", "labelLinesandboxes", "labelLinesandboxesColor"})
            QCOMPARE(visible(dialog, label), description == QLatin1StringView(label));
        for (const char* image : {"imageLinesAndBoxes", "imageLinesAndBoxesColor"})
            QCOMPARE(visible(dialog, image), preview == QLatin1StringView(image));
        QVERIFY(visible(dialog, "imageRegular"));
        QCOMPARE(visible(dialog, "CheckBoxColor"), colourBox);
    }

    // OK stores both words, lower-case, also the colour of a text-only choice.
    void okCommitsTheChoice_data() {
        QTest::addColumn<bool>("textOnly");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("pictureColour");
        QTest::addColumn<PictureKind>("kind");
        QTest::newRow("text only") << true << false << "regular"
                                   << "black" << PictureKind::None;
        QTest::newRow("text only, colour kept") << true << true << "regular"
                                                << "color" << PictureKind::None;
        QTest::newRow("black form") << false << false << "linesandboxes"
                                    << "black" << PictureKind::Grey;
        QTest::newRow("colour form") << false << true << "linesandboxes"
                                     << "color" << PictureKind::Colour;
    }
    void okCommitsTheChoice() {
        QFETCH(bool, textOnly);
        QFETCH(bool, colour);
        QFETCH(QString, mode);
        QFETCH(QString, pictureColour);
        QFETCH(PictureKind, kind);
        cw::test::PrintRun run;
        PrintModeDialog dialog(run.printMode);
        QSignalSpy committed(&dialog, &PrintModeDialog::printModeCommitted);
        dialog.formshow();
        choose(dialog, textOnly, colour);
        click(dialog, "btnPrintModeOK");
        QVERIFY(dialog.isHidden());
        QCOMPARE(committed.size(), 1);
        QCOMPARE(run.printMode.pictureKind(), kind);
        QCOMPARE(run.preferences[Pref::PrintMode], mode);
        QCOMPARE(run.preferences[Pref::LinesAndBoxesColour], pictureColour);
    }

    // Cancel changes nothing; the menu's formshow shows the cancelled choice again, a print's
    // formshowmodal the committed one.
    void cancelKeepsTheModeAndFormshowmodalResets() {
        cw::test::PrintRun run;
        PrintModeDialog dialog(run.printMode);
        dialog.formshow();
        choose(dialog, false, true);
        click(dialog, "btnPrintModeCancel");
        QVERIFY(dialog.isHidden());
        QCOMPARE(run.printMode.pictureKind(), PictureKind::None);
        QCOMPARE(run.preferences[Pref::PrintMode], QStringLiteral("regular"));

        dialog.formshow();
        QCOMPARE(dialog.selection().textOnly, false);
        dialog.hide();

        PrintModeChoice shown;
        QCOMPARE(answerModally(dialog, "btnPrintModeCancel", &shown), QDialog::Rejected);
        QCOMPARE(shown.textOnly, true);
        QCOMPARE(shown.colour, false);
    }

    void formshowmodalReturnsOkAfterCommitting() {
        cw::test::PrintRun run;
        PrintModeDialog dialog(run.printMode);
        QTimer::singleShot(0, &dialog, [&dialog] {
            choose(dialog, false, false);
            click(dialog, "btnPrintModeOK");
        });
        QCOMPARE(dialog.formshowmodal(), QDialog::Accepted);
        QCOMPARE(run.printMode.pictureKind(), PictureKind::Grey);
    }

    // A mode word from outside the dialog: text and form is selected, and nothing but the
    // text prints until the user confirms.
    void unknownModeWordSelectsTextAndFormButPrintsNoPicture() {
        cw::test::PrintRun run;
        run.preferences[Pref::PrintMode] = QStringLiteral("Fancy");
        run.preferences[Pref::LinesAndBoxesColour] = QStringLiteral("COLOR");
        PrintModeSettings printMode(run.view);
        QCOMPARE(printMode.pictureKind(), PictureKind::None);
        PrintModeDialog dialog(printMode);
        QCOMPARE(dialog.selection().textOnly, false);
        QCOMPARE(dialog.selection().colour, true);
    }

    void fontDialogIsTheFontSettings() {
        cw::test::PrintRun run;
        FontSettingsDialog dialog(run.font);
        QCOMPARE(dialog.objectName(), QStringLiteral("TFontSettings"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Font"));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(child<QLabel>(dialog, "Label1")->text(),
                 QStringLiteral("Font Size: (Default is 8)"));
        QCOMPARE(child<QLabel>(dialog, "Label2")->text(),
                 QStringLiteral("All forms are printed in Courier New font, because it is "
                                "preferred by most insurance companies. "));
        const QListWidget* sizes = child<QListWidget>(dialog, "ListBox1");
        QStringList texts;
        for (int i = 0; i < sizes->count(); ++i)
            texts << sizes->item(i)->text();
        QCOMPARE(texts, (QStringList{u"8"_qs, u"9"_qs, u"10"_qs, u"12"_qs}));
    }

    void fontOkCommitsSizeAndWeight() {
        cw::test::PrintRun run;
        FontSettingsDialog dialog(run.font);
        dialog.formshow();
        QCOMPARE(dialog.selectedSize(), std::optional<int>(8));
        QListWidget* sizes = child<QListWidget>(dialog, "ListBox1");
        sizes->setCurrentRow(3);
        child<QCheckBox>(dialog, "CheckBox1")->setChecked(true);
        click(dialog, "btnFontOK");
        QVERIFY(dialog.isHidden());
        QCOMPARE(run.font.size(), 12);
        QVERIFY(run.font.isBold());
        QCOMPARE(run.preferences[Pref::PrintFontSize], QStringLiteral("12"));
        QCOMPARE(run.preferences[Pref::PrintFontBold], QStringLiteral("true"));
    }

    // Bold ticked, then Cancel: the next job prints regular, and the dialog shows it so.
    void fontCancelCommitsNothing() {
        cw::test::PrintRun run;
        FontSettingsDialog dialog(run.font);
        dialog.formshow();
        child<QCheckBox>(dialog, "CheckBox1")->setChecked(true);
        child<QListWidget>(dialog, "ListBox1")->setCurrentRow(2);
        click(dialog, "btnFontCancel");
        QVERIFY(dialog.isHidden());
        QVERIFY(!run.font.isBold());
        QCOMPARE(run.font.size(), 8);
        QCOMPARE(run.preferences[Pref::PrintFontBold], QStringLiteral("false"));
        dialog.formshow();
        QVERIFY(!dialog.isBoldTicked());
        QCOMPARE(dialog.selectedSize(), std::optional<int>(8));
    }

    // A size from outside the dialog: none is selected, and OK keeps it while committing Bold.
    void unlistedSizeIsKeptByOk() {
        cw::test::PrintRun run;
        run.preferences[Pref::PrintFontSize] = QStringLiteral("11");
        run.preferences[Pref::PrintFontBold] = QStringLiteral("TRUE");
        PrintFontSettings font(run.view);
        QCOMPARE(font.size(), 11);
        QVERIFY(font.isBold());
        FontSettingsDialog dialog(font);
        dialog.formshow();
        QCOMPARE(dialog.selectedSize(), std::nullopt);
        QVERIFY(dialog.isBoldTicked());
        child<QCheckBox>(dialog, "CheckBox1")->setChecked(false);
        click(dialog, "btnFontOK");
        QCOMPARE(font.size(), 11);
        QCOMPARE(run.preferences[Pref::PrintFontSize], QStringLiteral("11"));
        QVERIFY(!font.isBold());
        QCOMPARE(font.boldText(), QStringLiteral("False"));
        QCOMPARE(run.preferences[Pref::PrintFontBold], QStringLiteral("false"));
    }

    // PRINTFONTSIZE that is no size at all prints at the default rather than at 0.
    void printFontSizeFallsBackToTheDefault_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("size");
        QTest::newRow("word") << "big" << 8;
        QTest::newRow("zero") << "0" << 8;
        QTest::newRow("negative") << "-4" << 8;
        QTest::newRow("ten") << "10" << 10;
    }
    void printFontSizeFallsBackToTheDefault() {
        QFETCH(QString, stored);
        QFETCH(int, size);
        cw::test::PrintRun run;
        run.preferences[Pref::PrintFontSize] = stored;
        QCOMPARE(PrintFontSettings(run.view).size(), size);
    }
};

CW_REGISTER_TEST(PrintDialogsTest)
#include "PrintDialogsTest.moc"
