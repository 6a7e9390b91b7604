#include "export/SharedStrings.h"

#include "export/SpreadsheetText.h"

namespace cw::exports {

SharedStrings::SharedStrings(std::optional<XmlPart> part)
    : m_part(std::move(part)) {
    if (!m_part)
        return;
    const std::string item = m_part->qualified("si");
    for (const pugi::xml_node& node : m_part->root().children(item.c_str()))
        m_items.push_back(node);
}

QString SharedStrings::text(int index) const {
    return stringItemText(*m_part, m_items[static_cast<std::size_t>(index)]);
}

} // namespace cw::exports
