#pragma once

// Where the preferences store looks and writes besides the registry: the seed-file folders,
// the documents folder that receives the default claim folder, and the folder in which the
// earlier release left its settings files. Every folder is given to the store, so tests can
// point all of them into a temporary home. Folders end in "/".

#include "platform/Result.h"
#include "prefs/Preferences.h"
#include "prefs/TypedPreferences.h"

#include <QLatin1StringView>
#include <QString>

namespace cw::prefs {

inline const QLatin1StringView kSeedFileName("UB92CW.cfg");
inline const QLatin1StringView kWriteTestFileName("TEMPUB04.cfg");
inline const QLatin1StringView kMustUseRegistry("mustuseregistry");

struct PreferencesFolders {
    QString userSeedFolder;    // the application-data folder + "Quillmark/"
    QString programFolder;     // the folder of the running program
    QString machineSeedFolder; // machine-wide, prepared by whoever sets the machine up
    QString documentsFolder;
    QString legacyFolder; // the working directory

    static PreferencesFolders standard();
};

// Creates the folder of path when missing and writes the write-test file beside
// it with the slots in the preference-text layout; the test file stays. True if all worked.
bool testPreferencesFolder(const QString& path, const Preferences& preferences);

// The seed-file path in the first candidate folder that passes testPreferencesFolder: the
// user's seed folder, the program folder, the machine folder; kMustUseRegistry when none does.
QString locatePreferencesFile(const PreferencesFolders& folders, const Preferences& preferences);

// Sets USERDATAPATH to documentsFolder + "UB-04 Claims/" and creates that folder (and the
// documents folder, which a fresh Linux account may lack). The slot is set even when the
// folder cannot be made; the error says why.
Result<void> makeDefaultDataFolder(const QString& documentsFolder, TypedPreferences& preferences);

} // namespace cw::prefs
