#pragma once

// Where each claim field is printed on the paper form, in points from the top-left corner of
// the letter-size sheet. Measured on the pre-printed UB-04; independent of the screen geometry.

namespace cw::printing {

enum class TextAlignment { Left, Right, Center };

struct PrintPosition {
    TextAlignment alignment = TextAlignment::Left;
    int y = 0; // vertical centre line of the text; 0 for a field that is never printed
    int x = 0; // left edge, right edge or centre of the text, as the alignment says

    bool isPrinted() const { return y != 0; }
};

inline constexpr int kPrintedFieldCount = 481;

// The print position of catalogue entry 0..508.
PrintPosition printPosition(int catalogueIndex);

} // namespace cw::printing
