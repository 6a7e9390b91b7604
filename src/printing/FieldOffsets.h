#pragma once

// The per-field alignment offsets of advanced alignment, in points: an up-shift (positive moves
// the text up) and a right-shift (positive moves it right) for every catalogue field. All are 0
// until advanced alignment loads or sets them.

#include "model/FieldCatalogue.h"

#include <QtGlobal>

#include <array>

namespace cw::printing {

class FieldOffsets {
public:
    qint16 upShift(int catalogueIndex) const { return m_up.at(slot(catalogueIndex)); }
    qint16 rightShift(int catalogueIndex) const { return m_right.at(slot(catalogueIndex)); }

    void set(int catalogueIndex, qint16 upShift, qint16 rightShift);

private:
    static std::size_t slot(int catalogueIndex) { return static_cast<std::size_t>(catalogueIndex); }

    std::array<qint16, model::kFieldCount> m_up{};
    std::array<qint16, model::kFieldCount> m_right{};
};

} // namespace cw::printing
