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
               "       claimwright --check CLAIM.ub4 [CLAIM.ub4 ...]\n"
               "       claimwright --help | --version\n"
               "\n"
               "Without --print-pdf the editor opens, with the claim file if one is given.\n"
               "Every word after -- is a claim file, also one whose name begins with -.\n"
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
               "Exit status: 0 every claim printed; 1 the PDF was written but claims were\n"
               "skipped; 2 bad command line; 3 nothing printed (no claim could be read, or the\n"
               "PDF could not be written).\n"
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
