#pragma once

// The program's command line (see usageText()):
//     claimwright [CLAIM.ub4 ...]
//     claimwright --print-pdf OUT.pdf [--mode text|black|color] [--copies N] CLAIM.ub4 [...]
//     claimwright --check CLAIM.ub4 [...]
//     claimwright --help | -h | --version | -v
// Options may stand anywhere before "--"; every word after it is a claim file, as is a lone
// "-" anywhere.

#include "app/PdfPrintCommand.h"
#include "platform/Result.h"

#include <QStringList>

namespace cw::app {

// What the program is asked to do. Only the editor opens a window.
enum class Command {
    OpenEditor,
    PrintPdf,
    CheckClaims,
    ShowHelp,
    ShowVersion,
};

struct CommandLine {
    Command command = Command::OpenEditor;
    QStringList filesToOpen;   // OpenEditor: the claim files given
    PdfPrintOptions pdfPrint;  // PrintPdf
    QStringList claimsToCheck = {}; // CheckClaims
};

// What the arguments (program name left out) ask for, or why they are refused: an unknown
// option, a missing or bad value, a print option without --print-pdf, or a PDF that would be
// written over a claim or another file. Help and version are shown whatever else is wrong.
Result<CommandLine> parseCommandLine(const QStringList& arguments);

// Whether the arguments name a command that runs without a window (--print-pdf or one of its
// options, --check, help, version), also when they are refused. A line that does not is the
// editor's, and the editor's application takes out the options of Qt's own (-session, -style,
// -platform
// ...) before the line is read for good.
bool asksForCommandWithoutWindow(const QStringList& arguments);

} // namespace cw::app
