#pragma once

// The smallest workbook that spreadsheet programs open without complaint: one empty sheet,
// and styles with the default cell format and a text one.

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

namespace cw::exports {

Result<QByteArray> newWorkbook(const QString& sheetName);

} // namespace cw::exports
