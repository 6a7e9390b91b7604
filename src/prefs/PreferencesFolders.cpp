#include "prefs/PreferencesFolders.h"

#include "model/Windows1252.h"
#include "platform/FileAccess.h"
#include "platform/KnownFolders.h"
#include "prefs/PreferenceText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace cw::prefs {

namespace {

// The write test only proves the folder can be written; characters Windows-1252 cannot hold
// are written as "?".
QByteArray encodedForTest(const QString& text) {
    QString encodable = text;
    for (QChar& c : encodable)
        if (!model::Windows1252::canEncode(c))
            c = u'?';
    return model::Windows1252::encode(encodable);
}

} // namespace

PreferencesFolders PreferencesFolders::standard() {
    return PreferencesFolders{
        platform::withTrailingSlash(platform::applicationDataFolder()) +
            QStringLiteral("Quillmark/"),
        platform::programFolder(),
        QStringLiteral("/etc/QuillmarkPrefs/"),
        platform::withTrailingSlash(platform::documentsFolder()),
        platform::withTrailingSlash(QDir::currentPath()),
    };
}

bool testPreferencesFolder(const QString& path, const Preferences& preferences) {
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return false;
    const QString testFile = platform::withTrailingSlash(folder) + kWriteTestFileName;
    const QFileInfo existing(testFile);
    if (existing.exists() && !existing.permissions().testFlag(QFileDevice::WriteOwner) &&
        !QFile::setPermissions(testFile, existing.permissions() | QFileDevice::WriteOwner))
        return false;
    return platform::writeFileAtomically(testFile, encodedForTest(buildPreferenceText(preferences)))
        .ok();
}

QString locatePreferencesFile(const PreferencesFolders& folders, const Preferences& preferences) {
    for (const QString& folder :
         {folders.userSeedFolder, folders.programFolder, folders.machineSeedFolder}) {
        const QString path = platform::withTrailingSlash(folder) + kSeedFileName;
        if (testPreferencesFolder(path, preferences))
            return path;
    }
    return kMustUseRegistry;
}

Result<void> makeDefaultDataFolder(const QString& documentsFolder, TypedPreferences& preferences) {
    const QString folder =
        platform::withTrailingSlash(documentsFolder) + QStringLiteral("UB-04 Claims/");
    preferences.setText(Pref::UserDataPath, folder);
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
        return {};
    return Error{
        QCoreApplication::translate("Preferences", "Could not create the claim folder \"%1\".")
            .arg(QDir::toNativeSeparators(folder))};
}

} // namespace cw::prefs
