#pragma once

// A workbook's shared strings: the texts its cells of type "s" refer to by number. Read only;
// the claims this program writes carry their text in the cell.

#include "export/OpenXmlPart.h"

#include <QString>

#include <optional>
#include <vector>

namespace cw::exports {

class SharedStrings {
public:
    // A workbook without shared strings has none.
    explicit SharedStrings(std::optional<XmlPart> part);

    int size() const { return static_cast<int>(m_items.size()); }
    // index must be below size().
    QString text(int index) const;

private:
    std::optional<XmlPart> m_part;
    std::vector<pugi::xml_node> m_items;
};

} // namespace cw::exports
