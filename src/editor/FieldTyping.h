#pragma once

// What a typed character records in the document status.

#include "model/DocumentStatus.h"

namespace cw::editor {

// Ctrl+V (22) and the codes 32 to 127 mark the claim modified; typed into the patient name or
// a service line they also mark the patient or the lines as typed. Backspace, Ctrl+X and the
// other codes record nothing.
void recordTypedCharacter(model::DocumentStatus& status, int fieldIndex, char16_t code);

} // namespace cw::editor
