#pragma once

namespace cw::app {

// The exit statuses of the program when it runs without a window.
enum ExitStatus {
    kAllPrinted = 0,     // every claim is in the PDF; also the end of a help or version text
    kSomeSkipped = 1,    // the PDF was written, but claims that could not be read are missing
    kBadCommandLine = 2, // nothing was done
    kNothingPrinted = 3, // no claim could be read, or the PDF could not be written

    // --check
    kNoErrorsFound = 0,   // warnings at most
    kErrorsFound = 1,     // some claim has errors
    kClaimUnreadable = 3, // some claim could not be read, whatever the others hold
};

} // namespace cw::app
