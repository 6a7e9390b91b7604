#include "desktop/FileAssociation.h"

#include "desktop/KeyFile.h"
#include "platform/DebugOutput.h"
#include "platform/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace cw::desktop {

namespace {

const QLatin1StringView kMimePackageName("claimwright-ub4.xml");
const QLatin1StringView kIconName("claimwright.png");
constexpr int kIconSizes[] = {48, 128, 256};
// Key files and desktop entries are small; anything bigger is not one.
constexpr qint64 kMaxKeyFileBytes = 1024 * 1024;
constexpr int kToolWaitMs = 10000;

QByteArray readIfPresent(const QString& path) {
    Result<QByteArray> bytes = platform::readWholeFile(path, kMaxKeyFileBytes);
    return bytes ? std::move(bytes).value() : QByteArray();
}

QByteArray resource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList foldersFrom(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    return (value.isEmpty() ? fallback : value).split(u':', Qt::SkipEmptyParts);
}

Result<void> writeFile(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty())
        return Error{
            QCoreApplication::translate("FileAssociation", "%1: nothing to write").arg(path)};
    QDir().mkpath(QFileInfo(path).path());
    return platform::writeFileAtomically(path, bytes);
}

} // namespace

AssociationFolders AssociationFolders::fromEnvironment() {
    AssociationFolders folders;
    folders.dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    folders.dataDirs = foldersFrom("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    folders.configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    folders.configDirs = foldersFrom("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    folders.desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(u':', Qt::SkipEmptyParts);
    return folders;
}

FileAssociation::FileAssociation(AssociationFolders folders, QString programPath)
    : m_folders(std::move(folders))
    , m_programPath(std::move(programPath)) {}

QString FileAssociation::desktopEntryPath(const QString& entryName) const {
    for (const QString& folder : QStringList{m_folders.dataHome} + m_folders.dataDirs) {
        const QString path = folder + QStringLiteral("/applications/") + entryName;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

// As the desktops look it up: the mimeapps.list files, the desktop's own before the common one,
// in the config folders and then the data folders; the first handler listed that is installed
// wins. Without a default, the first installed handler of mimeinfo.cache.
QString FileAssociation::defaultHandler() const {
    QStringList listFolders = QStringList{m_folders.configHome} + m_folders.configDirs;
    for (const QString& folder : QStringList{m_folders.dataHome} + m_folders.dataDirs)
        listFolders << folder + QStringLiteral("/applications");
    QStringList prefixes;
    for (const QString& desktop : m_folders.desktops)
        prefixes << desktop + u'-';
    prefixes << QString();

    const auto firstInstalled = [this](const QString& path, QStringView group) -> QString {
        const auto value = keyFileValue(readIfPresent(path), group, claimMimeType());
        for (const QString& entry : keyFileList(value.value_or(QString())))
            if (!desktopEntryPath(entry).isEmpty())
                return entry;
        return {};
    };
    for (const QString& folder : listFolders)
        for (const QString& prefix : prefixes)
            if (QString entry =
                    firstInstalled(folder + u'/' + prefix + QStringLiteral("mimeapps.list"),
                                   u"Default Applications");
                !entry.isEmpty())
                return entry;
    for (const QString& folder : QStringList{m_folders.dataHome} + m_folders.dataDirs)
        if (QString entry = firstInstalled(folder + QStringLiteral("/applications/mimeinfo.cache"),
                                           u"MIME Cache");
            !entry.isEmpty())
            return entry;
    return {};
}

QString FileAssociation::associatedProgram() const {
    // Without the type, "*.ub4" names no handler at all.
    bool typeKnown = false;
    for (const QString& folder : QStringList{m_folders.dataHome} + m_folders.dataDirs)
        typeKnown = typeKnown || QFileInfo::exists(folder + QStringLiteral("/mime/packages/") +
                                                   kMimePackageName);
    const QString entry = typeKnown ? defaultHandler() : QString();
    if (entry.isEmpty())
        return {};
    const auto exec =
        keyFileValue(readIfPresent(desktopEntryPath(entry)), u"Desktop Entry", u"Exec");
    return exec ? execProgram(*exec) : QString();
}

void FileAssociation::ensureFileAssociation() const {
    if (associatedProgram() == m_programPath)
        return;
    platform::debugOutput(QStringLiteral("File association: claim files now open with ") +
                          m_programPath);
    if (const Result<void> registered = registerFileAssociation(); !registered)
        platform::debugOutput(QStringLiteral("File association failed: ") + registered.error());
}

Result<void> FileAssociation::registerFileAssociation() const {
    Result<void> written = writeFiles();
    if (written)
        written = makeDefault();
    refreshDatabases();
    return written;
}

Result<void> FileAssociation::writeFiles() const {
    const QString& data = m_folders.dataHome;
    if (auto written = writeFile(data + QStringLiteral("/mime/packages/") + kMimePackageName,
                                 resource(QStringLiteral(":/desktop/claimwright-ub4.xml")));
        !written)
        return written;
    QByteArray entry = resource(QStringLiteral(":/desktop/claimwright.desktop.in"));
    entry.replace("@CLAIMWRIGHT_EXEC@", execWord(m_programPath).toUtf8());
    if (auto written =
            writeFile(data + QStringLiteral("/applications/") + desktopEntryName(), entry);
        !written)
        return written;
    for (const int size : kIconSizes) {
        const QString folder = QStringLiteral("%1/icons/hicolor/%2x%2/apps/").arg(data).arg(size);
        if (auto written =
                writeFile(folder + kIconName,
                          resource(QStringLiteral(":/icons/claimwright-%1.png").arg(size)));
            !written)
            return written;
    }
    return {};
}

// The user's mimeapps.list, and a desktop's own list of the user's that names another handler
// and would otherwise win.
Result<void> FileAssociation::makeDefault() const {
    const QString value = desktopEntryName() + u';';
    QStringList lists{m_folders.configHome + QStringLiteral("/mimeapps.list")};
    for (const QString& desktop : m_folders.desktops) {
        const QString path =
            m_folders.configHome + u'/' + desktop + QStringLiteral("-mimeapps.list");
        if (keyFileValue(readIfPresent(path), u"Default Applications", claimMimeType()))
            lists << path;
    }
    for (const QString& path : lists) {
        const QByteArray contents =
            withKeyFileValue(readIfPresent(path), u"Default Applications", claimMimeType(), value);
        if (auto written = writeFile(path, contents); !written)
            return written;
    }
    return {};
}

void FileAssociation::refreshDatabases() const {
    const std::pair<QString, QString> tools[] = {
        {QStringLiteral("update-mime-database"), m_folders.dataHome + QStringLiteral("/mime")},
        {QStringLiteral("update-desktop-database"),
         m_folders.dataHome + QStringLiteral("/applications")}};
    for (const auto& [tool, folder] : tools) {
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty()) {
            platform::debugOutput(QStringLiteral("File association: no ") + tool);
            continue;
        }
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, {folder});
        if (!process.waitForFinished(kToolWaitMs) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            process.kill();
            platform::debugOutput(QStringLiteral("File association: %1 failed: %2")
                                      .arg(tool, QString::fromLocal8Bit(process.readAll())));
        }
    }
}

} // namespace cw::desktop
