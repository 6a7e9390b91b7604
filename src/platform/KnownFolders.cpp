#include "platform/KnownFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace cw::platform {

QString withTrailingSlash(QString folder) {
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString applicationDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString programFolder() {
    return withTrailingSlash(QCoreApplication::applicationDirPath());
}

QString userConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quillmark/");
}

QString userStateFolder() {
    // Qt 6.4 has no standard location for it. A relative XDG_STATE_HOME is to be ignored.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return withTrailingSlash(state) + QStringLiteral("Quillmark/");
}

bool isFolderWritable(const QString& folder) {
    QTemporaryFile probe(withTrailingSlash(folder) + QStringLiteral(".write-test-XXXXXX"));
    return probe.open();
}

QString folderBesideProgram() {
    return folderBesideProgram(programFolder(), userConfigFolder());
}

QString folderBesideProgram(const QString& programFolder, const QString& fallbackFolder) {
    if (isFolderWritable(programFolder))
        return withTrailingSlash(programFolder);
    QDir().mkpath(fallbackFolder);
    return withTrailingSlash(fallbackFolder);
}

} // namespace cw::platform
