#include "export/ColumnWidths.h"

#include <algorithm>

namespace cw::exports {

namespace {

// Excel's widest column, and the room a cell's padding and a digit's width take beyond the
// text.
constexpr double kMaxWidth = 255;
constexpr double kPadding = 1.7;

void setRange(pugi::xml_node range, int first, int last) {
    range.attribute("min").set_value(first);
    range.attribute("max").set_value(last);
}

} // namespace

double fittedWidth(qsizetype characters) {
    return std::min(kMaxWidth, static_cast<double>(characters) + kPadding);
}

void setColumnWidth(const XmlPart& sheet, int column, double width) {
    const std::string colsName = sheet.qualified("cols");
    const std::string colName = sheet.qualified("col");
    pugi::xml_node root = sheet.root();
    pugi::xml_node cols = root.child(colsName.c_str());
    if (!cols)
        cols = root.insert_child_before(colsName.c_str(),
                                        root.child(sheet.qualified("sheetData").c_str()));
    pugi::xml_node own;
    pugi::xml_node after; // the first range beyond the column
    for (pugi::xml_node range : cols.children(colName.c_str())) {
        const int first = range.attribute("min").as_int();
        const int last = range.attribute("max").as_int();
        if (first > column) {
            after = range;
            break;
        }
        if (last < column)
            continue;
        // The range's columns before and after this one keep its settings.
        if (first < column)
            setRange(cols.insert_copy_before(range, range), first, column - 1);
        if (last > column)
            setRange(cols.insert_copy_after(range, range), column + 1, last);
        setRange(range, column, column);
        own = range;
        break;
    }
    if (!own) {
        own = after ? cols.insert_child_before(colName.c_str(), after)
                    : cols.append_child(colName.c_str());
        own.append_attribute("min").set_value(column);
        own.append_attribute("max").set_value(column);
    }
    for (const char* name : {"width", "customWidth"})
        if (!own.attribute(name))
            own.append_attribute(name);
    own.attribute("width").set_value(width);
    own.attribute("customWidth").set_value(1);
}

} // namespace cw::exports
