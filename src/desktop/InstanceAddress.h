#pragma once

// Where the copies of one program file meet: a local socket and the lock file that guards it,
// both in the user's runtime folder ($XDG_RUNTIME_DIR, which only the user may enter). The
// names come from the user and the program file's canonical path, so two installations in
// different folders run side by side and two users never meet.

#include <QString>

namespace cw::desktop {

struct InstanceAddress {
    QString socketPath; // full path of the local socket
    QString lockPath;

    // The address of the program at programPath (its canonical path) for the current user.
    static InstanceAddress of(const QString& programPath, const QString& runtimeFolder);
    // The running program's, in the runtime folder the environment names.
    static InstanceAddress ofThisProgram();
};

// The running program file, symbolic links resolved.
QString canonicalProgramPath();

} // namespace cw::desktop
