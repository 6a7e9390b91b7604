#pragma once

// How the alignment windows show a shift: a number of hundredths as "0.04".

#include <QString>

#include <cstdlib>

namespace cw::printdialogs {

// |hundredths| with exactly two decimals, counted in whole numbers so that no rounding creeps in.
inline QString twoDecimals(int hundredths) {
    const int n = std::abs(hundredths);
    return QStringLiteral("%1.%2").arg(n / 100).arg(n % 100, 2, 10, QLatin1Char('0'));
}

} // namespace cw::printdialogs
