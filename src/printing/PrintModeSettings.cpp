#include "printing/PrintModeSettings.h"

namespace cw::printing {

using prefs::Pref;

PrintModeSettings::PrintModeSettings(prefs::TypedPreferences& preferences)
    : m_preferences(preferences) {}

prefs::PrintMode PrintModeSettings::mode() const {
    return m_preferences.printMode(Pref::PrintMode);
}

bool PrintModeSettings::isTextOnly() const {
    return mode() == prefs::PrintMode::Regular;
}

bool PrintModeSettings::isColourChosen() const {
    return m_preferences.pictureColour(Pref::LinesAndBoxesColour) == prefs::PictureColour::Colour;
}

PictureKind PrintModeSettings::pictureKind() const {
    if (mode() != prefs::PrintMode::LinesAndBoxes)
        return PictureKind::None;
    return isColourChosen() ? PictureKind::Colour : PictureKind::Grey;
}

void PrintModeSettings::commit(PrintModeChoice choice) {
    m_preferences.setPrintMode(Pref::PrintMode, choice.textOnly ? prefs::PrintMode::Regular
                                                                : prefs::PrintMode::LinesAndBoxes);
    m_preferences.setPictureColour(Pref::LinesAndBoxesColour, choice.colour
                                                                  ? prefs::PictureColour::Colour
                                                                  : prefs::PictureColour::Black);
}

} // namespace cw::printing
