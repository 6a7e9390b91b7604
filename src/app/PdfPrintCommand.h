#pragma once

// Printing claim files to one PDF without a window:
//     claimwright --print-pdf OUT.pdf [--mode text|black|color] [--copies N] CLAIM.ub4 [...]
// One page per claim copy, in the order given, through the print engine and the user's
// committed preferences (alignment, font, and the print mode unless --mode is given), with the
// fields' own alignment from the settings file that the editor keeps.

#include "app/ExitStatus.h"
#include "printing/PrintModeSettings.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace cw::app {

// The most copies of each claim one run prints; more is a typing mistake, and would run for
// minutes while the PDF grows by a page a copy.
inline constexpr int kMaxCopies = 100;

struct PdfPrintOptions {
    QString outputPath;
    std::optional<printing::PrintModeChoice> mode; // the committed print mode when absent
    int copies = 1;                                // 1 to kMaxCopies
    QStringList claimPaths;
};

// Prints; says on err which claims were skipped and why, and on out where the PDF went.
ExitStatus runPdfPrint(const PdfPrintOptions& options, QTextStream& out, QTextStream& err);

} // namespace cw::app
