#pragma once

// Checking claim files without a window, a month's claims at a time:
//     claimwright --check CLAIM.ub4 [...]
// One line on standard output per finding, "FILE: FL 56 edit39i: error: message"; a claim
// that cannot be read is named on standard error and the others are checked all the same.

#include "app/ExitStatus.h"

#include <QStringList>

class QTextStream;

namespace cw::app {

ExitStatus runClaimCheck(const QStringList& claimPaths, QTextStream& out, QTextStream& err);

} // namespace cw::app
