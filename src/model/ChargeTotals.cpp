#include "model/ChargeTotals.h"

#include "model/FieldCatalogue.h"

#include <algorithm>
#include <array>

namespace cw::model {

namespace {

QString digitsOf(const QString& text) {
    QString digits;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits += c;
    return digits.isEmpty() ? QStringLiteral("00") : digits;
}

// Sum of two non-negative whole numbers written in decimal digits, of any length.
QString addDigits(const QString& a, const QString& b) {
    QString sum;
    int carry = 0;
    for (qsizetype i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        const int da = i < a.size() ? a[a.size() - 1 - i].unicode() - u'0' : 0;
        const int db = i < b.size() ? b[b.size() - 1 - i].unicode() - u'0' : 0;
        const int d = da + db + carry;
        sum.prepend(QChar(u'0' + d % 10));
        carry = d / 10;
    }
    return sum;
}

QString withoutLeadingZeros(const QString& digits) {
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits[first] == u'0')
        ++first;
    return digits.sliced(first);
}

int indexOf(const char16_t* name) {
    return FieldCatalogue::indexOf(QStringView(name));
}

constexpr int kSummedLines = kLastServiceGroup - kFirstServiceGroup;

// The dollars and cents fields of lines 1 to 22 for one sum.
using SummedFields = std::array<std::pair<int, int>, kSummedLines>;

SummedFields summedFieldsOf(char dollarsColumn) {
    SummedFields fields;
    for (int line = 0; line < kSummedLines; ++line) {
        const int group = kFirstServiceGroup + line;
        fields[std::size_t(line)] = {FieldCatalogue::indexAt(group, dollarsColumn),
                                     FieldCatalogue::indexAt(group, char(dollarsColumn + 1))};
    }
    return fields;
}

const SummedFields& summedFields(ChargeSum sum) {
    static const SummedFields total = summedFieldsOf('f');
    static const SummedFields nonCovered = summedFieldsOf('h');
    return sum == ChargeSum::TotalCharges ? total : nonCovered;
}

} // namespace

ChargeTotal addCharges(const std::vector<std::pair<QString, QString>>& dollarsAndCents) {
    // Every amount is written as one whole number of 10^-places units, places being the
    // longest run of cents digits (at least two), so the addition is exact.
    std::vector<std::pair<QString, QString>> amounts;
    qsizetype places = 2;
    for (const auto& [dollars, cents] : dollarsAndCents) {
        QString fraction = digitsOf(cents);
        if (fraction.size() == 1)
            fraction.prepend(u'0'); // a lone 5 is five cents
        places = std::max(places, fraction.size());
        amounts.emplace_back(digitsOf(dollars), fraction);
    }
    QString total = QStringLiteral("0");
    for (const auto& [whole, fraction] : amounts)
        total = addDigits(total, whole + fraction.leftJustified(places, u'0'));

    // To whole cents, halves up.
    total = total.rightJustified(places + 1, u'0');
    QString cents = total.first(total.size() - (places - 2));
    if (places > 2 && total[total.size() - (places - 2)] >= u'5')
        cents = addDigits(cents, QStringLiteral("1"));
    cents = cents.rightJustified(3, u'0');
    return {withoutLeadingZeros(cents.first(cents.size() - 2)), cents.last(2)};
}

ChargeTotal computeChargeTotal(ChargeSum sum, const std::function<QString(int)>& textOf) {
    std::vector<std::pair<QString, QString>> amounts;
    amounts.reserve(kSummedLines);
    for (const auto& [dollars, cents] : summedFields(sum))
        amounts.emplace_back(textOf(dollars), textOf(cents));
    return addCharges(amounts);
}

ChargeResultFields chargeResultFields(ChargeSum sum) {
    if (sum == ChargeSum::TotalCharges)
        return {indexOf(u"edit38f"), indexOf(u"edit38g")};
    return {indexOf(u"edit38h"), indexOf(u"edit38i")};
}

std::optional<ChargeSum> chargeSumDrivenBy(int catalogueIndex) {
    const auto at = FieldCatalogue::coordinates(catalogueIndex);
    if (at.group < kFirstServiceGroup || at.group >= kLastServiceGroup)
        return std::nullopt;
    if (at.column == 'f' || at.column == 'g')
        return ChargeSum::TotalCharges;
    if (at.column == 'h' || at.column == 'i')
        return ChargeSum::NonCoveredCharges;
    return std::nullopt;
}

} // namespace cw::model
