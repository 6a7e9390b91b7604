#pragma once

// The preferences array: one text per slot of the key table, the form in which the store loads
// and saves them. The rest of the program reads and writes the slots through TypedPreferences.

#include "prefs/PreferenceKeys.h"

#include <QString>

#include <array>

namespace cw::prefs {

class Preferences {
public:
    // Before a load every slot is an empty text.
    Preferences() = default;

    QString& operator[](Pref slot) { return m_slots[static_cast<std::size_t>(slot)]; }
    const QString& operator[](Pref slot) const { return m_slots[static_cast<std::size_t>(slot)]; }

    void resetToDefaults();

    bool operator==(const Preferences&) const = default;

private:
    std::array<QString, kPreferenceCount> m_slots;
};

} // namespace cw::prefs
