#pragma once

// The .ub4 association the freedesktop way: a shared-MIME-info type for "*.ub4", a desktop
// entry that runs this program file with the claim, and the program's icon, all in the user's
// data folder; the entry is made the default handler of the type in the user's mimeapps.list,
// and the desktop databases are refreshed where their tools are installed.
// The association is checked at every show of the main window: it stands when the default
// handler of the type runs exactly this program file, letter case included; otherwise it is
// written again. Failures are only logged on the debug channel; the next show tries again.

#include "platform/Result.h"

#include <QString>
#include <QStringList>

namespace cw::desktop {

inline QString claimMimeType() {
    return QStringLiteral("application/x-ub4-claim");
}
inline QString desktopEntryName() {
    return QStringLiteral("claimwright.desktop");
}

// The XDG folders the association reads and writes.
struct AssociationFolders {
    QString dataHome;
    QStringList dataDirs;
    QString configHome;
    QStringList configDirs;
    // XDG_CURRENT_DESKTOP's names, lower case: their own mimeapps.list files come first.
    QStringList desktops;

    static AssociationFolders fromEnvironment();
};

class FileAssociation {
public:
    FileAssociation(AssociationFolders folders, QString programPath);

    // The program that the default handler of claim files runs; empty when there is none.
    QString associatedProgram() const;

    // Writes the association unless it already names this program; failures are logged.
    void ensureFileAssociation() const;
    // Writes the type, the desktop entry, the icons and the default, then refreshes the
    // databases. The first failure is returned; the databases are refreshed regardless.
    Result<void> registerFileAssociation() const;

private:
    QString defaultHandler() const;
    QString desktopEntryPath(const QString& entryName) const;
    Result<void> writeFiles() const;
    Result<void> makeDefault() const;
    void refreshDatabases() const;

    AssociationFolders m_folders;
    QString m_programPath;
};

} // namespace cw::desktop
