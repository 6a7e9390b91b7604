#include "printing/FieldOffsets.h"

namespace cw::printing {

void FieldOffsets::set(int catalogueIndex, qint16 upShift, qint16 rightShift) {
    m_up.at(slot(catalogueIndex)) = upShift;
    m_right.at(slot(catalogueIndex)) = rightShift;
}

} // namespace cw::printing
