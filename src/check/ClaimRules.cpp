#include "check/ClaimRules.h"

#include "check/FieldShapes.h"
#include "model/ChargeTotals.h"
#include "model/FieldCatalogue.h"

#include <QCoreApplication>

#include <algorithm>

namespace cw::check {

using model::ClaimValues;
using model::FieldCatalogue;

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ClaimRules", text);
}

int indexOf(const char16_t* name) {
    const int index = FieldCatalogue::indexOf(QStringView(name));
    Q_ASSERT(index >= 0);
    return index;
}

// The field's text without the blanks around it, which print as nothing.
QStringView textOf(const ClaimValues& claim, int field) {
    return QStringView(claim[field]).trimmed();
}

bool isBlank(const ClaimValues& claim, int field) {
    return textOf(claim, field).isEmpty();
}

int serviceField(int line, char column) {
    return FieldCatalogue::indexAt(model::kFirstServiceGroup + line - 1, column);
}

constexpr int kLastChargeLine = 22; // line 23 holds the totals
constexpr int kTotalsLine = 23;

// ---- Building the table

RuleField at(int locator, const char* letter, const char16_t* field, const QString& name) {
    return {QStringLiteral("FL %1%2").arg(locator).arg(QLatin1StringView(letter)), locator,
            indexOf(field), 0, name};
}

// Column `column` of service lines first to last, named "line N " + what.
std::vector<RuleField> lines(int locator, char column, const QString& what, int first = 1,
                             int last = kLastChargeLine) {
    std::vector<RuleField> fields;
    for (int line = first; line <= last; ++line)
        fields.push_back({QStringLiteral("FL %1").arg(locator), locator, serviceField(line, column),
                          line, tr("line %1 %2").arg(line).arg(what)});
    return fields;
}

