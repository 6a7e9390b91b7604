#pragma once

// The two sums of automatic addition: the charges of service lines 1 to 22 added into the
// totals line. Only the digits of a field count, so "1,200", "$1200" and "12.00" are all read
// digit by digit; the sum is exact decimal arithmetic with halves rounded up to the cent.

#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace cw::model {

enum class ChargeSum { TotalCharges, NonCoveredCharges };

struct ChargeAmount {
    QString dollars; // a text of digits
    QString cents;   // at least two digits: "05", "50", "125"
};

struct ChargeTotal {
    QString dollars; // "1325", "0"
    QString cents;   // "05", "00"

    bool operator==(const ChargeTotal&) const = default;
};

// Adds the amounts as the dollars and cents fields hold them: digits kept, "00" when a field
// has none, a lone cents digit d read as 0.0d.
ChargeTotal addCharges(const std::vector<std::pair<QString, QString>>& dollarsAndCents);

// The sum over the claim's service lines 1 to 22, reading each field's text through textOf.
ChargeTotal computeChargeTotal(ChargeSum sum, const std::function<QString(int)>& textOf);

// The catalogue indices of the sum's two result fields on the totals line.
struct ChargeResultFields {
    int dollars;
    int cents;
};
ChargeResultFields chargeResultFields(ChargeSum sum);

// The sum that a change of this field recomputes, if any: columns f and g of lines 1 to 22
// drive the total charges, h and i the non-covered charges. The totals line never does.
std::optional<ChargeSum> chargeSumDrivenBy(int catalogueIndex);

} // namespace cw::model
