#pragma once

// Where a print job takes its texts from: a claim, or the sample claim of the alignment test
// print.

#include "model/ClaimValues.h"

#include <QString>

namespace cw::printing {

class TextSource {
public:
    static TextSource sample() { return TextSource(nullptr); }
    // The values must outlive the source.
    static TextSource claim(const model::ClaimValues& values) { return TextSource(&values); }

    bool isSample() const { return m_claim == nullptr; }

private:
    friend QString fieldPrintText(int catalogueIndex, const TextSource& source);

    explicit TextSource(const model::ClaimValues* claim)
        : m_claim(claim) {}

    const model::ClaimValues* m_claim;
};

// The text printed for one field. A claim's off-form fields print nothing, whatever they hold.
QString fieldPrintText(int catalogueIndex, const TextSource& source);

} // namespace cw::printing
