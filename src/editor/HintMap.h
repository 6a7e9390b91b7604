#pragma once

// Which hint icon a claim field shows while it has the focus. Several fields share an icon;
// a few fields have none, and the icon label7a is shown by no field.

#include <QString>

namespace cw::editor {

inline constexpr int kMappedHintIconCount = 74;

// The name of the field's hint icon ("label16f"); empty for a field without one.
QString hintIconOfField(int catalogueIndex);

} // namespace cw::editor
