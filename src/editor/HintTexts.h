#pragma once

// The filing guidance of the 74 hint icons: what belongs in each form locator, shown as the
// icon's tooltip. Lines are separated by CR LF; every text fits Windows-1252.

#include <QString>
#include <QStringView>

namespace cw::editor {

inline constexpr int kHintTextCount = 74;

// The help text of the icon named iconName ("label16a"); empty for a name that has none.
QString hintText(QStringView iconName);

} // namespace cw::editor
