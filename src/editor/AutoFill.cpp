#include "editor/AutoFill.h"

#include "model/FieldCatalogue.h"

namespace cw::editor {

using model::FieldCatalogue;
using model::kFirstServiceGroup;
using model::kLastServiceGroup;

namespace {

constexpr int kCellColumns = 10; // a to j

} // namespace

bool TypedCellFlags::isCell(int group, char column) {
    return group >= kFirstServiceGroup && group <= kLastServiceGroup && column >= 'a' &&
           column <= 'j';
}

std::size_t TypedCellFlags::bit(int group, char column) {
    return std::size_t((group - kFirstServiceGroup) * kCellColumns + (column - 'a'));
}

void TypedCellFlags::setTypedCellFlag(int group, char column) {
    if (isCell(group, column))
        m_flags.set(bit(group, column));
}

bool TypedCellFlags::isSet(int group, char column) const {
    return isCell(group, column) && m_flags.test(bit(group, column));
}

void autoFillColumn(model::ClaimDocument& document, const TypedCellFlags& typed, int markerRow,
                    int group, char column) {
    if (group > markerRow)
        return;
    const QString source = document.value(FieldCatalogue::indexAt(group, column));
    for (int i = group; i <= markerRow; ++i)
        if (!typed.isSet(i, column))
            document.setValue(FieldCatalogue::indexAt(i, column), source,
                              model::ValueSource::Program);
}

} // namespace cw::editor
