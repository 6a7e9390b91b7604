#include "prefs/Preferences.h"

namespace cw::prefs {

void Preferences::resetToDefaults() {
    for (int i = 0; i < kPreferenceCount; ++i)
        (*this)[prefAt(i)] = preferenceKey(prefAt(i)).defaultValue;
}

} // namespace cw::prefs
