#include "prefs/LegacySettings.h"

#include "model/ClaimFile.h"
#include "model/Windows1252.h"
#include "platform/FileAccess.h"
#include "platform/KnownFolders.h"
#include "prefs/TypedPreferences.h"

#include <QFileInfo>
#include <QLatin1StringView>

#include <array>
#include <vector>

namespace cw::prefs {

namespace {

// Each file holds a handful of short lines.
constexpr qint64 kMaxLegacyFileBytes = 64 * 1024;

struct LegacyFile {
    QLatin1StringView name;
    std::vector<Pref> lineSlots; // the slot of line 1, line 2, ...
};

const std::array<LegacyFile, 5> kLegacyFiles = {{
    {QLatin1StringView("newprintsettings.cfg"),
     {Pref::PrintAlignment1, Pref::PrintAlignment2, Pref::PrintAlignment3, Pref::PrintAlignment4,
      Pref::PrintAlignment5, Pref::PrintAlignment6, Pref::PrintAlignment7}},
    {QLatin1StringView("fontsettings.cfg"), {Pref::PrintFontSize, Pref::PrintFontBold}},
    {QLatin1StringView("printmode.cfg"), {Pref::PrintMode, Pref::LinesAndBoxesColour}},
    {QLatin1StringView("options.cfg"), {Pref::AutoFillOn, Pref::SuggestionBoxOn}},
    {QLatin1StringView("initialdir.cfg"), {Pref::UserDataPath}},
}};

} // namespace

bool hasLegacySettings(const QString& folder) {
    for (const LegacyFile& file : kLegacyFiles)
        if (QFileInfo::exists(platform::withTrailingSlash(folder) + file.name))
            return true;
    return false;
}

void importLegacySettings(const QString& folder, Preferences& preferences) {
    for (const LegacyFile& file : kLegacyFiles) {
        const auto bytes = platform::readWholeFile(platform::withTrailingSlash(folder) + file.name,
                                                   kMaxLegacyFileBytes);
        if (!bytes)
            continue;
        const QStringList lines = model::splitClaimLines(model::Windows1252::decode(*bytes));
        qsizetype line = 0;
        for (const Pref slot : file.lineSlots) {
            if (line >= lines.size())
                break;
            // Taken unchecked, a value such as "abc" for the font size would reach the
            // printing code for the whole first run; the next load would drop it anyway.
            if (TypedPreferences::accepts(slot, lines[line]))
                preferences[slot] = lines[line];
            ++line;
        }
    }
}

} // namespace cw::prefs
