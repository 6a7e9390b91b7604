#pragma once

// A file written beside its target and renamed over it only once it is complete and on disk,
// so a failed or interrupted write never destroys what was there.
//
// The temporary file is hidden, named ".<target name>.claimwright-XXXXXX", and locked for as long
// as its writer lives. Making one first removes what writers killed in the middle of a write
// left in that folder: files with our name that nobody holds locked. The lock is taken right
// after the file is made, so an empty file that is younger than a minute may still be a writer
// between the two steps and is left alone.
//
// On failure errno holds the code of the call that failed, as after any system call.

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

namespace cw::platform {

class StagedFile {
public:
    // Refuses a target that exists and may not be written, as writing it in place would.
    static Result<StagedFile> create(const QString& target);

    // An uncommitted temporary file is removed.
    ~StagedFile();
    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // The temporary file, for writers that open it by name (a PDF printer).
    QString path() const;

    Result<void> write(const QByteArray& bytes);

    // The committed file is readable and writable by its owner only, whatever the target's
    // permissions were: for files that hold what nobody else may read.
    void restrictToOwner() { m_ownerOnly = true; }

    // Flushes the temporary file, gives it the target's permissions (the umask's for a new
    // target, 0600 after restrictToOwner), renames it over the target and flushes the folder, so
    // the new contents survive a power cut once this returns.
    Result<void> commit();

private:
    StagedFile(QString target, QByteArray folderPath, QByteArray name, QByteArray tempName,
               int folder, int file);
    Error failure(int error) const;

    QString m_target; // as the caller named it, for messages
    QByteArray m_folderPath;
    QByteArray m_name;     // the target's, inside the folder
    QByteArray m_tempName; // inside the folder
    int m_folder = -1;
    int m_file = -1;
    bool m_committed = false;
    bool m_ownerOnly = false;
};

} // namespace cw::platform
