#pragma once

// A workbook's cell formats, as far as the claims sheet needs them: one that shows a cell's
// text as it is (the number format "@", built in as number 49, or written out as a format of
// the workbook's own, as Calc does) and changes nothing else.

#include "export/OpenXmlPart.h"
#include "platform/Result.h"

namespace cw::exports {

class CellStyles {
public:
    // Refused when the part lists no cell formats.
    static Result<CellStyles> read(XmlPart part);

    // The number of a plain text format; one is added where the workbook has none.
    int textStyle();
    // Whether textStyle() added a format, so the part must be written.
    bool changed() const { return m_changed; }
    const XmlPart& part() const { return m_part; }

private:
    explicit CellStyles(XmlPart part);
    bool isTextFormat(int numberFormat) const;
    std::optional<int> plainTextStyle() const;
    int addTextStyle();

    XmlPart m_part;
    pugi::xml_node m_formats; // cellXfs
    std::optional<int> m_textStyle;
    bool m_changed = false;
};

} // namespace cw::exports
