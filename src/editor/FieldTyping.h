#pragma once

// What a typed character records: the document status flags and the typed-cell flags.

#include "model/ClaimDocument.h"

#include <QKeyEvent>

namespace cw::editor {

class TypedCellFlags;

// The character code a key press types, as the field handlers count it: 9 for Tab and
// Shift+Tab, 13 for Enter, 22 for paste, the control codes 1 to 26 for Ctrl+letter, else the
// first character of the key's text; 0 for a key that types nothing (arrows, Delete, F keys,
// Ctrl+Alt+letter).
char16_t typedCharacterCode(const QKeyEvent& key);

// Paste (22) and the codes 32 to 127 are recorded in the document (modified; typed into the
// patient name or a service line, the patient or the lines as typed) and mark a service-line
// cell as the user's own. Backspace, Ctrl+X and the other codes record nothing.
void recordTypedCharacter(model::ClaimDocument& document, TypedCellFlags& typedCells,
                          int fieldIndex, char16_t code);

} // namespace cw::editor
