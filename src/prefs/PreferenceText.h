#pragma once

// The preference text: for each slot in order a key line "[KEY]" and a value line, every line
// ended by CR LF. The registry value and the seed files share this layout.

#include "prefs/Preferences.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace cw::prefs {

// Longer texts are cut here; the program never writes more than 88 lines.
inline constexpr int kMaxPreferenceLines = 501;

// 88 lines. A line break inside a slot's text is written as a blank: it would end the value
// line early and turn the rest of the value into lines of its own, which the next load could
// mistake for keys.
QString buildPreferenceText(const Preferences& preferences);

// Lines end at CR LF, a lone CR or a lone LF; at most kMaxPreferenceLines are kept.
QStringList splitPreferenceLines(QStringView text);

// Each slot takes the line after the first line holding its key marker, when the slot
// accepts it; otherwise the slot keeps what it holds. A value line that an earlier slot took
// is not searched for markers. Slots 0 to 13 are then lower-cased.
// (The store afterwards makes the default data folder when USERDATAPATH is "blank".)
void parsePreferenceLines(const QStringList& lines, Preferences& preferences);

} // namespace cw::prefs
