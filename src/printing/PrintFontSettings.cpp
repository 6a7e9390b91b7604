#include "printing/PrintFontSettings.h"

namespace cw::printing {

namespace {

// The store admits only integers in PRINTFONTSIZE; a text from outside it that is not one
// prints at the default rather than at size 0.
int sizeFrom(const QString& text) {
    bool ok = false;
    const int size = text.trimmed().toInt(&ok);
    if (ok && size > 0)
        return size;
    return QString(prefs::preferenceKey(prefs::Pref::PrintFontSize).defaultValue).toInt();
}

} // namespace

PrintFontSettings::PrintFontSettings(prefs::Preferences& preferences)
    : m_preferences(preferences)
    , m_size(sizeFrom(preferences[prefs::Pref::PrintFontSize]))
    , m_bold(preferences[prefs::Pref::PrintFontBold].toLower()) {}

bool PrintFontSettings::isBold() const {
    return m_bold.compare(QLatin1StringView("true"), Qt::CaseInsensitive) == 0;
}

void PrintFontSettings::commit(std::optional<int> size, bool bold) {
    m_bold = bold ? QStringLiteral("True") : QStringLiteral("False");
    m_preferences[prefs::Pref::PrintFontBold] = m_bold.toLower();
    if (size) {
        m_size = *size;
        m_preferences[prefs::Pref::PrintFontSize] = QString::number(*size);
    }
}

} // namespace cw::printing
