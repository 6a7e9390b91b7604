#pragma once

// Exporting claim files without a window, for scripted month-end runs:
//     claimwright --export xml|xlsx|docx --output PATH CLAIM.ub4 [...]
// XML and the document take one claim. The workbook takes several and adds them in the order
// given, each to the next free column, to the workbook at PATH or to a new one.

#include "app/ExitStatus.h"

#include <QString>
#include <QStringList>

class QTextStream;

namespace cw::app {

enum class ExportFormat { Xml, Workbook, Document };

struct ExportOptions {
    ExportFormat format = ExportFormat::Xml;
    QString outputPath;
    QStringList claimPaths;
};

// Exports; says on err which claims were skipped and why, and on out where the file went.
ExitStatus runExport(const ExportOptions& options, QTextStream& out, QTextStream& err);

} // namespace cw::app
