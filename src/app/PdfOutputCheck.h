#pragma once

// The PDF of a print from the command line is written over nothing but an earlier PDF: a
// forgotten output name would otherwise put it over the first claim.

#include "app/PdfPrintCommand.h"
#include "platform/Result.h"

namespace cw::app {

// Refuses an output, given after the option, that is named like a claim file or is one of the
// claims however its path is spelt.
Result<void> checkOutputIsNoClaim(const QString& option, const QString& output,
                                  const QStringList& claimPaths);

// Refuses an output named like a claim file, one that is one of the claims however its path
// is spelt, and an existing file that is not a PDF.
Result<void> checkPdfOutput(const PdfPrintOptions& options);

} // namespace cw::app
