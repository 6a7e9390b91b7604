#include "TestRegistry.h"
#include "model/FieldCatalogue.h"
#include "prefs/TypedPreferences.h"
#include "printing/DeviceMetrics.h"
#include "printing/FieldOffsets.h"
#include "printing/PageOffsets.h"
#include "printing/PrintPositionTable.h"
#include "printing/PrintPositions.h"
#include "printing/Rounding.h"
#include "printing/TextPlacement.h"

#include <QTest>

using namespace cw::printing;
using cw::model::FieldCatalogue;

Q_DECLARE_METATYPE(PageOffsets)
Q_DECLARE_METATYPE(DeviceMetrics)
Q_DECLARE_METATYPE(TextAlignment)

namespace {

PageOffsets vertical(int v1, int v2, int v3, int v4) {
    PageOffsets offsets;
    offsets.v1 = v1;
    offsets.v2 = v2;
    offsets.v3 = v3;
    offsets.v4 = v4;
    return offsets;
}

PageOffsets horizontal(int h1, int h2, int h3) {
    PageOffsets offsets;
    offsets.h1 = h1;
    offsets.h2 = h2;
    offsets.h3 = h3;
    return offsets;
}

cw::prefs::Preferences defaults() {
    cw::prefs::Preferences preferences;
    preferences.resetToDefaults();
    return preferences;
}

} // namespace

class PrintGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void roundsHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("-3.5") << -3.5 << -4;
        QTest::newRow("just above half") << 2.5000001 << 3;
        QTest::newRow("just below half") << 3.4999999 << 3;
        QTest::newRow("negative, not half") << -1.2 << -1;
    }
    void roundsHalvesToEven() {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(roundHalfToEven(value), rounded);
    }

    void defaultPreferencesGiveNoOffsets() {
        cw::prefs::Preferences preferences = defaults();
        const auto offsets = computePageOffsets(cw::prefs::TypedPreferences(preferences));
        QVERIFY(offsets.ok());
        QCOMPARE(*offsets, PageOffsets{});
    }

    // Each preference lands on its own anchor; the fourth vertical one comes from the seventh.
    void preferencesMapToTheirAnchors() {
        cw::prefs::Preferences preferences = defaults();
        const int values[] = {18, 20, 21, 19, 19, 20, 25}; // defaults + 1 .. + 7 in slot order
        for (int i = 0; i < 7; ++i)
            preferences[cw::prefs::prefAt(i)] = QString::number(values[i]);
        const auto offsets = computePageOffsets(cw::prefs::TypedPreferences(preferences));
        QVERIFY(offsets.ok());
        QCOMPARE(offsets->v1, 1);
        QCOMPARE(offsets->v2, 2);
        QCOMPARE(offsets->v3, 3);
        QCOMPARE(offsets->h1, 4);
        QCOMPARE(offsets->h2, 5);
        QCOMPARE(offsets->h3, 6);
        QCOMPARE(offsets->v4, 7);
    }

    // Any whole number is a valid setting; the extremes shift by a sheet at most, without
    // overflowing on the way.
    void extremeSettingsShiftBySheetAtMost_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("offset");
        QTest::newRow("smallest") << "-2147483648" << -792;
        QTest::newRow("largest") << "2147483647" << 792;
        QTest::newRow("a sheet and more") << "1000" << 792;
        QTest::newRow("inside") << "-100" << -117;
    }
    void extremeSettingsShiftBySheetAtMost() {
        QFETCH(QString, value);
        QFETCH(int, offset);
        cw::prefs::Preferences preferences = defaults();
        for (int i = 0; i < 7; ++i)
            preferences[cw::prefs::prefAt(i)] = i % 2 ? QStringLiteral("17") : value;
        const auto offsets = computePageOffsets(cw::prefs::TypedPreferences(preferences));
        QVERIFY(offsets.ok());
        QCOMPARE(offsets->v1, offset);
        QCOMPARE(cw::printing::shiftVertical(*offsets, 0), offset);
        const int bent =
            cw::printing::shiftVertical(*offsets, 200) - 200; // between the first two anchors
        QVERIFY(bent >= std::min(offsets->v1, offsets->v2));
        QVERIFY(bent <= std::max(offsets->v1, offsets->v2));
    }

    void notAWholeNumberFailsNamingTheSetting_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("value");
        QTest::newRow("word") << 0 << "abc";
        QTest::newRow("decimal") << 3 << "15.5";
        QTest::newRow("empty") << 6 << "";
    }
    void notAWholeNumberFailsNamingTheSetting() {
        QFETCH(int, slot);
        QFETCH(QString, value);
        cw::prefs::Preferences preferences = defaults();
        preferences[cw::prefs::prefAt(slot)] = value;
        const auto offsets = computePageOffsets(cw::prefs::TypedPreferences(preferences));
        QVERIFY(!offsets.ok());
        QVERIFY2(offsets.error().contains(
                     QString(cw::prefs::preferenceKey(cw::prefs::prefAt(slot)).key)),
                 qPrintable(offsets.error()));
    }

    void shiftVertical_data() {
        QTest::addColumn<PageOffsets>("offsets");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("shifted");
        QTest::newRow("above the first anchor") << vertical(-3, 9, 9, 9) << 0 << -3;
        QTest::newRow("on the first anchor") << vertical(-3, 9, 9, 9) << 97 << 94;
        QTest::newRow("segment start keeps V1") << vertical(0, 10, 0, 0) << 98 << 98;
        QTest::newRow("half way bends by half") << vertical(0, 10, 0, 0) << 194 << 199;
        QTest::newRow("on the second anchor") << vertical(0, 10, 0, 0) << 290 << 300;
        QTest::newRow("7.5 rounds up to 8") << vertical(0, 15, 0, 0) << 194 << 202;
        QTest::newRow("6.5 rounds down to 6") << vertical(0, 13, 0, 0) << 194 << 200;
        QTest::newRow("third segment") << vertical(0, 4, -4, 0) << 387 << 387 + 4 - 4;
        QTest::newRow("on the third anchor") << vertical(0, 4, -4, 0) << 484 << 480;
        QTest::newRow("fourth segment") << vertical(0, 0, 2, 8) << 581 << 581 + 2 + 3;
        QTest::newRow("below the last anchor") << vertical(0, 0, 0, 6) << 792 << 798;
    }
    void shiftVertical() {
        QFETCH(PageOffsets, offsets);
        QFETCH(int, y);
        QFETCH(int, shifted);
        QCOMPARE(cw::printing::shiftVertical(offsets, y), shifted);
    }

    void shiftHorizontal_data() {
        QTest::addColumn<PageOffsets>("offsets");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("shifted");
        QTest::newRow("left of the first anchor") << horizontal(2, 0, 0) << 0 << 2;
        QTest::newRow("on the first anchor") << horizontal(2, 9, 0) << 102 << 104;
        QTest::newRow("segment start keeps H1") << horizontal(2, 9, 0) << 103 << 105;
        QTest::newRow("on the second anchor") << horizontal(2, 9, 0) << 306 << 315;
        QTest::newRow("third segment") << horizontal(0, 0, 20) << 408 << 418;
        QTest::newRow("right of the last anchor") << horizontal(0, 0, -5) << 612 << 607;
    }
    void shiftHorizontal() {
        QFETCH(PageOffsets, offsets);
        QFETCH(int, x);
        QFETCH(int, shifted);
        QCOMPARE(cw::printing::shiftHorizontal(offsets, x), shifted);
    }

    // Page offsets bend the table position; a field's own offsets then move it, up and right.
    void printPositionsAddFieldOffsets() {
        const int index = FieldCatalogue::indexOf(u"edit15k");
        FieldOffsets fieldOffsets;
        fieldOffsets.set(index, 4, -3);
        const PrintPositions positions = computePrintPositions(vertical(0, 10, 0, 0), fieldOffsets);
        QCOMPARE(positions.at(index), QPoint(27 - 3, 199 + 5 - 4));
        const int neighbour = FieldCatalogue::indexOf(u"edit15b");
        QCOMPARE(positions.at(neighbour), QPoint(330, 199 + 5));
    }

    void textTopLeft_data() {
        QTest::addColumn<TextAlignment>("alignment");
        QTest::addColumn<DeviceMetrics>("metrics");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("topLeft");
        const DeviceMetrics points{0, 0, 72, 72};
        const DeviceMetrics fine{0, 0, 600, 600};
        const DeviceMetrics margins{30, 50, 600, 600};
        // At 72 dpi device pixels are points: a text 20 wide and 9 high at (100, 200).
        QTest::newRow("left") << TextAlignment::Left << points << QSize(20, 9) << QPoint(100, 196);
        QTest::newRow("right") << TextAlignment::Right << points << QSize(20, 9) << QPoint(80, 196);
        QTest::newRow("centre") << TextAlignment::Center << points << QSize(20, 9)
                                << QPoint(90, 196);
        // 4.5 points of half height rounds to 4; 50 points wide at 600 dpi.
        QTest::newRow("right at 600 dpi")
            << TextAlignment::Right << fine << QSize(417, 75) << QPoint(417, 1633);
        QTest::newRow("physical offsets come off")
            << TextAlignment::Left << margins << QSize(417, 75) << QPoint(833 - 30, 1633 - 50);
    }
    void textTopLeft() {
        QFETCH(TextAlignment, alignment);
        QFETCH(DeviceMetrics, metrics);
        QFETCH(QSize, size);
        QFETCH(QPoint, topLeft);
        QCOMPARE(cw::printing::textTopLeft(alignment, QPoint(100, 200), size, metrics), topLeft);
    }

    // The picture covers the whole sheet from its corner, whatever the printable area.
    void fullSheetStartsOutsideThePrintableArea() {
        QCOMPARE(fullSheetRect({0, 0, 1200, 1200}), QRect(0, 0, 10200, 13200));
        QCOMPARE(fullSheetRect({75, 50, 300, 300}), QRect(-75, -50, 2550, 3300));
        // 8.5 * 75 = 637.5, rounded to even.
        QCOMPARE(fullSheetRect({0, 0, 75, 75}).width(), 638);
        QCOMPARE(fullSheetRect({0, 0, 77, 77}).width(), 654);
    }
};

CW_REGISTER_TEST(PrintGeometryTest)
#include "PrintGeometryTest.moc"
