#include "printing/PageOffsets.h"

#include "printing/PrinterAlignment.h"
#include "printing/Rounding.h"

#include <QCoreApplication>

#include <algorithm>

namespace cw::printing {

namespace {

using prefs::Pref;

// A shift of a whole sheet's height puts the text off the paper; anything larger does no more,
// and would overflow the arithmetic of the bends.
constexpr qint64 kLargestShift = 792;

// The slot's integer less its default, which is the setting of a form that needs no shift.
Result<int> offsetFrom(const prefs::TypedPreferences& preferences, Pref slot) {
    const std::optional<int> value = preferences.number(slot);
    if (!value)
        return Error{QCoreApplication::translate(
                         "PageOffsets", "The printer alignment setting %1 holds \"%2\", which is "
                                        "not a whole number. Set the alignment again in Printer "
                                        "Alignment before printing.")
                         .arg(QString(prefs::preferenceKey(slot).key), preferences.text(slot))};
    const qint64 offset = qint64(*value) - prefs::TypedPreferences::defaultNumber(slot);
    return int(std::clamp(offset, -kLargestShift, kLargestShift));
}

// The shift between two anchors: the fraction first, then times the difference, then rounded.
int bend(int from, int to, int position, int segmentStart, int anchor) {
    const double fraction =
        static_cast<double>(position - segmentStart) / static_cast<double>(anchor - segmentStart);
    return from + roundHalfToEven(static_cast<double>(to - from) * fraction);
}

} // namespace

Result<PageOffsets> computePageOffsets(const prefs::TypedPreferences& preferences) {
    PageOffsets offsets;
    for (const AlignmentBand& band : alignmentBands()) {
        const Result<int> offset = offsetFrom(preferences, band.slot);
        if (!offset)
            return Error{offset.error()};
        offsets.*band.offset = *offset;
    }
    return offsets;
}

int shiftVertical(const PageOffsets& o, int y) {
    if (y <= 97)
        return y + o.v1;
    if (y <= 290)
        return y + bend(o.v1, o.v2, y, 98, 290);
    if (y <= 484)
        return y + bend(o.v2, o.v3, y, 291, 484);
    if (y <= 677)
        return y + bend(o.v3, o.v4, y, 485, 677);
    return y + o.v4;
}

int shiftHorizontal(const PageOffsets& o, int x) {
    if (x <= 102)
        return x + o.h1;
    if (x <= 306)
        return x + bend(o.h1, o.h2, x, 103, 306);
    if (x <= 510)
        return x + bend(o.h2, o.h3, x, 307, 510);
    return x + o.h3;
}

} // namespace cw::printing
