#pragma once

// Which handlers each claim field has. Every field shows its hint and moves with Ctrl+arrows;
// what a key press, a text change and the mouse do depends on the field's family.

namespace cw::editor {

enum class KeyPressHandler {
    Field,       // FieldKeyPress: flags, Tab and Shift+Tab; Enter does nothing
    Column,      // ColumnKeyPress: Enter moves down the column
    RevenueCode, // RevenueCodeKeyPress: Column, then the five-digit revenue code warning
    ValueCents,  // ValueCentsKeyPress: Column (Field for edit15j), then the cents warning
    Jump,        // JumpKeyPress: Enter moves to one fixed field
    TabOnly,     // TabOnlyKeyPress: Tab and Shift+Tab only; Enter is swallowed
};

KeyPressHandler keyPressHandler(int catalogueIndex);

// LineCellChange (mirror, AutoFill, automatic addition) rather than mirrorFieldText alone.
bool hasLineCellChange(int catalogueIndex);

// LineCellMouseDown and LineCellDblClick: every field of groups 16 to 38.
bool hasLineCellMouse(int catalogueIndex);

} // namespace cw::editor
