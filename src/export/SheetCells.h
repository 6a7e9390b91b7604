#pragma once

// The cells of a worksheet part, found by reference and changed in place: every other element
// and attribute of the part (formulas, merged cells, the user's formats) stays as it was.
// Indexing gives every row and cell an explicit reference, which SpreadsheetML allows to be
// left out, so that cells added later keep the meaning of those that were there.

#include "export/CellReference.h"
#include "export/OpenXmlPart.h"
#include "export/SharedStrings.h"
#include "platform/Result.h"

#include <QString>

#include <map>

namespace cw::exports {

class SheetCells {
public:
    // Refused when a row or cell has a reference out of order or out of bounds, a cell is of a
    // type no workbook writes, or refers to a shared string that is not there.
    static Result<SheetCells> index(XmlPart& sheet, const SharedStrings& strings);

    // The cell's text as the sheet shows it unformatted; empty for a cell that is not there.
    QString text(CellReference cell) const;
    // Replaces the cell's content with the text, as an inline string in the given style.
    void setText(CellReference cell, const QString& text, int style);
    // The length of the longest text in the column; 0 when it has none.
    qsizetype longestText(int column) const;
    // Sets the part's dimension to the range of cells it holds.
    void updateDimension();

private:
    struct Row {
        pugi::xml_node node;
        std::map<int, pugi::xml_node> cells; // by column
    };

    SheetCells(XmlPart& sheet, const SharedStrings& strings);
    Result<void> indexRow(pugi::xml_node row, int rowNumber);
    Result<void> checkCell(const pugi::xml_node& cell) const;
    QString cellText(const pugi::xml_node& cell) const;
    Row& rowAt(int rowNumber);

    XmlPart& m_sheet;
    const SharedStrings& m_strings;
    pugi::xml_node m_sheetData;
    std::map<int, Row> m_rows; // by row number
    std::string m_rowName, m_cellName, m_valueName, m_inlineName, m_textName;
};

} // namespace cw::exports