std::vector<RuleField> joined(std::initializer_list<std::vector<RuleField>> parts) {
    std::vector<RuleField> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// ---- Dates

std::optional<QString> dateFault(const ClaimValues& claim, const RuleField& f, int digits) {
    const QStringView text = textOf(claim, f.field);
    if (text.isEmpty())
        return std::nullopt;
    switch (readFormDate(text, digits).reading) {
    case DateReading::Date:
        return std::nullopt;
    case DateReading::NoSuchDate:
        return tr("there is no such date; the date is written MMDDYY%1")
            .arg(digits == 8 ? QStringLiteral("YY") : QString());
    case DateReading::WrongShape:
        break;
    }
    if (digits == 8)
        return tr("the birth date has 8 digits, MMDDCCYY (March 5, 1960 is 03051960)");
    if (text.size() == 8 && isDigits(text))
        return tr("a date here has 6 digits, MMDDYY (March 5, 2009 is 030509); only the birth "
                  "date has 8");
    return tr("a date here has 6 digits, MMDDYY (March 5, 2009 is 030509)");
}

std::optional<QString> shortDate(const ClaimValues& claim, const RuleField& f) {
    return dateFault(claim, f, 6);
}

std::optional<QString> birthDate(const ClaimValues& claim, const RuleField& f) {
    return dateFault(claim, f, 8);
}

// The date a 6-digit date field holds, when it holds one.
std::optional<QDate> shortDateIn(const ClaimValues& claim, int field) {
    const FormDate read = readFormDate(textOf(claim, field), 6);
    return read.reading == DateReading::Date ? std::optional(read.date) : std::nullopt;
}

QString shown(const QDate& date) {
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

// The fields other fields are checked against.
struct Anchors {
    int statementFrom = indexOf(u"edit4c");
    int statementThrough = indexOf(u"edit4d");
    int admissionDate = indexOf(u"edit8d");
    int typeOfBill = indexOf(u"edit2d");
};

const Anchors& anchors() {
    static const Anchors fields;
    return fields;
}

std::optional<QString> periodInOrder(const ClaimValues& claim, const RuleField& f) {
    const auto from = shortDateIn(claim, anchors().statementFrom);
    const auto through = shortDateIn(claim, f.field);
    if (from && through && *from > *through)
        return tr("the statement period ends before it begins (from %1)").arg(shown(*from));
    return std::nullopt;
}

std::optional<QString> serviceInPeriod(const ClaimValues& claim, const RuleField& f) {
    const auto service = shortDateIn(claim, f.field);
    const auto from = shortDateIn(claim, anchors().statementFrom);
    const auto through = shortDateIn(claim, anchors().statementThrough);
    if (!service || !from || !through || *from > *through)
        return std::nullopt;
    if (*service < *from || *service > *through)
        return tr("outside the statement period %1 to %2").arg(shown(*from), shown(*through));
    return std::nullopt;
}

std::optional<QString> bornBeforeCare(const ClaimValues& claim, const RuleField& f) {
    const FormDate birth = readFormDate(textOf(claim, f.field), 8);
    if (birth.reading != DateReading::Date)
        return std::nullopt;
    if (const auto admitted = shortDateIn(claim, anchors().admissionDate);
        admitted && birth.date > *admitted)
        return tr("after the admission date %1").arg(shown(*admitted));
    if (const auto through = shortDateIn(claim, anchors().statementThrough);
        through && birth.date > *through)
        return tr("after the statement period, which ends %1").arg(shown(*through));
    return std::nullopt;
}

// ---- Codes and numbers

// The fault of a filled field whose text does not have the shape; a blank field passes here.
std::optional<QString> shapeFault(const ClaimValues& claim, const RuleField& f,
                                  bool (*shaped)(QStringView), const char* fault) {
    const QStringView text = textOf(claim, f.field);
    if (text.isEmpty() || shaped(text))
        return std::nullopt;
    return tr(fault);
}

std::optional<QString> npi(const ClaimValues& claim, const RuleField& f) {
    const QStringView text = textOf(claim, f.field);
    if (text.isEmpty() || isNpi(text))
        return std::nullopt;
    if (text.size() != 10 || !isDigits(text))
        return tr("an NPI has 10 digits");
    return tr("the check digit is wrong; an NPI has 10 digits and passes the Luhn check with "
              "prefix 80840");
}

std::optional<QString> typeOfBill(const ClaimValues& claim, const RuleField& f) {
    return shapeFault(
        claim, f, [](QStringView text) { return isTypeOfBill(text) || isOlderTypeOfBill(text); },
        "a type of bill has 4 digits, the first of them 0 (0131)");
}

std::optional<QString> olderTypeOfBill(const ClaimValues& claim, const RuleField& f) {
    const QStringView text = textOf(claim, f.field);
    if (!isOlderTypeOfBill(text))
        return std::nullopt;
    return tr("3 digits is the older form; the UB-04 takes 4, with a leading 0 (0%1)").arg(text);
}

std::optional<QString> sex(const ClaimValues& claim, const RuleField& f) {
    return shapeFault(
        claim, f, [](QStringView text) { return text == u"M" || text == u"F" || text == u"U"; },
        "the sex is M, F or U, a capital letter");
}

std::optional<QString> revenueCode(const ClaimValues& claim, const RuleField& f) {
    return shapeFault(
        claim, f, [](QStringView text) { return text.size() == 4 && isDigits(text); },
        "a revenue code has 4 digits (0450)");
}

// A line with a charge but nothing to say what for.
std::optional<QString> lineHasRevenueCode(const ClaimValues& claim, const RuleField& f) {
    if (!isBlank(claim, f.field))
        return std::nullopt;
    for (const char column : {'f', 'g', 'h', 'i'})
        if (!isBlank(claim, serviceField(f.line, column)))
            return tr("missing on a line with charges");
    return std::nullopt;
}

std::optional<QString> totalsRevenueCode(const ClaimValues& claim, const RuleField& f) {
    const QStringView text = textOf(claim, f.field);
    if (text == u"0001")
        return std::nullopt;
    if (!text.isEmpty())
        return tr("the totals line carries revenue code 0001");
    for (int line = 1; line <= kLastChargeLine; ++line)
        if (!isBlank(claim, serviceField(line, 'a')))
            return tr("missing; the totals line carries revenue code 0001");
    return std::nullopt;
}

std::optional<QString> hcpcs(const ClaimValues& claim, const RuleField& f) {
    return shapeFault(
        claim, f, isHcpcsOrRate,
        "a HCPCS or HIPPS code is 5 capital letters or digits with up to four 2-character "
        "modifiers (99213 25); a rate is digits (450.00)");
}

std::optional<QString> units(const ClaimValues& claim, const RuleField& f) {
    return shapeFault(claim, f, isDigits, "units are a whole number, digits only");
}

std::optional<QString> diagnosis(const ClaimValues& claim, const RuleField& f) {
    const QStringView text = textOf(claim, f.field);
    if (text.isEmpty() || isDiagnosisCode(text))
        return std::nullopt;
    if (text.contains(u'.'))
        return tr("leave out the decimal point (E11.9 is written E119)");
    return tr("an ICD-10-CM code has 3 to 7 characters: a capital letter, a digit, then capital "
              "letters or digits (E119)");
}

// ---- Charges

std::optional<QString> dollars(const ClaimValues& claim, const RuleField& f) {
    return shapeFault(claim, f, isDigits,
                      "dollars are digits only, without $, commas, points or a minus sign");
}

// f is the cents field; its dollars stand in the column to its left.
std::optional<QString> cents(const ClaimValues& claim, const RuleField& f) {
    const QStringView text = textOf(claim, f.field);
    const int dollarsField =
        serviceField(f.line, char(FieldCatalogue::coordinates(f.field).column - 1));
    if (text.isEmpty() && isBlank(claim, dollarsField))
        return std::nullopt;
    if (text.size() == 2 && isDigits(text))
        return std::nullopt;
    return tr("cents are 2 digits (00 for whole dollars, 05 for five cents)");
}

// An amount as automatic addition reads it.
model::ChargeTotal amountIn(const ClaimValues& claim, int dollarsField, int centsField) {
    return model::addCharges({{claim[dollarsField], claim[centsField]}});
}

QString shown(const model::ChargeTotal& amount) {
    return amount.dollars + u'.' + amount.cents;
}

bool isMore(const model::ChargeTotal& a, const model::ChargeTotal& b) {
    if (a.dollars.size() != b.dollars.size())
        return a.dollars.size() > b.dollars.size();
    if (a.dollars != b.dollars)
        return a.dollars > b.dollars;
    return a.cents > b.cents;
}

std::optional<QString> lineTotal(const ClaimValues& claim, model::ChargeSum sum) {
    const model::ChargeTotal added =
        model::computeChargeTotal(sum, [&claim](int field) -> QString { return claim[field]; });
    const model::ChargeResultFields result = model::chargeResultFields(sum);
    const model::ChargeTotal written = amountIn(claim, result.dollars, result.cents);
    if (added == written)
        return std::nullopt;
    return tr("lines 1 to 22 add up to %1, the totals line says %2")
        .arg(shown(added), shown(written));
}

std::optional<QString> totalCharges(const ClaimValues& claim, const RuleField&) {
    return lineTotal(claim, model::ChargeSum::TotalCharges);
}

std::optional<QString> nonCoveredCharges(const ClaimValues& claim, const RuleField&) {
    return lineTotal(claim, model::ChargeSum::NonCoveredCharges);
}

// f is the non-covered dollars field of a line.
std::optional<QString> nonCoveredWithinTotal(const ClaimValues& claim, const RuleField& f) {
    if (isBlank(claim, f.field) && isBlank(claim, serviceField(f.line, 'i')))
        return std::nullopt;
    const model::ChargeTotal nonCovered = amountIn(claim, f.field, serviceField(f.line, 'i'));
    const model::ChargeTotal total =
        amountIn(claim, serviceField(f.line, 'f'), serviceField(f.line, 'g'));
    if (!isMore(nonCovered, total))
        return std::nullopt;
    return tr("more than the line's total charges %1").arg(shown(total));
}

// ---- Presence

std::optional<QString> required(const ClaimValues& claim, const RuleField& f) {
    if (!isBlank(claim, f.field))
        return std::nullopt;
    return tr("missing; a payer rejects a claim without it");
}

std::optional<QString> someServiceLine(const ClaimValues& claim, const RuleField&) {
    for (int line = 1; line <= kLastChargeLine; ++line)
        if (!isBlank(claim, serviceField(line, 'a')))
            return std::nullopt;
    return tr("no service line; a claim has at least one line with a revenue code");
}

std::optional<QString> attendingForInpatient(const ClaimValues& claim, const RuleField& f) {
    if (!isBlank(claim, f.field) || !isInpatientTypeOfBill(textOf(claim, anchors().typeOfBill)))
        return std::nullopt;
    return tr("missing; an inpatient claim names its attending provider");
}

std::vector<Rule> makeRules() {
    const auto E = Severity::Error;
    const auto W = Severity::Warning;
    std::vector<Rule> rules;
    rules.push_back({E,
                     {at(1, "", u"edit1a", tr("billing provider name")),
                      at(1, "", u"edit2a", tr("billing provider street address")),
                      at(1, "", u"edit3a", tr("billing provider city, state and ZIP code")),
                      at(3, "a", u"edit2c", tr("patient control number")),
                      at(4, "", u"edit2d", tr("type of bill")),
                      at(5, "", u"edit4b", tr("federal tax number")),
                      at(6, "", u"edit4c", tr("statement from date")),
                      at(6, "", u"edit4d", tr("statement through date")),
                      at(8, "b", u"edit6a", tr("patient name")),
                      at(9, "a", u"edit5a", tr("patient street address")),
                      at(9, "b", u"edit6b", tr("patient city")),
                      at(9, "c", u"edit6c", tr("patient state")),
                      at(9, "d", u"edit6d", tr("patient ZIP code")),
                      at(10, "", u"edit8a", tr("birth date")),
                      at(11, "", u"edit8b", tr("sex")),
                      at(50, "A", u"edit39a", tr("payer name")),
                      at(56, "", u"edit39i", tr("billing provider NPI")),
                      at(58, "A", u"edit43a", tr("insured's name")),
                      at(60, "A", u"edit43c", tr("insured's unique ID")),
                      at(67, "", u"edit49a", tr("principal diagnosis"))},
                     required});
    rules.push_back({E, {at(42, "", u"edit16a", tr("service lines"))}, someServiceLine});
    rules.push_back(
        {E, {at(76, "", u"edit52o", tr("attending provider NPI"))}, attendingForInpatient});

    rules.push_back({E,
                     {at(56, "", u"edit39i", tr("billing provider NPI")),
                      at(76, "", u"edit52o", tr("attending provider NPI")),
                      at(77, "", u"edit52t", tr("operating provider NPI")),
                      at(78, "", u"edit52h", tr("other provider NPI")),
                      at(79, "", u"edit54h", tr("other provider NPI"))},
                     npi});

    rules.push_back({E, {at(4, "", u"edit2d", tr("type of bill"))}, typeOfBill});
    rules.push_back({W, {at(4, "", u"edit2d", tr("type of bill"))}, olderTypeOfBill});
    rules.push_back({E, {at(11, "", u"edit8b", tr("sex"))}, sex});

    rules.push_back({E, {at(10, "", u"edit8a", tr("birth date"))}, birthDate});
    rules.push_back({E,
                     joined({{at(6, "", u"edit4c", tr("statement from date")),
                              at(6, "", u"edit4d", tr("statement through date")),
                              at(12, "", u"edit8d", tr("admission date")),
                              at(31, "a", u"edit10b", tr("occurrence date")),
                              at(31, "b", u"edit11b", tr("occurrence date")),
                              at(32, "a", u"edit10d", tr("occurrence date")),
                              at(32, "b", u"edit11d", tr("occurrence date")),
                              at(33, "a", u"edit10f", tr("occurrence date")),
                              at(33, "b", u"edit11f", tr("occurrence date")),
                              at(34, "a", u"edit10h", tr("occurrence date")),
                              at(34, "b", u"edit11h", tr("occurrence date")),
                              at(35, "a", u"edit10j", tr("occurrence span from date")),
                              at(35, "a", u"edit10k", tr("occurrence span through date")),
                              at(35, "b", u"edit11j", tr("occurrence span from date")),
                              at(35, "b", u"edit11k", tr("occurrence span through date")),
                              at(36, "a", u"edit10n", tr("occurrence span from date")),
                              at(36, "a", u"edit10o", tr("occurrence span through date")),
                              at(36, "b", u"edit11n", tr("occurrence span from date")),
                              at(36, "b", u"edit11o", tr("occurrence span through date"))},
                             lines(45, 'd', tr("service date")),
                             lines(45, 'd', tr("creation date"), kTotalsLine, kTotalsLine),
                             {at(74, "", u"edit50c", tr("principal procedure date")),
                              at(74, "a", u"edit50e", tr("procedure date")),
                              at(74, "b", u"edit50g", tr("procedure date")),
                              at(74, "c", u"edit51b", tr("procedure date")),
                              at(74, "d", u"edit51d", tr("procedure date")),
                              at(74, "e", u"edit51f", tr("procedure date"))}}),
                     shortDate});
    rules.push_back({E, {at(6, "", u"edit4d", tr("statement through date"))}, periodInOrder});
    rules.push_back({E, lines(45, 'd', tr("service date")), serviceInPeriod});
    rules.push_back({E, {at(10, "", u"edit8a", tr("birth date"))}, bornBeforeCare});

    rules.push_back({E, lines(42, 'a', tr("revenue code")), revenueCode});
    rules.push_back({E, lines(42, 'a', tr("revenue code")), lineHasRevenueCode});
    rules.push_back(
        {E, lines(42, 'a', tr("revenue code"), kTotalsLine, kTotalsLine), totalsRevenueCode});
    rules.push_back({E, lines(44, 'c', tr("HCPCS, rate or HIPPS code")), hcpcs});
    rules.push_back({E, lines(46, 'e', tr("units")), units});

    rules.push_back({E,
                     joined({lines(47, 'f', tr("total charges"), 1, kTotalsLine),
                             lines(48, 'h', tr("non-covered charges"), 1, kTotalsLine)}),
                     dollars});
    rules.push_back({E,
                     joined({lines(47, 'g', tr("total charges cents"), 1, kTotalsLine),
                             lines(48, 'i', tr("non-covered charges cents"), 1, kTotalsLine)}),
                     cents});
    rules.push_back(
        {E, lines(47, 'f', tr("total charges"), kTotalsLine, kTotalsLine), totalCharges});
    rules.push_back({E, lines(48, 'h', tr("non-covered charges"), kTotalsLine, kTotalsLine),
                     nonCoveredCharges});
    rules.push_back({E, lines(48, 'h', tr("non-covered charges")), nonCoveredWithinTotal});

    std::vector<RuleField> diagnoses = {at(67, "", u"edit49a", tr("principal diagnosis"))};
    const char16_t* const others[] = {u"edit49b", u"edit49c", u"edit49d", u"edit49e", u"edit49f",
                                      u"edit49g", u"edit49h", u"edit49i", u"edit50k", u"edit50l",
                                      u"edit50m", u"edit50n", u"edit50o", u"edit50p", u"edit50q",
                                      u"edit50r", u"edit50s"};
    const char* const letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                   "J", "K", "L", "M", "N", "O", "P", "Q"};
    for (std::size_t i = 0; i < std::size(others); ++i)
        diagnoses.push_back(at(67, letters[i], others[i], tr("other diagnosis")));
    diagnoses.push_back(at(69, "", u"edit49j", tr("admitting diagnosis")));
    diagnoses.push_back(at(70, "a", u"edit51i", tr("reason for visit")));
    diagnoses.push_back(at(70, "b", u"edit51j", tr("reason for visit")));
    diagnoses.push_back(at(70, "c", u"edit51k", tr("reason for visit")));
    diagnoses.push_back(at(72, "a", u"edit49k", tr("external cause of injury")));
    diagnoses.push_back(at(72, "b", u"edit51m", tr("external cause of injury")));
    diagnoses.push_back(at(72, "c", u"edit51n", tr("external cause of injury")));
    rules.push_back({E, std::move(diagnoses), diagnosis});
    return rules;
}

} // namespace

std::span<const Rule> claimRules() {
    static const std::vector<Rule> rules = makeRules();
    return rules;
}

} // namespace cw::check
