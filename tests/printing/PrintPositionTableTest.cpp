#include "printing/PrintPositionTable.h"

#include "TestRegistry.h"
#include "model/FieldCatalogue.h"

#include <QTest>

using cw::model::FieldCatalogue;
using cw::printing::printPosition;
using cw::printing::TextAlignment;

Q_DECLARE_METATYPE(TextAlignment)

class PrintPositionTableTest : public QObject {
    Q_OBJECT

private slots:
    // Exactly the fields with a place on the form are printed, all on the sheet.
    void printedFieldsAreTheOnFormOnes() {
        int printed = 0;
        for (int i = 0; i < cw::model::kFieldCount; ++i) {
            const auto position = printPosition(i);
            QVERIFY2(position.isPrinted() == !FieldCatalogue::isOffForm(i),
                     qPrintable(QString(FieldCatalogue::name(i))));
            if (!position.isPrinted()) {
                QCOMPARE(position.x, 0);
                continue;
            }
            ++printed;
            QVERIFY(position.x > 0 && position.x < 612);
            QVERIFY(position.y > 0 && position.y < 792);
        }
        QCOMPARE(printed, cw::printing::kPrintedFieldCount);
    }

    void positions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<TextAlignment>("alignment");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("x");
        QTest::newRow("first line") << "edit1a" << TextAlignment::Left << 20 << 22;
        QTest::newRow("catalogue index 0") << "edit8a" << TextAlignment::Right << 102 << 72;
        QTest::newRow("centred") << "edit8b" << TextAlignment::Center << 102 << 84;
        QTest::newRow("service line 1") << "edit16a" << TextAlignment::Right << 223 << 41;
        QTest::newRow("after the 13-point step") << "edit31c" << TextAlignment::Left << 404 << 229;
        QTest::newRow("service line 22") << "edit37j" << TextAlignment::Left << 476 << 584;
        QTest::newRow("page number") << "edit38k" << TextAlignment::Right << 489 << 96;
        QTest::newRow("one point below its line") << "edit44d" << TextAlignment::Left << 574 << 368;
        QTest::newRow("left of the frame") << "edit50j" << TextAlignment::Right << 659 << 19;
        QTest::newRow("last line") << "edit55f" << TextAlignment::Left << 767 << 517;
    }
    void positions() {
        QFETCH(QString, name);
        QFETCH(TextAlignment, alignment);
        QFETCH(int, y);
        QFETCH(int, x);
        const auto position = printPosition(FieldCatalogue::indexOf(name));
        QCOMPARE(position.alignment, alignment);
        QCOMPARE(position.y, y);
        QCOMPARE(position.x, x);
    }
};

CW_REGISTER_TEST(PrintPositionTableTest)
#include "PrintPositionTableTest.moc"
