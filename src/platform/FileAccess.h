#pragma once

// Whole-file reads and atomic writes. Every file the program writes goes through
// writeFileAtomically, so a failed or interrupted write never destroys what was there.

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

namespace cw::platform {

// Reads the whole file. Only regular files are read: a folder, named pipe, device or socket is
// refused, as is a file larger than maxBytes, before anything is read. On failure errno holds
// the code of the call that failed, 0 where none did.
Result<QByteArray> readWholeFile(const QString& path, qint64 maxBytes);

// Writes the bytes to a StagedFile beside the target and commits it. On failure errno holds the
// code of the call that failed.
Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes);
// The same, and the file is readable and writable by its owner only (mode 0600).
Result<void> writeOwnerOnlyFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace cw::platform
