// The two sums of automatic addition, which the totals line and the claim check both use.

#include "model/ChargeTotals.h"

#include "TestRegistry.h"
#include "model/FieldCatalogue.h"

#include <QTest>

using namespace cw::model;

class ChargeTotalsTest : public QObject {
    Q_OBJECT

private slots:
    void chargeSums_data() {
        QTest::addColumn<QStringList>("amounts"); // dollars, cents, dollars, cents ...
        QTest::addColumn<QString>("dollars");
        QTest::addColumn<QString>("cents");
        const auto row = [](const char* tag, QStringList amounts, const char* d, const char* c) {
            QTest::newRow(tag) << amounts << QString::fromLatin1(d) << QString::fromLatin1(c);
        };
        row("nothing but a letter", {QStringLiteral("x"), {}}, "0", "00");
        row("a lone cents digit and a comma",
            {QStringLiteral("125"), QStringLiteral("5"), QStringLiteral("1,200"), {}}, "1325",
            "05");
        row("a point is not a decimal point", {QStringLiteral("12.50"), {}}, "1250", "00");
        row("a minus sign is dropped", {QStringLiteral("-40"), {}}, "40", "00");
        row("cents carry into dollars",
            {QStringLiteral("$1"), QStringLiteral("75"), QStringLiteral("2"), QStringLiteral("50")},
            "4", "25");
        row("long cents: half rounds up", {{}, QStringLiteral("125")}, "0", "13");
        row("long cents: below half", {{}, QStringLiteral("124")}, "0", "12");
        row("long cents add up before rounding",
            {{}, QStringLiteral("125"), {}, QStringLiteral("125")}, "0", "25");
        row("rounding carries into dollars", {QStringLiteral("9"), QStringLiteral("999")}, "10",
            "00");
        row("more digits than a machine word",
            {QStringLiteral("99999999999999999999"), {}, QStringLiteral("1"), {}},
            "100000000000000000000", "00");
    }
    void chargeSums() {
        QFETCH(QStringList, amounts);
        QFETCH(QString, dollars);
        QFETCH(QString, cents);
        std::vector<std::pair<QString, QString>> pairs;
        for (qsizetype i = 0; i + 1 < amounts.size(); i += 2)
            pairs.emplace_back(amounts[i], amounts[i + 1]);
        QCOMPARE(addCharges(pairs), (ChargeTotal{dollars, cents}));
    }

    void totalsLineAndOtherColumnsDriveNoSum() {
        QCOMPARE(chargeSumDrivenBy(FieldCatalogue::indexOf(u"edit16f")), ChargeSum::TotalCharges);
        QCOMPARE(chargeSumDrivenBy(FieldCatalogue::indexOf(u"edit37i")),
                 ChargeSum::NonCoveredCharges);
        for (const char* name : {"edit38f", "edit38g", "edit38h", "edit38i", "edit16e", "edit12f"})
            QVERIFY2(!chargeSumDrivenBy(FieldCatalogue::indexOf(QString::fromLatin1(name))), name);
    }
};

CW_REGISTER_TEST(ChargeTotalsTest)
#include "ChargeTotalsTest.moc"
