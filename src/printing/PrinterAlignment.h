#pragma once

// The seven bands of the printer alignment: the four quarters of the page, whose text moves up
// or down, and its three thirds, whose text moves left or right. Each band is named by the
// digit its preference and its controls carry (PRINTALIGNMENT1, AlignLabel1, Button1Up) and
// sets one page offset. This table is the one place that says which preference sets which
// offset; the page offsets of every job and the printer-alignment dialog both read it.

#include "prefs/TypedPreferences.h"
#include "printing/PageOffsets.h"

#include <array>

namespace cw::printing {

// A band's step value runs from -kMaxAlignmentStep to kMaxAlignmentStep; one step is a point.
inline constexpr int kMaxAlignmentStep = 30;

enum class BandAxis {
    Vertical,   // a quarter: a positive step moves its text down
    Horizontal, // a third: a positive step moves its text right
};

struct AlignmentBand {
    int digit;        // 1, 2, 3, 7: the quarters from the top; 4, 5, 6: the thirds from the left
    prefs::Pref slot; // PRINTALIGNMENT<digit>
    BandAxis axis;
    int PageOffsets::*offset; // the page offset it sets
    int anchor;               // points: the quarter's y or the third's x, where it applies fully
};

// The bands in the order of their digits, 1 to 7.
const std::array<AlignmentBand, 7>& alignmentBands();
// The band of a digit 1 to 7.
const AlignmentBand& alignmentBand(int digit);

// The printer-alignment dialog's seven step values: each preference's number less its default.
class AlignmentSteps {
public:
    // Steps outside -30..30 are shown, and stored, at the nearest end; a preference that is no
    // whole number (only a text put into the array from outside the store) reads as 0.
    static AlignmentSteps load(const prefs::TypedPreferences& preferences);

    int step(int digit) const;
    // Kept to -30..30.
    void setStep(int digit, int value);

    // Each step plus its preference's default, in decimal, into the preference.
    void store(prefs::TypedPreferences& preferences) const;

    // The page offsets a job would compute once these steps were stored.
    PageOffsets pageOffsets() const;

    bool operator==(const AlignmentSteps&) const = default;

private:
    std::array<int, 7> m_steps{}; // by digit - 1
};

} // namespace cw::printing
