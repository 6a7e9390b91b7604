#include "app/CommandLineHelp.h"

#include "app/PdfPrintCommand.h"

#include <QCoreApplication>

namespace cw::app {

QString usageText() {
    return QCoreApplication::translate(
               "CommandLineHelp",
               "Usage: claimwright [CLAIM.ub4]\n"
               "       claimwright --print-pdf OUT.pdf [--mode text|black|color] [--copies N]\n"
               "                   CLAIM.ub4 [CLAIM.ub4 ...]\n"
               "       claimwright --set-field N TEXT\n"
               "       claimwright --export xml|xlsx|docx --output PATH CLAIM.ub4 [...]\n"
               "       claimwright --check CLAIM.ub4 [CLAIM.ub4 ...]\n"
               "       claimwright --help | --version\n"
               "\n"
               "Without --print-pdf, --export, --check or --set-field the editor opens, with\n"
               "the claim file if one is given.\n"
               "Every word after -- is a claim file, also one whose name begins with -.\n"
               "One copy of the program runs per user and program file: a later start brings\n"
               "its window to the front, hands it the claim file, which it opens after offering\n"
               "to save unsaved typing, and ends once that is done (status 0; 4 when the claim\n"
               "could not be opened, 5 when the running copy does not answer).\n"
               "\n"
               "--set-field N TEXT sets a field of the claim in the running copy: N is 500000\n"
               "plus the field's catalogue number (500000 to 500508); any other N sets the\n"
               "window's title. AutoFill and automatic addition do not act on it, and the claim\n"
               "counts as changed. TEXT is one line of characters a claim file can hold; put it\n"
               "after -- when it begins with -. Exit status: 0 the field was set; 2 bad command\n"
               "line; 4 the running copy refused the text and says why; 5 no copy runs.\n"
               "\n"
               "--print-pdf prints the claims without a window into one PDF file, one page per\n"
               "copy of each claim in the order given, with the printer alignment, the fields'\n"
               "own alignment, print font and print mode last chosen in the editor.\n"
               "  --mode text    text only, as for pre-printed forms\n"
               "  --mode black   text with a black-and-white picture of the form\n"
               "  --mode color   text with a colour picture of the form\n"
               "  --copies N     N copies of every claim, 1 to %1 (default 1)\n"
               "  -h, --help     this text\n"
               "  -v, --version  the name and version of the program\n"
               "OUT.pdf may be an earlier PDF, which is replaced once the print has finished,\n"
               "but never one of the claims, a name ending in .ub4 or another kind of file.\n"
               "A claim file that cannot be read is named on standard error and skipped.\n"
               "\n"
               "--export writes the claims without a window to PATH, which is replaced once it\n"
               "is complete, and never a claim file:\n"
               "  --export xml   one claim as XML with its document type definition\n"
               "  --export docx  one claim as a word-processor document\n"
               "  --export xlsx  the claims, in the order given, each into the next free column\n"
               "                 of the claims workbook PATH, made when it does not exist\n"
               "\n"
               "Exit status: 0 every claim printed or exported; 1 the file was written but\n"
               "claims were skipped; 2 bad command line; 3 nothing printed or exported (no\n"
               "claim could be read, or the file could not be written).\n"
               "\n"
               "--check checks the claims for the mistakes that get a claim rejected and prints\n"
               "one line per finding: FILE: FL 56 edit39i: error: message. Exit status: 0 no\n"
               "errors (warnings at most); 1 some claim has errors; 2 bad command line; 3 a\n"
               "claim file could not be read (the others are checked all the same).\n")
        .arg(kMaxCopies);
}

QString versionText() {
    return QStringLiteral("Claimwright " CLAIMWRIGHT_VERSION "\n");
}

} // namespace cw::app
