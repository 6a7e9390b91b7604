#pragma once

// Printing claim files to one PDF without a window:
//     claimwright --print-pdf OUT.pdf [--mode text|black|color] [--copies N] CLAIM.ub4 [...]
// One page per claim copy, in the order given, through the print engine and the user's
// committed preferences (alignment, font, and the print mode unless --mode is given).

#include "platform/Result.h"
#include "printing/PrintModeSettings.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace cw::app {

// The exit statuses of a print from the command line.
enum PdfPrintStatus {
    kAllPrinted = 0,     // every claim is in the PDF
    kSomeSkipped = 1,    // the PDF was written, but claims that could not be read are missing
    kBadCommandLine = 2, // nothing was done
    kNothingPrinted = 3, // no claim could be read, or the PDF could not be written
};

struct PdfPrintOptions {
    bool helpOnly = false;
    QString outputPath;
    std::optional<printing::PrintModeChoice> mode; // the committed print mode when absent
    int copies = 1;                                // 1 to 100
    QStringList claimPaths;
};

// Whether the arguments (program name left out) ask for a print without a window, or for its
// help; any other command line starts the editor.
bool isPdfPrintCommandLine(const QStringList& arguments);

// The options, or why the command line is refused. Besides the words themselves that is an
// output that would replace one of the claims or a file that is not a PDF.
Result<PdfPrintOptions> parsePdfPrintArguments(const QStringList& arguments);

QString pdfPrintUsage();

// Prints; says on err which claims were skipped and why, and on out where the PDF went.
PdfPrintStatus runPdfPrint(const PdfPrintOptions& options, QTextStream& out, QTextStream& err);

} // namespace cw::app
