#pragma once

// The recovery folder ($XDG_STATE_HOME/Quillmark/recovery/, mode 0700). Each running copy of the
// editor keeps the recovery file of its unsaved claim there, "<copy>.unsaved" (mode 0600),
// beside its lock file "<copy>.lock", which it holds locked (flock) for as long as it runs. The
// system drops the lock when the copy ends, however it ends, so a recovery file whose lock can
// be taken was left by a copy that no longer runs, and one whose lock is held belongs to a
// copy that still runs and is never touched.

#include "platform/Result.h"
#include "recovery/RecoveryFile.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace cw::recovery {

QString standardRecoveryFolder();

struct LeftClaim {
    QString path;
    UnsavedClaim claim;
};

struct LeftClaims {
    std::vector<LeftClaim> readable;
    // One line per file that could not be read: its new name (the old one with ".unreadable"
    // added) and the reason. Such a file is kept, never deleted.
    QStringList setAside;
};

class RecoveryStore {
public:
    // Makes the folder where it is missing and takes a name and lock of this copy's own.
    static Result<RecoveryStore> open(const QString& folder);

    // Releases the lock and removes the lock file; the recovery file is the caller's to remove.
    ~RecoveryStore();
    RecoveryStore(RecoveryStore&& other) noexcept;
    RecoveryStore& operator=(RecoveryStore&&) = delete;
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // This copy's recovery file.
    QString ownFile() const;

    // The recovery files of copies that no longer run; the lock files such copies left without
    // a claim are removed on the way.
    LeftClaims findLeftClaims() const;
    // The left claim's file goes, and with it the lock file of the copy that left it.
    void removeLeftClaim(const QString& path) const;
    // The left claim's file becomes this copy's own recovery file, in one step; false when it
    // cannot be renamed.
    bool adoptLeftClaim(const QString& path) const;

private:
    RecoveryStore(QString folder, QString name, int lock);

    QString m_folder; // ends in "/"
    QString m_name;
    int m_lock = -1;
};

} // namespace cw::recovery
