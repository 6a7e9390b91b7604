#pragma once

// The folders Windows names through SHGetFolderPath and the program's own folder. All come
// from the environment (HOME, XDG_*), so a test with its own home sees its own folders.
// Folders that stand in for Windows paths ending in a backslash end in "/".

#include <QString>

namespace cw::platform {

// The user's documents folder, without a trailing "/".
QString documentsFolder();
// The user's application-data folder (~/.local/share), without a trailing "/".
QString applicationDataFolder();
// The folder of the running executable, ending in "/".
QString programFolder();
// The per-user config folder of the program ($XDG_CONFIG_HOME/Quillmark/), ending in "/".
QString userConfigFolder();
// The per-user state folder of the program ($XDG_STATE_HOME/Quillmark/, by default
// ~/.local/state/Quillmark/), ending in "/": what the program keeps between runs that is
// neither a setting nor a document.
QString userStateFolder();

// The folder path ending in "/".
QString withTrailingSlash(QString folder);

// True when a file can be created in the folder; checked by creating one, because file
// permissions do not bind root.
bool isFolderWritable(const QString& folder);

// Where files meant to sit beside the program go: the program folder when it can be written,
// otherwise the per-user config folder, created when missing.
QString folderBesideProgram();
QString folderBesideProgram(const QString& programFolder, const QString& fallbackFolder);

} // namespace cw::platform
