#pragma once

namespace cw::app {

// The exit statuses of the program when it runs without a window, or hands over to the copy
// that runs.
enum ExitStatus {
    kAllPrinted = 0,     // every claim is in the PDF; also the end of a help or version text
    kSomeSkipped = 1,    // the PDF was written, but claims that could not be read are missing
    kBadCommandLine = 2, // nothing was done
    kNothingPrinted = 3, // no claim could be read, or the PDF could not be written
    // Talking to the running copy (a later start, --set-field); 0 when it was done.
    kRefusedByRunningCopy = 4, // it could not or would not do it, and said why
    kNoRunningCopy = 5,        // none runs, or it does not answer

    // --check
    kNoErrorsFound = 0,   // warnings at most
    kErrorsFound = 1,     // some claim has errors
    kClaimUnreadable = 3, // some claim could not be read, whatever the others hold
};

} // namespace cw::app
