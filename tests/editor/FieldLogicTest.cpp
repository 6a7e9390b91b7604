// The decisions behind the field handlers, without a window: where keys move, which hint a
// field shows and what the hints say.

#include "TestRegistry.h"
#include "editor/FieldNavigation.h"
#include "editor/FieldWiring.h"
#include "editor/HintMap.h"
#include "editor/HintTexts.h"
#include "model/FieldCatalogue.h"
#include "model/Windows1252.h"

#include <QSet>
#include <QTest>

using namespace cw::editor;
using cw::model::FieldCatalogue;
using cw::model::kFieldCount;

namespace {

int field(const QString& name) {
    const int index = FieldCatalogue::indexOf(name);
    if (index < 0)
        qFatal("no field %s", qPrintable(name));
    return index;
}

QString nameOf(std::optional<int> index) {
    return index ? QString(FieldCatalogue::name(*index)) : QStringLiteral("none");
}

} // namespace

class FieldLogicTest : public QObject {
    Q_OBJECT

private slots:
    void tabOrderIsAPermutationOfTheCatalogue() {
        QSet<int> seen;
        for (int p = 0; p < kTabOrderCount; ++p) {
            const int index = tabOrderField(p);
            QCOMPARE(tabOrderPosition(index), p);
            seen.insert(index);
        }
        QCOMPARE(seen.size(), kFieldCount);
    }

    void tabNeverLandsOffTheForm() {
        for (int i = 0; i < kFieldCount; ++i) {
            QVERIFY(!FieldCatalogue::isOffForm(tabTarget(i, false)));
            QVERIFY(!FieldCatalogue::isOffForm(tabTarget(i, true)));
        }
    }

