#include "export/CellStyles.h"

#include <QCoreApplication>

#include <cstring>

namespace cw::exports {

namespace {

constexpr int kBuiltInTextFormat = 49;

bool isZeroOrAbsent(const pugi::xml_attribute& attribute) {
    return !attribute || attribute.as_int(-1) == 0;
}

} // namespace

CellStyles::CellStyles(XmlPart part)
    : m_part(std::move(part))
    , m_formats(m_part.root().child(m_part.qualified("cellXfs").c_str())) {}

Result<CellStyles> CellStyles::read(XmlPart part) {
    CellStyles styles(std::move(part));
    if (!styles.m_formats)
        return Error{
            QCoreApplication::translate("CellStyles", "its styles part lists no cell formats")};
    return styles;
}

bool CellStyles::isTextFormat(int numberFormat) const {
    if (numberFormat == kBuiltInTextFormat)
        return true;
    const std::string numFmts = m_part.qualified("numFmts");
    const std::string numFmt = m_part.qualified("numFmt");
    for (const pugi::xml_node& format :
         m_part.root().child(numFmts.c_str()).children(numFmt.c_str()))
        if (format.attribute("numFmtId").as_int(-1) == numberFormat)
            return std::strcmp(format.attribute("formatCode").value(), "@") == 0;
    return false;
}

std::optional<int> CellStyles::plainTextStyle() const {
    const std::string xf = m_part.qualified("xf");
    int index = 0;
    for (const pugi::xml_node& format : m_formats.children(xf.c_str())) {
        if (isTextFormat(format.attribute("numFmtId").as_int(-1)) &&
            isZeroOrAbsent(format.attribute("fontId")) &&
            isZeroOrAbsent(format.attribute("fillId")) &&
            isZeroOrAbsent(format.attribute("borderId")) &&
            isZeroOrAbsent(format.attribute("xfId")) && !format.first_child())
            return index;
        ++index;
    }
    return std::nullopt;
}

int CellStyles::textStyle() {
    if (!m_textStyle)
        m_textStyle = plainTextStyle();
    if (!m_textStyle)
        m_textStyle = addTextStyle();
    return *m_textStyle;
}

int CellStyles::addTextStyle() {
    const std::string xf = m_part.qualified("xf");
    pugi::xml_node format = m_formats.append_child(xf.c_str());
    format.append_attribute("numFmtId").set_value(kBuiltInTextFormat);
    for (const char* zero : {"fontId", "fillId", "borderId", "xfId"})
        format.append_attribute(zero).set_value(0);
    format.append_attribute("applyNumberFormat").set_value(1);
    const auto count =
        std::distance(m_formats.children(xf.c_str()).begin(), m_formats.children(xf.c_str()).end());
    if (pugi::xml_attribute countAttribute = m_formats.attribute("count"))
        countAttribute.set_value(count);
    m_changed = true;
    return static_cast<int>(count - 1);
}

} // namespace cw::exports
