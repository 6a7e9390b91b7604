#pragma once

// A print to a PDF file never replaces a claim: a claim's name picked by mistake in the print
// dialog would otherwise lose the claim to the PDF, confirmed overwrite or not.

#include "platform/Result.h"

#include <QString>

namespace cw::printing {

// Whether the file holds a PDF (begins with "%PDF-"). Only a regular file is read.
bool isPdfFile(const QString& path);

// Refuses a name that ends in ".ub4", in any case.
Result<void> checkNotAClaimFileName(const QString& path);

} // namespace cw::printing
