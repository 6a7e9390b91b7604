#pragma once

// Printing rounds to the nearest integer and a value exactly halfway to the even one
// (2.5 -> 2, 3.5 -> 4). Written out rather than left to std::nearbyint, so the result never
// depends on the floating-point environment's rounding mode.

#include <cmath>

namespace cw::printing {

inline int roundHalfToEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        rounded = lower + 1.0;
    return static_cast<int>(rounded);
}

} // namespace cw::printing
