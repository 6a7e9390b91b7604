#pragma once

// Claims appended to a workbook file: the file's bytes with the claims in their columns, or a
// new workbook where there is no file yet. Nothing is written here; the caller writes the bytes
// as every file is written, so that a failure leaves the workbook as it was.

#include "model/ClaimValues.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace cw::exports {

// The largest workbook read: far more than the 255 claims a sheet can take.
inline constexpr qint64 kMaxWorkbookBytes = 256 * 1024 * 1024;

// The lock files that LibreOffice (".~lock.NAME#") and Excel ("~$NAME") keep beside a file
// they have open.
bool isOpenInOfficeProgram(const QString& path);

// Refused, with a message for the user, when the workbook is open in another program, cannot
// be read in full or has no claims sheet, or when a claim finds no free column.
Result<QByteArray> workbookWithClaims(const QString& path, const QList<model::ClaimValues>& claims);

} // namespace cw::exports
