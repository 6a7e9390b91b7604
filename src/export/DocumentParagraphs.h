#pragma once

// The claim as a readable list, paragraph by paragraph: each field that holds text is a bold
// caption and its text below it, followed by an empty paragraph. The revenue rows that hold
// anything come between the single fields of the form's top and those of its foot, each
// headed "transaction1" to "transaction23", with an empty paragraph after the row only. Empty
// fields are left out, so an empty claim has no paragraphs.

#include "model/ClaimValues.h"

#include <QString>

#include <vector>

namespace cw::exports {

struct Paragraph {
    QString text;
    bool bold = false;
    bool operator==(const Paragraph&) const = default;
};

std::vector<Paragraph> documentParagraphs(const model::ClaimValues& values);

} // namespace cw::exports
