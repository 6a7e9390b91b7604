#include "editor/FieldTyping.h"

#include "editor/AutoFill.h"
#include "model/FieldCatalogue.h"

namespace cw::editor {

using model::FieldCatalogue;

char16_t typedCharacterCode(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Delete: // some platforms give it the text DEL (127); it types nothing
        return 0;
    default:
        break;
    }
    if (key.matches(QKeySequence::Paste))
        return 22;
    const Qt::KeyboardModifiers mods = key.modifiers();
    if (mods.testFlag(Qt::ControlModifier) && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) {
        // Ctrl+Alt+letter is a menu shortcut and types nothing, whatever control character
        // the platform puts in its text (Ctrl+Alt+M would otherwise be Enter).
        if (mods.testFlag(Qt::AltModifier))
            return 0;
        return char16_t(key.key() - Qt::Key_A + 1);
    }
    const QString text = key.text();
    return text.isEmpty() ? 0 : text.front().unicode();
}

void recordTypedCharacter(model::ClaimDocument& document, TypedCellFlags& typedCells,
                          int fieldIndex, char16_t code) {
    if (code != 22 && (code < 32 || code > 127))
        return;
    document.recordTypedCharacter(fieldIndex);
    const auto at = FieldCatalogue::coordinates(fieldIndex);
    typedCells.setTypedCellFlag(at.group, at.column);
}

} // namespace cw::editor
