// The printer alignment's step values and their bands, and the preview of the test print,
// which places the sample text with the print engine's own geometry.

#include "printing/PrinterAlignment.h"

#include "PrintJobFixture.h"
#include "TestRegistry.h"
#include "printing/AlignmentPreview.h"
#include "printing/FormPicture.h"

#include <QTest>

using namespace cw::printing;
using cw::prefs::Pref;

namespace {

// The smallest rectangle around the pixels darker than mid-grey.
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class PrinterAlignmentTest : public QObject {
    Q_OBJECT

private slots:
    void freshInstallationHasNoSteps() {
        cw::test::PrintRun run;
        QCOMPARE(AlignmentSteps::load(run.view), AlignmentSteps());
        QCOMPARE(AlignmentSteps().pageOffsets(), PageOffsets());
    }

    // A step value is the preference's number less its default, kept to -30..30.
    void stepsAreThePreferencesLessTheirDefaults_data() {
        QTest::addColumn<int>("digit");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("storedBack");
        QTest::newRow("first quarter up two") << 1 << "15" << -2 << "15";
        QTest::newRow("middle third right three") << 5 << "17" << 3 << "17";
        QTest::newRow("bottom quarter beyond the end") << 7 << "60" << 30 << "48";
        QTest::newRow("left third below the end") << 4 << "-100" << -30 << "-15";
        QTest::newRow("largest number") << 2 << "2147483647" << 30 << "48";
        QTest::newRow("smallest number") << 3 << "-2147483648" << -30 << "-12";
        QTest::newRow("no number") << 6 << "abc" << 0 << "14";
    }
    void stepsAreThePreferencesLessTheirDefaults() {
        QFETCH(int, digit);
        QFETCH(QString, stored);
        QFETCH(int, step);
        QFETCH(QString, storedBack);
        cw::test::PrintRun run;
        const Pref slot = alignmentBand(digit).slot;
        run.preferences[slot] = stored;
        const AlignmentSteps steps = AlignmentSteps::load(run.view);
        QCOMPARE(steps.step(digit), step);
        steps.store(run.view);
        QCOMPARE(run.preferences[slot], storedBack);
    }

    void setStepKeepsToTheEnds() {
        AlignmentSteps steps;
        steps.setStep(3, 31);
        QCOMPARE(steps.step(3), 30);
        steps.setStep(3, -31);
        QCOMPARE(steps.step(3), -30);
    }

    // The bands are named by their digits, and the fourth quarter by the seventh.
    void bandsCarryTheirDigits() {
        const int quarters[] = {1, 2, 3, 7};
        const int anchors[] = {97, 290, 484, 677};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(alignmentBand(quarters[i]).axis, BandAxis::Vertical);
            QCOMPARE(alignmentBand(quarters[i]).anchor, anchors[i]);
        }
        for (int digit = 4; digit <= 6; ++digit)
            QCOMPARE(alignmentBand(digit).axis, BandAxis::Horizontal);
        for (int digit = 1; digit <= 7; ++digit) {
            QCOMPARE(alignmentBand(digit).digit, digit);
            QCOMPARE(alignmentBand(digit).slot, cw::prefs::prefAt(digit - 1));
        }
    }

    // The dialog's page offsets are those a job computes once the steps are stored.
    void stepsGiveThePageOffsetsOfAJob() {
        cw::test::PrintRun run;
        AlignmentSteps steps;
        for (int digit = 1; digit <= 7; ++digit)
            steps.setStep(digit, digit * (digit % 2 ? 1 : -3));
        steps.store(run.view);
        const auto computed = computePageOffsets(run.view);
        QVERIFY(computed.ok());
        QCOMPARE(steps.pageOffsets(), *computed);
        QCOMPARE(computed->v4, 7);
        QCOMPARE(computed->h1, -12);
    }

    // The preview draws where the engine prints: four steps down in the first quarter move the
    // top of the page 4 points, 6 pixels at 108 pixels per inch; a field's own offset moves
    // that field alone. (Odd steps round to even pixels, as on a printer.)
    void previewPlacesTheTextAsTheEngineDoes() {
        cw::test::PrintRun run;
        const PreviewArea area{QRect(430, 40, 60, 30), 108}; // "100104" of FL 6 alone, at y 55
        QCOMPARE(area.pixelSize(), QSize(90, 45));
        const QImage blank = formInArea(area, QImage());
        const QRect still = inkBox(sampleTextInArea(area, blank, PageOffsets(), run.settings()));
        QVERIFY(!still.isEmpty());
        // Left-aligned at x 444: 14 points into the area.
        QVERIFY2(std::abs(still.left() - 21) <= 1, qPrintable(QString::number(still.left())));

        AlignmentSteps steps;
        steps.setStep(1, 4);
        steps.setStep(4, 8);
        steps.setStep(6, -6); // x 444 lies between the anchors of thirds 2 and 3: bent to -4
        const QRect moved =
            inkBox(sampleTextInArea(area, blank, steps.pageOffsets(), run.settings()));
        QCOMPARE(moved.topLeft() - still.topLeft(), QPoint(-6, 6));

        run.fieldOffsets.set(cw::model::FieldCatalogue::indexOf(u"edit4c"), 2, 4);
        const QRect own = inkBox(sampleTextInArea(area, blank, PageOffsets(), run.settings()));
        QCOMPARE(own.topLeft() - still.topLeft(), QPoint(6, -3));
    }

    // The form lies where a print job draws its picture: the area's part of the whole sheet.
    void previewShowsTheFormUnderTheText() {
        const PreviewArea area{QRect(0, 0, 306, 396), 72}; // the top-left quarter of the sheet
        QImage sheet(612, 792, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        sheet.setPixel(305, 395, qRgb(0, 0, 0)); // the quarter's last pixel
        sheet.setPixel(306, 396, qRgb(0, 0, 0)); // outside it
        const QImage form = formInArea(area, sheet);
        QCOMPARE(form.size(), QSize(306, 396));
        QVERIFY(qGray(form.pixel(305, 395)) < 64);
        QCOMPARE(inkBox(form), QRect(305, 395, 1, 1));
    }

    // The print picture's red rules show in the preview of the service lines.
    void previewOfThePrintPicture() {
        FormPictures pictures;
        const auto sheet = pictures.picture(PictureKind::Colour, PageOffsets());
        QVERIFY(sheet.ok());
        const PreviewArea area{QRect(0, 200, 268, 112), 108};
        const QImage form = formInArea(area, *sheet);
        QCOMPARE(form.size(), QSize(402, 168));
        QVERIFY(!inkBox(form).isEmpty());
    }
};

CW_REGISTER_TEST(PrinterAlignmentTest)
#include "PrinterAlignmentTest.moc"
