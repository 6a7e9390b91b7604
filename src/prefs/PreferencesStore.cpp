#include "prefs/PreferencesStore.h"

#include "model/Windows1252.h"
#include "platform/DebugOutput.h"
#include "platform/FileAccess.h"
#include "platform/KnownFolders.h"
#include "prefs/LegacySettings.h"
#include "prefs/PreferenceText.h"

#include <QFileInfo>

namespace cw::prefs {

namespace {

// A seed file is at most a few kilobytes.
constexpr qint64 kMaxSeedFileBytes = 1024 * 1024;

} // namespace

PreferencesStore::PreferencesStore(platform::UserRegistry registry, PreferencesFolders folders,
                                   PreferencesErrorReporter reporter)
    : m_registry(std::move(registry))
    , m_folders(std::move(folders))
    , m_reporter(std::move(reporter)) {}

Result<void> PreferencesStore::makeDefaultDataFolder() {
    return prefs::makeDefaultDataFolder(m_folders.documentsFolder, m_settings);
}

void PreferencesStore::takePreferenceLines(const QStringList& lines) {
    parsePreferenceLines(lines, m_preferences);
    if (m_preferences[Pref::UserDataPath] == QLatin1StringView("blank"))
        // A folder that cannot be made now is tried again by the file dialogs.
        (void)makeDefaultDataFolder();
}

void PreferencesStore::loadPreferencesNew() {
    const auto stored = m_registry.readText(kRegistryKey, kRegistryValue);
    if (!stored) {
        // An unreadable registry is not a first run: nothing is written over it, the defaults
        // serve this run, and the save at the close reports again if it still fails.
        m_preferences.resetToDefaults();
        platform::debugOutput(stored.error());
        m_reporter.reportPreferencesError(QStringLiteral("loadPreferencesNew GetLastError=") +
                                          QString::number(m_registry.lastErrorCode()));
        return;
    }
    if (stored->has_value()) {
        m_preferences.resetToDefaults();
        takePreferenceLines(splitPreferenceLines(**stored));
        return;
    }

    m_preferencesFilePath = locatePreferencesFile(m_folders, m_preferences);
    m_preferences.resetToDefaults();
    if (m_preferencesFilePath == kMustUseRegistry) {
        // The machine-wide seed file wins over the one beside the program.
        for (const QString& folder : {m_folders.machineSeedFolder, m_folders.programFolder}) {
            const QString path = platform::withTrailingSlash(folder) + kSeedFileName;
            if (QFileInfo::exists(path)) {
                loadSeedFile(path);
                break;
            }
        }
    } else if (QFileInfo::exists(m_preferencesFilePath)) {
        loadSeedFile(m_preferencesFilePath);
    } else {
        loadFirstRun();
    }
}

void PreferencesStore::loadSeedFile(const QString& path) {
    const auto bytes = platform::readWholeFile(path, kMaxSeedFileBytes);
    if (bytes)
        takePreferenceLines(splitPreferenceLines(model::Windows1252::decode(*bytes)));
}

void PreferencesStore::loadFirstRun() {
    (void)makeDefaultDataFolder();
    if (hasLegacySettings(m_folders.legacyFolder))
        importLegacySettings(m_folders.legacyFolder, m_preferences);
    savePreferencesNew();
}

bool PreferencesStore::savePreferencesNew() {
    const auto written =
        m_registry.writeText(kRegistryKey, kRegistryValue, buildPreferenceText(m_preferences));
    if (written)
        return true;
    // The store opens and closes its file inside the one write, so only the storing step can
    // fail and the open and close codes stay 0.
    const int code = m_registry.lastErrorCode();
    platform::debugOutput(written.error());
    m_reporter.reportPreferencesError(
        QStringLiteral("savePreferencesNew line %1 of %2 GetLastError=%3 return1=%4 return2=%5 "
                       "return3=%6")
            .arg(kStoreValueStep)
            .arg(kSaveStepCount)
            .arg(code)
            .arg(0)
            .arg(code)
            .arg(0));
    return false;
}

} // namespace cw::prefs
