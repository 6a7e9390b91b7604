#pragma once

// Where the keys move the focus: Tab and Shift+Tab through the fixed tab order, Enter down a
// column or to a fixed field, and Ctrl+arrows to the nearest field on the form picture. Plain
// functions over the field catalogue; the field handlers open the field they return.

#include <optional>

namespace cw::editor {

inline constexpr int kTabOrderCount = 509;

// Catalogue index of the field at a tab order position 0..508.
int tabOrderField(int position);
// Position of a field in the tab order.
int tabOrderPosition(int catalogueIndex);

// The next (or previous) field in the tab order that lies on the form; wraps at both ends.
int tabTarget(int catalogueIndex, bool backward);

// The field Enter opens from this one, given its key-press handler; nothing where Enter does
// not move or where the field it would move to does not exist.
std::optional<int> enterTarget(int catalogueIndex);

// Enter from a service date of lines 1 to 22 leaves the caret at the start of the next one,
// with nothing selected.
bool enterPutsCaretAtStart(int catalogueIndex);

enum class ArrowDirection { Up, Down, Left, Right };

struct ArrowMove {
    std::optional<int> target;
    // Line steps the window's vertical scroll bar moves after a fixed wrap: negative is up.
    int scrollLineSteps = 0;
};

// Ctrl+arrow from a field: compares the catalogue positions of all 509 fields.
ArrowMove ctrlArrowTarget(int catalogueIndex, ArrowDirection direction);

} // namespace cw::editor
