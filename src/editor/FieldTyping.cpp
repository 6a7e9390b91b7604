#include "editor/FieldTyping.h"

#include "model/FieldCatalogue.h"

namespace cw::editor {

using model::FieldCatalogue;

void recordTypedCharacter(model::DocumentStatus& status, int fieldIndex, char16_t code) {
    const bool counts = code == 22 || (code >= 32 && code <= 127);
    // edit54c only passes Tab on; what is typed there never counts.
    static const int tabOnlyField = FieldCatalogue::indexOf(u"edit54c");
    if (!counts || fieldIndex == tabOnlyField)
        return;
    status.modified = true;
    static const int patientName = FieldCatalogue::indexOf(u"edit6a");
    if (fieldIndex == patientName || FieldCatalogue::coordinates(fieldIndex).isServiceLine())
        status.patientOrLinesTyped = true;
}

} // namespace cw::editor