    void tabTargets_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("backward");
        QTest::addColumn<QString>("to");
        QTest::newRow("edit4d") << QStringLiteral("edit4d") << false << QStringLiteral("edit3c");
        // edit55d is the last field on the form; the 28 behind it are off the form.
        QTest::newRow("edit55d wraps")
            << QStringLiteral("edit55d") << false << QStringLiteral("edit1a");
        QTest::newRow("back from edit1a")
            << QStringLiteral("edit1a") << true << QStringLiteral("edit55d");
        QTest::newRow("edit37j") << QStringLiteral("edit37j") << false << QStringLiteral("edit38a");
        QTest::newRow("back over off-form")
            << QStringLiteral("edit38b") << true << QStringLiteral("edit55d");
    }
    void tabTargets() {
        QFETCH(QString, from);
        QFETCH(bool, backward);
        QFETCH(QString, to);
        QCOMPARE(nameOf(tabTarget(field(from), backward)), to);
    }

    void enterTargets_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        const auto row = [](const char* from, const char* to) {
            QTest::newRow(from) << QString::fromLatin1(from) << QString::fromLatin1(to);
        };
        row("edit2a", "edit3a");
        row("edit16c", "edit17c");
        row("edit54a", "edit55a");
        row("edit37b", "edit38b"); // off the form
        row("edit38b", "edit16c");
        row("edit38a", "edit16b");
        row("edit38i", "edit16j");
        row("edit14j", "edit15j");
        row("edit5a", "edit6b");
        row("edit9a", "edit10l");
        row("edit10l", "edit11l");
        // The last field of a block, and fields whose next field does not exist.
        row("edit38j", "none");
        row("edit38k", "none");
        row("edit4a", "none");
        row("edit2b", "none");
        row("edit41a", "none");
        row("edit55a", "none");
        row("edit15j", "none");
        row("edit54c", "none");
    }
    void enterTargets() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QCOMPARE(nameOf(enterTarget(field(from))), to);
    }

    void handlerFamilies_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("keyPress");
        QTest::addColumn<bool>("lineCellChange");
        QTest::addColumn<bool>("lineCellMouse");
        const auto row = [](const char* name, KeyPressHandler k, bool change, bool mouse) {
            QTest::newRow(name) << QString::fromLatin1(name) << int(k) << change << mouse;
        };
        row("edit16a", KeyPressHandler::RevenueCode, true, true);
        row("edit38a", KeyPressHandler::RevenueCode, true, true);
        row("edit16d", KeyPressHandler::Column, true, true);
        row("edit17d", KeyPressHandler::Column, false, true);
        row("edit38e", KeyPressHandler::Column, true, true);
        row("edit37j", KeyPressHandler::Column, true, true);
        row("edit38j", KeyPressHandler::Field, true, true);
        row("edit38k", KeyPressHandler::Column, false, true);
        row("edit12a", KeyPressHandler::Column, false, false);
        row("edit15a", KeyPressHandler::Field, false, false);
        row("edit13j", KeyPressHandler::ValueCents, false, false);
        row("edit5a", KeyPressHandler::Jump, false, false);
        row("edit54c", KeyPressHandler::TabOnly, false, false);
        row("edit46d", KeyPressHandler::Column, false, false);
        row("edit48a", KeyPressHandler::Field, false, false);
        row("edit6a", KeyPressHandler::Field, false, false);
    }
    void handlerFamilies() {
        QFETCH(QString, name);
        QFETCH(int, keyPress);
        QFETCH(bool, lineCellChange);
        QFETCH(bool, lineCellMouse);
        QCOMPARE(int(keyPressHandler(field(name))), keyPress);
        QCOMPARE(hasLineCellChange(field(name)), lineCellChange);
        QCOMPARE(hasLineCellMouse(field(name)), lineCellMouse);
    }

    void ctrlArrowTargets_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("scrollSteps");
        const auto row = [](const char* tag, const char* from, ArrowDirection d, const char* to,
                            int steps) {
            QTest::newRow(tag) << QString::fromLatin1(from) << int(d) << QString::fromLatin1(to)
                               << steps;
        };
        row("up from edit2c wraps", "edit2c", ArrowDirection::Up, "edit54b", 4);
        row("up from edit1b wraps", "edit1b", ArrowDirection::Up, "edit54a", 4);
        row("down from edit54a wraps", "edit54a", ArrowDirection::Down, "edit1a", -4);
        row("down from edit55a: nothing lower", "edit55a", ArrowDirection::Down, "none", 0);
        row("down a service column", "edit16c", ArrowDirection::Down, "edit17c", 0);
        row("up a service column", "edit20f", ArrowDirection::Up, "edit19f", 0);
        row("left neighbour", "edit1b", ArrowDirection::Left, "edit1a", 0);
        row("left wraps to the line's end", "edit1a", ArrowDirection::Left, "edit2c", 0);
        row("right wraps to the line's start", "edit2c", ArrowDirection::Right, "edit1a", 0);
        row("left alone on its line", "edit7a", ArrowDirection::Left, "edit7a", 0);
    }
    void ctrlArrowTargets() {
        QFETCH(QString, from);
        QFETCH(int, direction);
        QFETCH(QString, to);
        QFETCH(int, scrollSteps);
        const ArrowMove move = ctrlArrowTarget(field(from), ArrowDirection(direction));
        QCOMPARE(nameOf(move.target), to);
        QCOMPARE(move.scrollLineSteps, scrollSteps);
    }

    void hintMapCoversTheFormLocators() {
        QSet<QString> icons;
        QStringList withoutIcon;
        for (int i = 0; i < kFieldCount; ++i) {
            const QString icon = hintIconOfField(i);
            if (icon.isEmpty())
                withoutIcon << QString(FieldCatalogue::name(i));
            else
                icons.insert(icon);
        }
        QCOMPARE(icons.size(), kMappedHintIconCount);
        QVERIFY(!icons.contains(QStringLiteral("label7a")));
        withoutIcon.sort();
        QStringList expected = QStringLiteral("edit3c edit4i edit7a edit8r edit8w edit10p "
                                              "edit11p edit42b edit42c edit49m edit50t "
                                              "edit52k edit52l edit52m edit52n")
                                   .split(u' ');
        expected.sort();
        QCOMPARE(withoutIcon, expected);
        // Every mapped icon exists on the form.
        QSet<QString> anchors;
        for (const auto& a : FieldCatalogue::hintAnchors())
            anchors.insert(QString::fromLatin1(a.name));
        for (const QString& icon : std::as_const(icons))
            QVERIFY2(anchors.contains(icon), qPrintable(icon));
    }

    void hintMapRows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("icon");
        const auto row = [](const char* name, const char* icon) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(icon);
        };
        row("edit38d", "label38k");
        row("edit37d", "label16d");
        row("edit16g", "label16f");
        row("edit8s", "label8k");
        row("edit10l", "label9a");
        row("edit42e", "label39g");
        row("edit55f", "label52g");
        row("edit15k", "label12a");
    }
    void hintMapRows() {
        QFETCH(QString, name);
        QFETCH(QString, icon);
        QCOMPARE(hintIconOfField(field(name)), icon);
    }

    void hintTexts_data() {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("firstSentence");
        QTest::newRow("label1a") << QStringLiteral("label1a")
                                 << QStringLiteral(
                                        "Provider Name, Address, and Telephone Number Required.");
        QTest::newRow("label1b")
            << QStringLiteral("label1b")
            << QStringLiteral(
                   "Pay-to Name, address, and Secondary Identification Fields\r\nSituational.");
        QTest::newRow("label2c") << QStringLiteral("label2c")
                                 << QStringLiteral("Patient Control Number Required.");
        QTest::newRow("label2d") << QStringLiteral("label2d")
                                 << QStringLiteral("Type of Bill Required.");
        QTest::newRow("label8j") << QStringLiteral("label8j")
                                 << QStringLiteral("Medical/Health Record Number Situational.");
        QTest::newRow("label4b") << QStringLiteral("label4b")
                                 << QStringLiteral("Federal Tax Number Required.");
        QTest::newRow("label4c") << QStringLiteral("label4c")
                                 << QStringLiteral(
                                        "Statement Covers Period (From-Through) Required.");
        QTest::newRow("label4e") << QStringLiteral("label4e") << QStringLiteral("Covered Days.");
        QTest::newRow("label4f") << QStringLiteral("label4f") << QStringLiteral("Noncovered Days.");
        QTest::newRow("label4g") << QStringLiteral("label4g")
                                 << QStringLiteral("Coinsurance Days.");
        QTest::newRow("label4h") << QStringLiteral("label4h")
                                 << QStringLiteral("Lifetime Reserve Days.");
        QTest::newRow("label6a") << QStringLiteral("label6a")
                                 << QStringLiteral("Patient's Name Required.");
        QTest::newRow("label5a") << QStringLiteral("label5a")
                                 << QStringLiteral("Patient's Address Required.");
        QTest::newRow("label8a") << QStringLiteral("label8a")
                                 << QStringLiteral("Patient's Birth Date Required.");
        QTest::newRow("label8b") << QStringLiteral("label8b")
                                 << QStringLiteral("Patient's Sex Required.");
        QTest::newRow("label8c") << QStringLiteral("label8c")
                                 << QStringLiteral("Patient's Marital Status.");
        QTest::newRow("label8d") << QStringLiteral("label8d")
                                 << QStringLiteral(
                                        "Admission Date Required For Inpatient and Home Health.");
        QTest::newRow("label8e") << QStringLiteral("label8e")
                                 << QStringLiteral("Admission Hour Not Required.");
        QTest::newRow("label8f")
            << QStringLiteral("label8f")
            << QStringLiteral("Type of Admission/Visit Required on inpatient bills only.");
        QTest::newRow("label8g") << QStringLiteral("label8g")
                                 << QStringLiteral("Source of Admission Required.");
        QTest::newRow("label8h") << QStringLiteral("label8h")
                                 << QStringLiteral("Discharge Hour Not Required.");
        QTest::newRow("label8i") << QStringLiteral("label8i")
                                 << QStringLiteral("Patient Status Required.");
        QTest::newRow("label8k") << QStringLiteral("label8k")
                                 << QStringLiteral("Condition Codes Situational.");
        QTest::newRow("label10a") << QStringLiteral("label10a")
                                  << QStringLiteral("Occurrence Codes and Dates Situational.");
        QTest::newRow("label10i") << QStringLiteral("label10i")
                                  << QStringLiteral(
                                         "Occurrence Span Code and Dates Required For Inpatient.");
        QTest::newRow("label12a") << QStringLiteral("label12a")
                                  << QStringLiteral(
                                         "Responsible Party Name and Address Not Required.");
        QTest::newRow("label12b") << QStringLiteral("label12b")
                                  << QStringLiteral("Value Codes and Amounts Required.");
        QTest::newRow("label16a") << QStringLiteral("label16a")
                                  << QStringLiteral("Revenue Code Required.");
        QTest::newRow("label16b") << QStringLiteral("label16b")
                                  << QStringLiteral("Revenue Description Not Required.");
        QTest::newRow("label16c") << QStringLiteral("label16c")
                                  << QStringLiteral("HCPCS/Rates/HIPPS Rate Codes Required.");
        QTest::newRow("label16d") << QStringLiteral("label16d")
                                  << QStringLiteral("Service Date Required Outpatient.");
        QTest::newRow("label16e") << QStringLiteral("label16e")
                                  << QStringLiteral("Units of Service Required.");
        QTest::newRow("label16f")
            << QStringLiteral("label16f")
            << QStringLiteral("Total Charges - Not Applicable for Electronic Billers Required.");
        QTest::newRow("label16h") << QStringLiteral("label16h")
                                  << QStringLiteral("Noncovered Charges Required.");
        QTest::newRow("label16j") << QStringLiteral("label16j")
                                  << QStringLiteral("Untitled) Not used.");
        QTest::newRow("label38k")
            << QStringLiteral("label38k")
            << QStringLiteral("Note: the \"PAGE ____ OF ____\" and CREATION DATE on line "
                              "23\r\nshould be reported on all pages of the UB-04.");
        QTest::newRow("label39a") << QStringLiteral("label39a")
                                  << QStringLiteral("Payer Identification Required.");
        QTest::newRow("label39b")
            << QStringLiteral("label39b")
            << QStringLiteral(
                   "51A (Required), B (Situational), and C (Situational) \u00AD Health Plan ID");
        QTest::newRow("label39c")
            << QStringLiteral("label39c")
            << QStringLiteral("Release of Information Certification Indicator Required.");
        QTest::newRow("label39d") << QStringLiteral("label39d")
                                  << QStringLiteral(
                                         "Assignment of Benefits Certification Indicator.");
        QTest::newRow("label39e") << QStringLiteral("label39e")
                                  << QStringLiteral("Prior Payments Situational.");
        QTest::newRow("label39g") << QStringLiteral("label39g")
                                  << QStringLiteral("Estimated Amount Due From Patient.");
        QTest::newRow("label39i")
            << QStringLiteral("label39i")
            << QStringLiteral("National Provider ID (NPI) Required, effective May 23, 2007.");
        QTest::newRow("label40i")
            << QStringLiteral("label40i")
            << QStringLiteral(
                   "Other Provider ID (primary, secondary, and/or tertiary) Situational.");
        QTest::newRow("label42a")
            << QStringLiteral("label42a")
            << QStringLiteral(
                   "Other Provider ID (primary, secondary, and/or tertiary)\r\nSituational.");
        QTest::newRow("label43a") << QStringLiteral("label43a")
                                  << QStringLiteral("Insured's Name Required.");
        QTest::newRow("label43b") << QStringLiteral("label43b")
                                  << QStringLiteral("Patient's Relationship to Insured Required.");
        QTest::newRow("label43c")
            << QStringLiteral("label43c")
            << QStringLiteral("Insured's Unique ID (Certificate/Social Security Number/HI "
                              "Claim/\r\nIdentification Number (HICN)) Required.");
        QTest::newRow("label43d") << QStringLiteral("label43d")
                                  << QStringLiteral(
                                         "Insurance Group Name Situational (required if known).");
        QTest::newRow("label43e") << QStringLiteral("label43e")
                                  << QStringLiteral(
                                         "Insurance Group Number Situational (required if known).");
        QTest::newRow("label46a") << QStringLiteral("label46a")
                                  << QStringLiteral("Treatment Authorization Code Situational.");
        QTest::newRow("label46b") << QStringLiteral("label46b")
                                  << QStringLiteral("Employment Status Code.");
        QTest::newRow("label46c") << QStringLiteral("label46c")
                                  << QStringLiteral("Employer Name Situational.");
        QTest::newRow("label46d") << QStringLiteral("label46d")
                                  << QStringLiteral("Employer Location.");
        QTest::newRow("label9a") << QStringLiteral("label9a")
                                 << QStringLiteral("Document Control Number (DCN) Situational.");
        QTest::newRow("label50j")
            << QStringLiteral("label50j")
            << QStringLiteral(
                   "Diagnosis and Procedure code Qualifier (ICD Version Indicator) Required.");
        QTest::newRow("label49a") << QStringLiteral("label49a")
                                  << QStringLiteral("Principal Diagnosis Code Required.");
        QTest::newRow("label49b") << QStringLiteral("label49b")
                                  << QStringLiteral("Other Diagnosis Codes Inpatient Required.");
        QTest::newRow("label49j") << QStringLiteral("label49j")
                                  << QStringLiteral("Admitting Diagnosis Required.");
        QTest::newRow("label51i") << QStringLiteral("label51i")
                                  << QStringLiteral("Patient's Reason for Visit Situational.");
        QTest::newRow("label51l") << QStringLiteral("label51l")
                                  << QStringLiteral(
                                         "Prospective Payment System (PPS) Code\r\nNot used.");
        QTest::newRow("label49k") << QStringLiteral("label49k")
                                  << QStringLiteral(
                                         "External Cause of Injury (ECI) Codes Not used.");
        QTest::newRow("label49l") << QStringLiteral("label49l") << QStringLiteral("(Untitled).");
        QTest::newRow("label50h")
            << QStringLiteral("label50h")
            << QStringLiteral(
                   "Attending Provider Name and Identifiers (including NPI) Situational.");
        QTest::newRow("label50a") << QStringLiteral("label50a")
                                  << QStringLiteral("Procedure Coding Method.");
        QTest::newRow("label50b") << QStringLiteral("label50b")
                                  << QStringLiteral(
                                         "Principal Procedure Code and Date Situational.");
        QTest::newRow("label51a") << QStringLiteral("label51a")
                                  << QStringLiteral("Other Procedure Codes and Dates Situational.");
        QTest::newRow("label52t")
            << QStringLiteral("label52t")
            << QStringLiteral(
                   "Operating Provider Name and Identifiers (including NPI) Situational.");
        QTest::newRow("label51g") << QStringLiteral("label51g")
                                  << QStringLiteral("Other Physician ID.");
        QTest::newRow("label54b") << QStringLiteral("label54b")
                                  << QStringLiteral("Provider Representative Signature.");
        QTest::newRow("label52a") << QStringLiteral("label52a")
                                  << QStringLiteral("Remarks Situational.");
        QTest::newRow("label52d") << QStringLiteral("label52d")
                                  << QStringLiteral("Code-Code Field Situational.");
        QTest::newRow("label52g") << QStringLiteral("label52g")
                                  << QStringLiteral(
                                         "Other Provider Name and Identifiers (including NPI).");
        QTest::newRow("label54c") << QStringLiteral("label54c") << QStringLiteral("Date.");
    }
    void hintTexts() {
        QFETCH(QString, icon);
        QFETCH(QString, firstSentence);
        const QString text = hintText(icon);
        QVERIFY2(text.startsWith(firstSentence), qPrintable(text.left(80)));
        QVERIFY(text.size() >= 18 && text.size() <= 1308);
        QCOMPARE(cw::model::Windows1252::firstUnencodable(text), -1);
        // Several short lines, so the tool tip stays readable.
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QVERIFY(lines.size() >= 3);
        for (const QString& line : lines) {
            QVERIFY2(line.size() <= 72, qPrintable(line));
            QVERIFY(!line.contains(u'\r') && !line.contains(u'\n'));
        }
        const bool softHyphen = icon == u"label39b" || icon == u"label50h" || icon == u"label52d";
        QCOMPARE(text.contains(QChar(0xAD)), softHyphen);
    }

    void unknownIconHasNoText() {
        QVERIFY(hintText(u"label7a").isEmpty());
        QVERIFY(hintText(u"LABEL1A").isEmpty());
    }
};

CW_REGISTER_TEST(FieldLogicTest)
#include "FieldLogicTest.moc"
