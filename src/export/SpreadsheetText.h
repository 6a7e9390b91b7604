#pragma once

// Text as SpreadsheetML stores it. A string item (a shared string, or a cell's inline string)
// is one text element or a run of formatted pieces; phonetic guides beside it are not part of
// the text. A character that XML cannot carry is written "_xHHHH_", so a text that holds
// "_xHHHH_" itself escapes its underscore as "_x005F_".

#include "export/OpenXmlPart.h"

#include <QString>
#include <QStringView>

namespace cw::exports {

// The text of an <si> or <is> element of the part.
QString stringItemText(const XmlPart& part, const pugi::xml_node& item);

// "_x0041_" -> "A", "_x005F_x0041_" -> "_x0041_".
QString decodedSpreadsheetText(QStringView stored);
// The text as a string item stores it: with XML's characters only (others as blanks), and
// escaped where it would read as an escape.
QString encodedSpreadsheetText(QStringView text);

} // namespace cw::exports
