#pragma once

// The program's command line (see usageText()):
//     claimwright [CLAIM.ub4 ...]
//     claimwright --print-pdf OUT.pdf [--mode text|black|color] [--copies N] CLAIM.ub4 [...]
//     claimwright --set-field N TEXT
//     claimwright --export xml|xlsx|docx --output PATH CLAIM.ub4 [...]
//     claimwright --check CLAIM.ub4 [...]
//     claimwright --help | -h | --version | -v
// Options may stand anywhere before "--"; every word after it is a claim file, as is a lone
// "-" anywhere.

#include "app/ExportCommand.h"
#include "app/PdfPrintCommand.h"
#include "app/RunningCopy.h"
#include "platform/Result.h"

#include <QStringList>

namespace cw::app {

// What the program is asked to do. Only the editor opens a window.
enum class Command {
    OpenEditor,
    PrintPdf,
    SetField, // the field message to the running copy
    Export,
    CheckClaims,
    ShowHelp,
    ShowVersion,
};

struct CommandLine {
    Command command = Command::OpenEditor;
    QStringList filesToOpen = {};    // OpenEditor: the claim files given
    PdfPrintOptions pdfPrint = {};   // PrintPdf
    FieldMessage fieldMessage = {};  // SetField
    ExportOptions exportClaims = {}; // Export
    QStringList claimsToCheck = {};  // CheckClaims
};

// What the arguments (program name left out) ask for, or why they are refused: an unknown
// option, a missing or bad value, a print option without --print-pdf, --output without
// --export, --export with print options, more than one claim for a single-claim export, or an
// output that would be written over a claim or (a PDF) another file. Help and version are shown
// whatever else is wrong.
Result<CommandLine> parseCommandLine(const QStringList& arguments);

// Whether the arguments name a command that runs without a window (--print-pdf, --export or
// one of their options, --set-field, --check, help, version), also when they are refused. A
// line that does not is the
// editor's, and the editor's application takes out the options of Qt's own (-session, -style,
// -platform
// ...) before the line is read for good.
bool asksForCommandWithoutWindow(const QStringList& arguments);

} // namespace cw::app
