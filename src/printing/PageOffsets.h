#pragma once

// The page offsets: seven signed shifts in points from the printer-alignment preferences. Four
// vertical ones sit on the quarters of the page and three horizontal ones on its thirds; between
// two anchors the shift changes linearly, so the page bends rather than moves.

#include "platform/Result.h"
#include "prefs/TypedPreferences.h"

namespace cw::printing {

struct PageOffsets {
    int v1 = 0; // at y = 97
    int v2 = 0; // at y = 290
    int v3 = 0; // at y = 484
    int v4 = 0; // at y = 677
    int h1 = 0; // at x = 102
    int h2 = 0; // at x = 306
    int h3 = 0; // at x = 510

    bool operator==(const PageOffsets&) const = default;
};

// From PRINTALIGNMENT1..7 less their defaults; V4 comes from the seventh. Fails, naming the
// key, when a value is not a whole number.
Result<PageOffsets> computePageOffsets(const prefs::TypedPreferences& preferences);

// y in points (0..792) moved by the vertical offsets; positive offsets move down.
int shiftVertical(const PageOffsets& offsets, int y);
// x in points (0..612) moved by the horizontal offsets; positive offsets move right.
int shiftHorizontal(const PageOffsets& offsets, int x);

} // namespace cw::printing
