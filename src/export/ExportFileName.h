#pragma once

// The file name the XML and document exports propose, without its extension: the patient
// name, then the statement period, as in "Doe, Jane 01-01-09 through 01-31-09".

#include "model/ClaimValues.h"

#include <QString>

namespace cw::exports {

// edit6a, " ", edit4c, " through ", edit4d, with every "/" and "\" as "-": a date's slashes,
// or one in the name, would otherwise make folders of the name.
QString exportBaseName(const model::ClaimValues& values);

} // namespace cw::exports
