#include "printing/PrinterAlignment.h"

#include <QtGlobal>

#include <algorithm>

namespace cw::printing {

namespace {

using prefs::Pref;

// The fourth quarter carries the digit 7: the thirds took 4 to 6 before it was added.
constexpr std::array<AlignmentBand, 7> kBands = {{
    {1, Pref::PrintAlignment1, BandAxis::Vertical, &PageOffsets::v1, 97},
    {2, Pref::PrintAlignment2, BandAxis::Vertical, &PageOffsets::v2, 290},
    {3, Pref::PrintAlignment3, BandAxis::Vertical, &PageOffsets::v3, 484},
    {4, Pref::PrintAlignment4, BandAxis::Horizontal, &PageOffsets::h1, 102},
    {5, Pref::PrintAlignment5, BandAxis::Horizontal, &PageOffsets::h2, 306},
    {6, Pref::PrintAlignment6, BandAxis::Horizontal, &PageOffsets::h3, 510},
    {7, Pref::PrintAlignment7, BandAxis::Vertical, &PageOffsets::v4, 677},
}};

std::size_t slotOf(int digit) {
    Q_ASSERT(digit >= 1 && digit <= 7);
    return static_cast<std::size_t>(digit - 1);
}

int clampedStep(qint64 value) {
    return int(std::clamp<qint64>(value, -kMaxAlignmentStep, kMaxAlignmentStep));
}

} // namespace

const std::array<AlignmentBand, 7>& alignmentBands() {
    return kBands;
}

const AlignmentBand& alignmentBand(int digit) {
    return kBands.at(slotOf(digit));
}

AlignmentSteps AlignmentSteps::load(const prefs::TypedPreferences& preferences) {
    AlignmentSteps steps;
    for (const AlignmentBand& band : kBands) {
        const std::optional<int> number = preferences.number(band.slot);
        const qint64 step =
            number ? qint64(*number) - prefs::TypedPreferences::defaultNumber(band.slot) : 0;
        steps.m_steps.at(slotOf(band.digit)) = clampedStep(step);
    }
    return steps;
}

int AlignmentSteps::step(int digit) const {
    return m_steps.at(slotOf(digit));
}

void AlignmentSteps::setStep(int digit, int value) {
    m_steps.at(slotOf(digit)) = clampedStep(value);
}

void AlignmentSteps::store(prefs::TypedPreferences& preferences) const {
    for (const AlignmentBand& band : kBands)
        preferences.setNumber(band.slot,
                              step(band.digit) + prefs::TypedPreferences::defaultNumber(band.slot));
}

PageOffsets AlignmentSteps::pageOffsets() const {
    PageOffsets offsets;
    for (const AlignmentBand& band : kBands)
        offsets.*band.offset = step(band.digit);
    return offsets;
}

} // namespace cw::printing
