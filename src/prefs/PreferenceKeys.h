#pragma once

// The preference key table: 44 numbered slots, each with its key, its default and the values
// it accepts, declared once here and read through preferenceKey(). TypedPreferences reads and
// checks the slots' texts by their kind.

#include <QLatin1StringView>
#include <QString>

#include <limits>

namespace cw::prefs {

inline constexpr int kPreferenceCount = 44;

enum class Pref : int {
    PrintAlignment1 = 0,
    PrintAlignment2 = 1,
    PrintAlignment3 = 2,
    PrintAlignment4 = 3,
    PrintAlignment5 = 4,
    PrintAlignment6 = 5,
    PrintAlignment7 = 6,
    PrintFontSize = 7,
    PrintMode = 8,
    LinesAndBoxesColour = 9,
    PrintFontBold = 10,
    Reserved11 = 11,
    Reserved12 = 12,
    AutoFillOn = 13,
    SuggestionBoxOn = 14,
    UserDataPath = 15,
    Reserved16 = 16,
    Reserved17 = 17,
    Reserved18 = 18,
    Reserved19 = 19,
    Reserved20 = 20,
    Reserved21 = 21,
    FirstTimeUser = 22,
    SeenPrinting = 23,
    SeenTextOnlyPrinting = 24,
    SeenAutoFill = 25,
    AutoAdditionOn = 26,
    SeenLowResolutionWarning = 27,
    Reserved28 = 28,
    TemplateAddressOne1 = 29,
    TemplateAddressOne2 = 30,
    TemplateAddressOne3 = 31,
    TemplateAddressOne4 = 32,
    TemplateAddressOne5 = 33,
    TemplateAddressOne6 = 34,
    TemplateAddressTwo1 = 35,
    TemplateAddressTwo2 = 36,
    TemplateAddressTwo3 = 37,
    TemplateAddressTwo4 = 38,
    TemplateTaxId1 = 39,
    TemplateTaxIdCheckbox1 = 40,
    TemplateAddressTwo5 = 41,
    TemplateAddressTwo6 = 42,
    TemplateAddressTwo7 = 43,
};

// What a slot accepts besides its own default.
enum class PreferenceKind {
    Integer,       // converts to an integer; read only inside the slot's range
    PrintMode,     // "regular" or "linesandboxes", any case
    PictureColour, // "black" or "color", any case
    Flag,          // "true" or "false", any case
    AnyText,
};

// The whole numbers an Integer slot is read as; a stored integer outside them is kept but read
// as missing.
struct NumberRange {
    int minimum = std::numeric_limits<int>::min();
    int maximum = std::numeric_limits<int>::max();
};

struct PreferenceKey {
    Pref slot;
    QLatin1StringView key; // upper case, without the brackets of the key line
    QLatin1StringView defaultValue;
    PreferenceKind kind;
    NumberRange range = {}; // Integer slots only
};

const PreferenceKey& preferenceKey(Pref slot);

inline Pref prefAt(int position) {
    return static_cast<Pref>(position);
}

} // namespace cw::prefs
