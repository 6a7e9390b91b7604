#include "printing/PrintFontSettings.h"

namespace cw::printing {

using prefs::Pref;

PrintFontSettings::PrintFontSettings(prefs::TypedPreferences& preferences)
    : m_preferences(preferences) {}

int PrintFontSettings::size() const {
    return m_preferences.numberOrDefault(Pref::PrintFontSize);
}

bool PrintFontSettings::isBold() const {
    return m_preferences.flag(Pref::PrintFontBold);
}

QString PrintFontSettings::boldText() const {
    if (m_committed)
        return isBold() ? QStringLiteral("True") : QStringLiteral("False");
    return isBold() ? QStringLiteral("true") : QStringLiteral("false");
}

void PrintFontSettings::commit(std::optional<int> size, bool bold) {
    m_committed = true;
    m_preferences.setFlag(Pref::PrintFontBold, bold);
    if (size)
        m_preferences.setNumber(Pref::PrintFontSize, *size);
}

} // namespace cw::printing
