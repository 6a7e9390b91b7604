#pragma once

// The settings files of the earlier release ("newprintsettings.cfg", "fontsettings.cfg",
// "printmode.cfg", "options.cfg", "initialdir.cfg"), one setting per line, taken over once on
// a user's first run.

#include "prefs/Preferences.h"

#include <QString>

namespace cw::prefs {

// Any of the five files lies in the folder.
bool hasLegacySettings(const QString& folder);

// Copies each line into its slot, unchanged and not lower-cased. A file that is missing or
// unreadable, a line it lacks and a value the slot does not accept leave the slot as it is.
void importLegacySettings(const QString& folder, Preferences& preferences);

} // namespace cw::prefs
