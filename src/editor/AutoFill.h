#pragma once

// AutoFill copies what the user types into a service-line cell down its column as far as the
// revenue-row marker, but never over a cell the user filled in himself (a typed cell).

#include "model/ClaimDocument.h"

#include <bitset>

namespace cw::editor {

// One flag per service-line cell, groups 16 to 38 and columns a to j: set when the user filled
// the cell himself.
class TypedCellFlags {
public:
    static bool isCell(int group, char column);

    // Ignores anything that is not a service-line cell.
    void setTypedCellFlag(int group, char column);
    bool isSet(int group, char column) const;
    void clearTypedCellFlags() { m_flags.reset(); }
    std::size_t count() const { return m_flags.count(); }

private:
    static std::size_t bit(int group, char column);
    std::bitset<230> m_flags;
};

// Copies the text of the cell (group, column) into the cells below it down to markerRow that
// are not typed cells. Each copy is an ordinary change of the document, so a cell's own change
// handler runs for it; a cell that already holds the text does not change.
void autoFillColumn(model::ClaimDocument& document, const TypedCellFlags& typed, int markerRow,
                    int group, char column);

} // namespace cw::editor
