#pragma once

// The widths of a worksheet's columns, held as ranges of columns that share their settings.

#include "export/OpenXmlPart.h"

namespace cw::exports {

// The width, in characters, that fits a text of that many characters.
double fittedWidth(qsizetype characters);

// Gives the column its own width, splitting a range it shares with others so that they keep
// theirs.
void setColumnWidth(const XmlPart& sheet, int column, double width);

} // namespace cw::exports
