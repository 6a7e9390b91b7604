#pragma once

// The sample claim of the alignment test print: one fictitious but complete claim, one text
// per catalogue entry. Off-form fields have none, since they are never printed.

#include <QString>

namespace cw::printing {

inline constexpr int kSampleTextCount = 292; // entries that are not empty

// The sample text of catalogue entry 0..508; empty where the sample leaves the field blank.
QString sampleText(int catalogueIndex);

} // namespace cw::printing
