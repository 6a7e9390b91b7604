// The claim check over whole claims: a real inpatient claim that passes, and that claim with
// the mistakes that get a UB-04 sent back, one kind at a time.

#include "check/ClaimCheck.h"

#include "Fixtures.h"
#include "TestRegistry.h"
#include "model/ChargeTotals.h"
#include "model/ClaimFile.h"
#include "model/FieldCatalogue.h"

#include <QTest>

using namespace cw::check;
using cw::model::ClaimValues;
using cw::model::FieldCatalogue;

namespace {

ClaimValues validClaim() {
    auto claim = cw::model::readClaimFile(cw::test::fixturePath("claim-valid.ub4"));
    if (!claim)
        qFatal("claim-valid.ub4: %s", qPrintable(claim.error()));
    return *claim;
}

// "FL 56 edit39i error" for each finding, sorted.
QStringList described(const std::vector<Finding>& findings) {
    QStringList lines;
    for (const Finding& f : findings)
        lines << f.locator + u' ' + FieldCatalogue::name(f.field) + u' ' + severityWord(f.severity);
    lines.sort();
    return lines;
}

} // namespace

class ClaimCheckTest : public QObject {
    Q_OBJECT

private slots:
    void theValidClaimPasses() {
        const std::vector<Finding> findings = checkClaim(validClaim());
        QCOMPARE(described(findings), QStringList());
    }

    // Each row changes fields of the valid claim ("field=text") and names every finding.
    void mistakes_data() {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QStringList>("findings");
        const auto row = [](const char* tag, const char* changes, const char* findings) {
            const auto words = [](const char* text) {
                return QString::fromUtf8(text).split(u';', Qt::SkipEmptyParts);
            };
            QStringList expected = words(findings);
            expected.sort();
            QTest::newRow(tag) << words(changes) << expected;
        };
        row("NPI with its last digit changed", "edit39i=1234567890", "FL 56 edit39i error");
        row("NPI of 9 digits", "edit52o=123456789", "FL 76 edit52o error");
        row("no such date: 02/30/09", "edit4c=023009", "FL 6 edit4c error");
        row("service date a day after the period", "edit17d=030609", "FL 45 edit17d error");
        row("service date a day before the period", "edit16d=030109", "FL 45 edit16d error");
        row("period ends before it begins", "edit4c=030609", "FL 6 edit4d error");
        row("totals off by one cent", "edit38g=49", "FL 47 edit38f error");
        row("non-covered totals missing", "edit19h=10;edit19i=00", "FL 48 edit38h error");
        row("non-covered above the line's total", "edit19h=300;edit19i=00;edit38h=300;edit38i=00",
            "FL 48 edit19h error");
        row("3-digit type of bill", "edit2d=111", "FL 4 edit2d warning");
        row("type of bill without its leading 0", "edit2d=1111", "FL 4 edit2d error");
        row("lowercase sex code", "edit8b=f", "FL 11 edit8b error");
        row("missing principal diagnosis", "edit49a=", "FL 67 edit49a error");
        row("8-digit birth date in a 6-digit field", "edit8d=01151960", "FL 12 edit8d error");
        row("6-digit birth date", "edit8a=011560", "FL 10 edit8a error");
        row("born after the admission", "edit8a=03032009", "FL 10 edit8a error");
        row("diagnosis with a decimal point", "edit49b=E11.9", "FL 67A edit49b error");
        row("3-digit revenue code", "edit16a=120", "FL 42 edit16a error");
        row("totals line not 0001", "edit38a=0000", "FL 42 edit38a error");
        row("dollars with a comma", "edit16f=1,350", "FL 47 edit16f error");
        // The lone digit also changes the sum: 284.05.
        row("one cents digit", "edit17g=5", "FL 47 edit17g error;FL 47 edit38f error");
        row("charges without a revenue code", "edit21f=100;edit21g=00;edit38f=3049",
            "FL 42 edit21a error");
        row("units in words", "edit16e=3 days", "FL 46 edit16e error");
        row("short HCPCS code", "edit18c=G037", "FL 44 edit18c error");
        row("inpatient claim without attending", "edit52o=", "FL 76 edit52o error");
        row("outpatient claim without attending", "edit52o=;edit2d=0131", "");
        row("blanks around a value are not a fault", "edit39i= 1234567893 ", "");
        row("the form's date of a leap year",
            "edit4c=022900;edit4d=030100;edit8d=022900;"
            "edit16d=022900;edit17d=022900;edit18d=022900;edit19d=022900;edit20d=022900",
            "");
    }
    void mistakes() {
        QFETCH(QStringList, changes);
        QFETCH(QStringList, findings);
        ClaimValues claim = validClaim();
        for (const QString& change : changes)
            claim.setValue(change.section(u'=', 0, 0), change.section(u'=', 1));
        QCOMPARE(described(checkClaim(claim)), findings);
    }

    void messagesNameTheValueAndTheFault() {
        ClaimValues claim = validClaim();
        claim.setValue(u"edit39i", QStringLiteral("1234567890"));
        claim.setValue(u"edit38g", QStringLiteral("49"));
        const std::vector<Finding> findings = checkClaim(claim);
        QCOMPARE(findings.size(), std::size_t(2));
        QCOMPARE(findings[0].locator, QStringLiteral("FL 47"));
        QCOMPARE(findings[0].message,
                 QStringLiteral("line 23 total charges 2949: lines 1 to 22 add up to 2949.50, the "
                                "totals line says 2949.49"));
        QCOMPARE(findings[1].locator, QStringLiteral("FL 56"));
        QCOMPARE(findings[1].message,
                 QStringLiteral("billing provider NPI 1234567890: the check digit is wrong; an NPI "
                                "has 10 digits and passes the Luhn check with prefix 80840"));
    }

    // The totals line agrees with the check exactly when it holds what automatic addition
    // writes, however oddly the lines are typed.
    void totalsAgreeWithAutomaticAddition() {
        ClaimValues claim = validClaim();
        claim.setValue(u"edit16f", QStringLiteral("$1,350"));
        claim.setValue(u"edit17g", QStringLiteral("125"));
        const auto total = cw::model::computeChargeTotal(cw::model::ChargeSum::TotalCharges,
                                                         [&claim](int i) { return claim[i]; });
        claim.setValue(u"edit38f", total.dollars);
        claim.setValue(u"edit38g", total.cents);
        const QStringList found = described(checkClaim(claim));
        QVERIFY2(!found.contains(QStringLiteral("FL 47 edit38f error")),
                 qPrintable(found.join(u',')));
    }

    // A blank form lacks every required locator, and nothing else is wrong with it.
    void aBlankClaimLacksTheRequiredLocators() {
        const std::vector<Finding> findings = checkClaim(ClaimValues());
        QCOMPARE(countFindings(findings).warnings, 0);
        QCOMPARE(countFindings(findings).errors, 21);
        for (const Finding& f : findings)
            QVERIFY2(f.message.contains(QStringLiteral("missing")) ||
                         f.message.contains(QStringLiteral("no service line")),
                     qPrintable(f.message));
    }
};

CW_REGISTER_TEST(ClaimCheckTest)
#include "ClaimCheckTest.moc"
