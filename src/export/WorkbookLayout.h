#pragma once

// Where a workbook keeps the parts the claims sheet needs: the workbook part names its sheets
// and, through its relationships, the part of each sheet, its styles and its shared strings.

#include "export/ZipPackage.h"
#include "platform/Result.h"

#include <QString>

#include <optional>

namespace cw::exports {

struct WorkbookLayout {
    QString sheet;
    QString styles;
    std::optional<QString> sharedStrings;
};

// Refused when the package is no workbook, or has no worksheet of that name (compared as Excel
// compares sheet names, whatever the case of the letters).
Result<WorkbookLayout> findWorksheet(const ZipPackage& package, const QString& sheetName);

} // namespace cw::exports
