// The printer-alignment dialog: its controls and texts, the steps and their limits, what OK,
// Cancel and Return to Defaults store, the test prints, the auto-repeat of a held step button
// (driven through the dialog's own timers) and the preview.

#include "printdialogs/PrinterAlignmentDialog.h"

#include "DialogControls.h"
#include "PrintJobFixture.h"
#include "TestRegistry.h"
#include "printdialogs/AlignmentPreviewView.h"
#include "printing/AlignmentPreview.h"
#include "printing/FormPicture.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace cw::printdialogs;
using namespace cw::printing;
using cw::prefs::Pref;
using cw::test::child;
using cw::test::click;

namespace {

struct AlignmentRun {
    cw::test::PrintRun run;
    PrinterAlignmentDialog dialog{run.view, [this] {
                                      return run.settings();
                                  }};
    QStringList messages;

    AlignmentRun() {
        dialog.setMessageShower([this](const QString& text) { messages << text; });
    }

    QString shown(const char* name) { return child<QLabel>(dialog, name)->text(); }
    bool visible(const char* name) { return !child<QWidget>(dialog, name)->isHidden(); }
    void press(const char* button, int times) {
        for (int i = 0; i < times; ++i)
            click(dialog, button);
    }
    int step(int digit) { return dialog.steps().step(digit); }
    QString stored(int digit) { return run.preferences[alignmentBand(digit).slot]; }
};

QByteArray digitName(const char* stem, int digit, const char* tail = "") {
    return QByteArray(stem) + QByteArray::number(digit) + tail;
}

void fire(QTimer* timer) {
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

} // namespace

class PrinterAlignmentDialogTest : public QObject {
    Q_OBJECT

private slots:
    void dialogIsTheFormPrinterAlignment() {
        AlignmentRun a;
        PrinterAlignmentDialog& d = a.dialog;
        QCOMPARE(d.objectName(), u"TFormPrinterAlignment"_qs);
        QCOMPARE(d.windowTitle(), u"Printer Alignment"_qs);
        QVERIFY(d.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(d.minimumSize(), QSize(670, 472));
        QCOMPARE(d.maximumSize(), QSize(670, 472));
        QCOMPARE(a.shown("Label1"), u"Up-Down "_qs);
        QCOMPARE(a.shown("Label2"), u"Left-Right"_qs);
        QCOMPARE(
            a.shown("Label8"),
            u"Note: Signature (Field 85) is controlled automatically and cannot be adjusted."_qs);
        const std::pair<const char*, const char*> buttons[] = {
            {"ButtonDefaults", "Return to Defaults"},
            {"Button1", "Test Print (Text Only)"},
            {"Button15", "OK"},
            {"Button16", "Cancel"},
            {"Button3", "Advanced Alignment"},
            {"Button2", "It's Not Working"},
            {"Button4Left", "<"},
            {"Button6Right", ">"}};
        for (const auto& [name, text] : buttons)
            QCOMPARE(child<QPushButton>(d, name)->text(), QString::fromUtf8(text));
        QVERIFY(child<QPushButton>(d, "Button15")->isDefault());
        QVERIFY(!a.visible("Button2"));
        for (const int digit : {1, 2, 3, 7}) {
            QCOMPARE(a.shown(digitName("Label", digit, "Neg")), u"Up"_qs);
            QCOMPARE(a.shown(digitName("Label", digit, "Pos")), u"Down"_qs);
            QCOMPARE(a.shown(digitName("LabelBand", digit)), u"Text In This Quarter Is Moved:"_qs);
            for (const char* way : {"Up", "Down"})
                QVERIFY(!child<QPushButton>(d, digitName("Button", digit, way))
                             ->accessibleName()
                             .isEmpty());
        }
        for (const int digit : {4, 5, 6}) {
            QCOMPARE(a.shown(digitName("Label", digit, "Neg")), u"Left"_qs);
            QCOMPARE(a.shown(digitName("Label", digit, "Pos")), u"Right"_qs);
            QCOMPARE(a.shown(digitName("LabelBand", digit)), u"Text In This Third Is Moved:"_qs);
            QCOMPARE(a.shown(digitName("LabelUnit", digit)), u"Inches"_qs);
            QVERIFY(!a.visible(digitName("AlignLabel", digit)));
        }
        auto* timer1 = child<QTimer>(d, "Timer1");
        auto* timer2 = child<QTimer>(d, "Timer2");
        QCOMPARE(timer1->interval(), 500);
        QCOMPARE(timer2->interval(), 75);
        QVERIFY(!timer1->isActive() && !timer2->isActive());
    }

    void freshInstallationShowsNoShift() {
        AlignmentRun a;
        a.dialog.init();
        QVERIFY(a.dialog.isVisible());
        for (const AlignmentBand& band : alignmentBands()) {
            QCOMPARE(a.shown(digitName("DecimalLabel", band.digit)), u"0.00"_qs);
            QCOMPARE(a.shown(digitName("AlignLabel", band.digit)), u"0"_qs);
            QVERIFY(!a.visible(digitName("Label", band.digit, "Neg")));
            QVERIFY(!a.visible(digitName("Label", band.digit, "Pos")));
            QVERIFY(a.visible(digitName("LabelUnit", band.digit)));
        }
        QCOMPARE(a.dialog.focusWidget(), child<QWidget>(a.dialog, "Button15"));
        QVERIFY(a.visible("Label8"));
    }

    // Each row: a stored text, the clicks, what the band shows, and what OK stores.
    void stepsShowAndOkStores_data() {
        QTest::addColumn<int>("digit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QByteArray>("direction");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("stored");
        QTest::newRow("first quarter up twice")
            << 1 << "17" << QByteArray("Button1Up") << 2 << QByteArray("Label1Neg") << "0.04"
            << "15";
        QTest::newRow("middle third right three times")
            << 5 << "14" << QByteArray("Button5Right") << 3 << QByteArray("Label5Pos") << "0.06"
            << "17";
        QTest::newRow("bottom quarter stored beyond the end")
            << 7 << "60" << QByteArray() << 0 << QByteArray("Label7Pos") << "0.60"
            << "48";
        QTest::newRow("at -29, two ups stop at -30")
            << 1 << "-12" << QByteArray("Button1Up") << 2 << QByteArray("Label1Neg") << "0.60"
            << "-13";
        QTest::newRow("at 30, down does nothing")
            << 2 << "48" << QByteArray("Button2Down") << 1 << QByteArray("Label2Pos") << "0.60"
            << "48";
        QTest::newRow("left third back to zero")
            << 4 << "16" << QByteArray("Button4Left") << 1 << QByteArray() << "0.00"
            << "15";
    }
    void stepsShowAndOkStores() {
        QFETCH(int, digit);
        QFETCH(QString, before);
        QFETCH(QByteArray, button);
        QFETCH(int, clicks);
        QFETCH(QByteArray, direction);
        QFETCH(QString, amount);
        QFETCH(QString, stored);
        AlignmentRun a;
        a.run.preferences[alignmentBand(digit).slot] = before;
        a.dialog.init();
        if (!button.isEmpty())
            a.press(button.constData(), clicks);
        QCOMPARE(a.shown(digitName("DecimalLabel", digit)), amount);
        for (const char* way : {"Neg", "Pos"}) {
            const QByteArray name = digitName("Label", digit, way);
            QCOMPARE(a.visible(name), name == direction);
        }
        QCOMPARE(a.stored(digit), before); // nothing is stored before OK
        click(a.dialog, "Button15");
        QVERIFY(a.dialog.isHidden());
        QCOMPARE(a.stored(digit), stored);
        // The other bands are stored as they were shown: their defaults.
        const int other = digit == 3 ? 6 : 3;
        QCOMPARE(a.stored(other),
                 QString(cw::prefs::preferenceKey(alignmentBand(other).slot).defaultValue));
    }

    void cancelStoresNothingAndTheNextOpeningShowsTheStoredValues() {
        AlignmentRun a;
        a.run.preferences[Pref::PrintAlignment6] = u"11"_qs;
        a.dialog.init();
        a.press("Button6Right", 5);
        a.press("Button3Down", 1);
        click(a.dialog, "Button16");
        QVERIFY(a.dialog.isHidden());
        QCOMPARE(a.stored(6), u"11"_qs);
        QCOMPARE(a.stored(3), u"18"_qs);
        a.dialog.init();
        QCOMPARE(a.step(6), -3);
        QCOMPARE(a.shown("DecimalLabel6"), u"0.06"_qs);
        QCOMPARE(a.step(3), 0);
    }

    void returnToDefaultsShowsZeroAndStoresOnlyWithOk() {
        AlignmentRun a;
        for (const AlignmentBand& band : alignmentBands())
            a.run.preferences[band.slot] = u"20"_qs;
        a.dialog.init();
        click(a.dialog, "ButtonDefaults");
        for (const AlignmentBand& band : alignmentBands()) {
            QCOMPARE(a.shown(digitName("DecimalLabel", band.digit)), u"0.00"_qs);
            QVERIFY(!a.visible(digitName("Label", band.digit, "Pos")));
            QCOMPARE(a.stored(band.digit), u"20"_qs);
        }
        click(a.dialog, "Button15");
        for (const AlignmentBand& band : alignmentBands())
            QCOMPARE(a.stored(band.digit),
                     QString(cw::prefs::preferenceKey(band.slot).defaultValue));
    }

    void seventhTestPrintOffersHelpUntilTheNextOpening() {
        AlignmentRun a;
        QSignalSpy printed(&a.dialog, &PrinterAlignmentDialog::testPrintRequested);
        a.dialog.init();
        a.press("Button1", 6);
        QCOMPARE(printed.size(), 6);
        QVERIFY(!a.visible("Button2"));
        a.press("Button1", 1);
        QVERIFY(a.visible("Button2"));
        QVERIFY(a.dialog.isVisible()); // a test print leaves the dialog open
        a.dialog.init();
        QVERIFY(!a.visible("Button2"));
        a.press("Button1", 6);
        QVERIFY(!a.visible("Button2"));
    }

    // The test print reads the values shown; they are not stored.
    void testPrintTakesTheShownValues() {
        AlignmentRun a;
        AlignmentSteps seen;
        connect(&a.dialog, &PrinterAlignmentDialog::testPrintRequested, &a.dialog,
                [&] { seen = a.dialog.steps(); });
        a.dialog.init();
        a.press("Button7Down", 4);
        a.press("Button4Left", 2);
        click(a.dialog, "Button1");
        QCOMPARE(seen.step(7), 4);
        QCOMPARE(seen.step(4), -2);
        QCOMPARE(a.stored(7), u"18"_qs);
    }

    void itsNotWorkingNamesTheSupport() {
        AlignmentRun a;
        a.dialog.init();
        click(a.dialog, "Button2");
        QCOMPARE(a.messages, QStringList{u"Please call support at 1-800-555-0142 or e-mail "
                                         u"support@quillmark.example."_qs});
    }

    void advancedAlignmentHidesTheDialogAndStoresNothing() {
        AlignmentRun a;
        QSignalSpy advanced(&a.dialog, &PrinterAlignmentDialog::advancedAlignmentRequested);
        a.dialog.init();
        a.press("Button2Up", 3);
        click(a.dialog, "Button3");
        QVERIFY(a.dialog.isHidden());
        QCOMPARE(advanced.size(), 1);
        QCOMPARE(a.stored(2), u"18"_qs);
    }

    // Held down: nothing until Timer1 (500 ms) fires, then a step every tick of Timer2 (75 ms)
    // until the release, and one more for the click of the release.
    void heldButtonRepeatsThroughItsTimers() {
        AlignmentRun a;
        a.dialog.init();
        auto* button = child<QPushButton>(a.dialog, "Button2Down");
        auto* timer1 = child<QTimer>(a.dialog, "Timer1");
        auto* timer2 = child<QTimer>(a.dialog, "Timer2");
        QTest::mousePress(button, Qt::LeftButton);
        QVERIFY(timer1->isActive());
        QVERIFY(timer1->isSingleShot());
        QVERIFY(!timer2->isActive());
        QCOMPARE(a.step(2), 0);
        fire(timer1);
        QVERIFY(timer2->isActive());
        for (int tick = 0; tick < 3; ++tick)
            fire(timer2);
        QCOMPARE(a.step(2), 3);
        QTest::mouseRelease(button, Qt::LeftButton);
        QVERIFY(!timer1->isActive() && !timer2->isActive());
        QCOMPARE(a.step(2), 4);
        QCOMPARE(a.shown("DecimalLabel2"), u"0.08"_qs);
    }

    // Released before Timer1 fires: the click's one step, and the timers stop.
    void shortPressIsOneStep() {
        AlignmentRun a;
        a.dialog.init();
        auto* button = child<QPushButton>(a.dialog, "Button5Left");
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(a.step(5), -1);
        QVERIFY(!child<QTimer>(a.dialog, "Timer1")->isActive());
        QVERIFY(!child<QTimer>(a.dialog, "Timer2")->isActive());
    }

    // The preview is the engine's picture of the band last stepped, with the shown values and
    // the run's field offsets, redrawn on every step.
    void previewShowsTheShownValuesWithTheEngine() {
        AlignmentRun a;
        a.run.fieldOffsets.set(cw::model::FieldCatalogue::indexOf(u"edit18f"), 3, -2);
        a.dialog.init();
        auto* preview = child<AlignmentPreviewView>(a.dialog, "AlignmentPreview");
        QCOMPARE(preview->bandDigit(), 1);
        QVERIFY(a.shown("LabelPreview").endsWith(u"first quarter, top left"_qs));
        a.press("Button6Right", 2);
        QCOMPARE(preview->bandDigit(), 6);
        QVERIFY(a.shown("LabelPreview").endsWith(u"right third, service lines"_qs));

        FormPictures pictures;
        const auto sheet = pictures.picture(PictureKind::Colour, PageOffsets());
        QVERIFY(sheet.ok());
        const PreviewArea area{AlignmentPreviewView::areaPoints(6), 108};
        const QImage expected = sampleTextInArea(area, formInArea(area, *sheet),
                                                 a.dialog.steps().pageOffsets(), a.run.settings());
        QCOMPARE(preview->picture(), expected);
        const QImage before = preview->picture();
        a.press("Button6Right", 1);
        QVERIFY(preview->picture() != before);
    }
};

CW_REGISTER_TEST(PrinterAlignmentDialogTest)
#include "PrinterAlignmentDialogTest.moc"
