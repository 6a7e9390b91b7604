#pragma once

// The claim as a word-processor document (.docx): the smallest package word processors open,
// with the claim's paragraphs in the default style, captions bold.

#include "model/ClaimValues.h"
#include "platform/Result.h"

#include <QByteArray>

namespace cw::exports {

Result<QByteArray> claimWordDocument(const model::ClaimValues& values);

} // namespace cw::exports
