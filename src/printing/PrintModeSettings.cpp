#include "printing/PrintModeSettings.h"

namespace cw::printing {

namespace {

const QLatin1StringView kRegular("regular");
const QLatin1StringView kLinesAndBoxes("linesandboxes");
const QLatin1StringView kBlack("black");
const QLatin1StringView kColor("color");

} // namespace

PrintModeSettings::PrintModeSettings(prefs::Preferences& preferences)
    : m_preferences(preferences)
    , m_mode(preferences[prefs::Pref::PrintMode].toLower())
    , m_colour(preferences[prefs::Pref::LinesAndBoxesColour].toLower()) {}

bool PrintModeSettings::isTextOnly() const {
    return m_mode == kRegular;
}

bool PrintModeSettings::isColourChosen() const {
    return m_colour == kColor;
}

PictureKind PrintModeSettings::pictureKind() const {
    if (m_mode != kLinesAndBoxes)
        return PictureKind::None;
    return isColourChosen() ? PictureKind::Colour : PictureKind::Grey;
}

void PrintModeSettings::commit(PrintModeChoice choice) {
    m_mode = choice.textOnly ? kRegular : kLinesAndBoxes;
    m_colour = choice.colour ? kColor : kBlack;
    m_preferences[prefs::Pref::PrintMode] = m_mode;
    m_preferences[prefs::Pref::LinesAndBoxesColour] = m_colour;
}

} // namespace cw::printing
