// The shapes the rules test fields against, on their own: where a date's century comes from,
// the NPI check digit, and the codes' edges.

#include "check/FieldShapes.h"

#include "TestRegistry.h"

#include <QTest>

using namespace cw::check;

class FieldShapesTest : public QObject {
    Q_OBJECT

private slots:
    void formDates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("reading");
        QTest::addColumn<QDate>("date");
        const auto row = [](const char* tag, const char* text, int digits, DateReading reading,
                            QDate date = {}) {
            QTest::newRow(tag) << QString::fromLatin1(text) << digits << int(reading) << date;
        };
        row("six digits", "030509", 6, DateReading::Date, QDate(2009, 3, 5));
        row("no 30th of February", "023009", 6, DateReading::NoSuchDate);
        row("no month 13", "130109", 6, DateReading::NoSuchDate);
        row("no day 0", "030009", 6, DateReading::NoSuchDate);
        // The pivot: 00-79 are this century, 80-99 the last.
        row("year 79 is 2079", "123179", 6, DateReading::Date, QDate(2079, 12, 31));
        row("year 80 is 1980", "010180", 6, DateReading::Date, QDate(1980, 1, 1));
        row("2000 was a leap year", "022900", 6, DateReading::Date, QDate(2000, 2, 29));
        row("1999 was not", "022999", 6, DateReading::NoSuchDate);
        row("eight digits in a six-digit field", "01151960", 6, DateReading::WrongShape);
        row("slashes", "03/05/09", 6, DateReading::WrongShape);
        row("birth date", "01151960", 8, DateReading::Date, QDate(1960, 1, 15));
        row("six digits in the birth date", "011560", 8, DateReading::WrongShape);
        row("1900 was no leap year", "02291900", 8, DateReading::NoSuchDate);
    }
    void formDates() {
        QFETCH(QString, text);
        QFETCH(int, digits);
        QFETCH(int, reading);
        QFETCH(QDate, date);
        const FormDate read = readFormDate(text, digits);
        QCOMPARE(int(read.reading), reading);
        QCOMPARE(read.date, date);
    }

    void npis_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("valid") << QStringLiteral("1234567893") << true;
        QTest::newRow("last digit changed") << QStringLiteral("1234567890") << false;
        QTest::newRow("two digits swapped") << QStringLiteral("1234567983") << false;
        QTest::newRow("all ones") << QStringLiteral("1111111111") << false;
        QTest::newRow("another valid") << QStringLiteral("1678901236") << true;
        QTest::newRow("nine digits") << QStringLiteral("123456789") << false;
        QTest::newRow("letters") << QStringLiteral("12345678AB") << false;
    }
    void npis() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(isNpi(text), valid);
    }

    void typesOfBill_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("current");
        QTest::addColumn<bool>("older");
        QTest::addColumn<bool>("inpatient");
        QTest::newRow("hospital inpatient") << QStringLiteral("0111") << true << false << true;
        QTest::newRow("older form") << QStringLiteral("111") << false << true << true;
        QTest::newRow("hospital outpatient") << QStringLiteral("0131") << true << false << false;
        QTest::newRow("skilled nursing Part B") << QStringLiteral("0221") << true << false << true;
        QTest::newRow("clinic") << QStringLiteral("0711") << true << false << false;
        QTest::newRow("no leading 0") << QStringLiteral("1111") << false << false << false;
    }
    void typesOfBill() {
        QFETCH(QString, text);
        QFETCH(bool, current);
        QFETCH(bool, older);
        QFETCH(bool, inpatient);
        QCOMPARE(isTypeOfBill(text), current);
        QCOMPARE(isOlderTypeOfBill(text), older);
        QCOMPARE(isInpatientTypeOfBill(text), inpatient);
    }

    void codes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("diagnosis");
        QTest::addColumn<bool>("hcpcsOrRate");
        const auto row = [](const char* text, bool diagnosis, bool hcpcs) {
            QTest::newRow(text) << QString::fromLatin1(text) << diagnosis << hcpcs;
        };
        row("I10", true, false);
        row("E119", true, false);
        row("S72001A", true, true);
        row("S720011A", false, false);
        row("E11.9", false, false);
        row("e119", false, false);
        row("1E19", false, false);
        row("99284", false, true);
        row("99284 25", false, true);
        row("9928425", false, true);
        row("J1100 JW RT LT 59", false, true);
        row("J1100 JW RT LT 59 XU", false, false);
        row("99284 2", false, false);
        row("9928", false, true); // a rate in whole dollars
        row("450.00", false, true);
        row("450.0", false, false);
        row("g0378", false, false);
    }
    void codes() {
        QFETCH(QString, text);
        QFETCH(bool, diagnosis);
        QFETCH(bool, hcpcsOrRate);
        QCOMPARE(isDiagnosisCode(text), diagnosis);
        QCOMPARE(isHcpcsOrRate(text), hcpcsOrRate);
    }
};

CW_REGISTER_TEST(FieldShapesTest)
#include "FieldShapesTest.moc"
