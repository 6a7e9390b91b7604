#include "printing/PrintPositions.h"

#include "printing/PrintPositionTable.h"

namespace cw::printing {

PrintPositions computePrintPositions(const PageOffsets& pageOffsets,
                                     const FieldOffsets& fieldOffsets) {
    PrintPositions positions;
    for (int i = 0; i < model::kFieldCount; ++i) {
        const PrintPosition table = printPosition(i);
        if (!table.isPrinted())
            continue;
        positions.m_points.at(static_cast<std::size_t>(i)) =
            QPoint(shiftHorizontal(pageOffsets, table.x) + fieldOffsets.rightShift(i),
                   shiftVertical(pageOffsets, table.y) - fieldOffsets.upShift(i));
    }
    return positions;
}

} // namespace cw::printing
