#pragma once

// The preferences store: loads the preferences array once at start-up and writes it back when
// the main window closes. Its durable home is the text value UB92CW under the registry key
// Software\Quillmark; a seed file in the same layout is read only while that value does not
// exist yet, and a user's first run writes it.
//
// Windows error codes in the failure texts ("GetLastError=") are the errno of the failed
// operation here, 0 where the operation had none.

#include "platform/UserRegistry.h"
#include "prefs/Preferences.h"
#include "prefs/PreferencesErrorReport.h"
#include "prefs/PreferencesFolders.h"
#include "prefs/TypedPreferences.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace cw::prefs {

inline constexpr QStringView kRegistryKey = u"Software\\Quillmark";
inline constexpr QStringView kRegistryValue = u"UB92CW";

// The save counts its steps as its failure text reports them: opening the key, starting the
// text, four appends for each slot, storing the value and closing the key.
inline constexpr int kSaveStepCount = 1 + 1 + 4 * kPreferenceCount + 1 + 1;
inline constexpr int kStoreValueStep = kSaveStepCount - 1;

class PreferencesStore {
public:
    PreferencesStore(platform::UserRegistry registry, PreferencesFolders folders,
                     PreferencesErrorReporter reporter);
    // The typed view refers to the store's own array.
    PreferencesStore(const PreferencesStore&) = delete;
    PreferencesStore& operator=(const PreferencesStore&) = delete;

    Preferences& preferences() { return m_preferences; }
    const Preferences& preferences() const { return m_preferences; }
    // How the rest of the program reads and writes the loaded preferences.
    TypedPreferences& settings() { return m_settings; }

    // The seed-file path chosen on a run that found no registry value, or kMustUseRegistry;
    // empty on every other run.
    const QString& preferencesFilePath() const { return m_preferencesFilePath; }

    // Fills every slot; failures are reported and the start-up goes on.
    void loadPreferencesNew();
    // Writes every slot to the registry value; false (after a report) when that failed, with
    // the stored value left as it was.
    bool savePreferencesNew();

    // Sets USERDATAPATH to the default claim folder and creates the folder; for the parts
    // that find USERDATAPATH naming no folder.
    Result<void> makeDefaultDataFolder();

private:
    void loadSeedFile(const QString& path);
    void loadFirstRun();
    void takePreferenceLines(const QStringList& lines);

    platform::UserRegistry m_registry;
    PreferencesFolders m_folders;
    PreferencesErrorReporter m_reporter;
    Preferences m_preferences;
    TypedPreferences m_settings{m_preferences};
    QString m_preferencesFilePath;
};

} // namespace cw::prefs
