#include "export/SheetCells.h"

#include "export/SpreadsheetText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace cw::exports {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("SheetCells", text);
}

// The cell types of SpreadsheetML: shared and inline strings, a formula's text, number,
// boolean, error and date.
bool isKnownCellType(const char* type) {
    for (const char* known : {"", "s", "inlineStr", "str", "n", "b", "e", "d"})
        if (std::strcmp(type, known) == 0)
            return true;
    return false;
}

bool needsPreservedSpace(const QString& text) {
    return !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
}

} // namespace

SheetCells::SheetCells(XmlPart& sheet, const SharedStrings& strings)
    : m_sheet(sheet)
    , m_strings(strings)
    , m_sheetData(sheet.root().child(sheet.qualified("sheetData").c_str()))
    , m_rowName(sheet.qualified("row"))
    , m_cellName(sheet.qualified("c"))
    , m_valueName(sheet.qualified("v"))
    , m_inlineName(sheet.qualified("is"))
    , m_textName(sheet.qualified("t")) {}

Result<SheetCells> SheetCells::index(XmlPart& sheet, const SharedStrings& strings) {
    SheetCells cells(sheet, strings);
    if (!cells.m_sheetData)
        return Error{tr("its sheet has no cell data")};
    int previous = 0;
    for (pugi::xml_node row : cells.m_sheetData.children(cells.m_rowName.c_str())) {
        pugi::xml_attribute number = row.attribute("r");
        const int rowNumber = number ? number.as_int(0) : previous + 1;
        if (rowNumber <= previous || rowNumber > kMaxSheetRows)
            return Error{tr("its sheet has rows out of order")};
        if (!number)
            row.append_attribute("r").set_value(rowNumber);
        if (Result<void> indexed = cells.indexRow(row, rowNumber); !indexed)
            return Error{indexed.error()};
        previous = rowNumber;
    }
    return cells;
}

Result<void> SheetCells::indexRow(pugi::xml_node row, int rowNumber) {
    Row& entry = m_rows.emplace_hint(m_rows.end(), rowNumber, Row{row, {}})->second;
    int previous = 0;
    for (pugi::xml_node cell : row.children(m_cellName.c_str())) {
        pugi::xml_attribute reference = cell.attribute("r");
        int column = previous + 1;
        if (reference) {
            const std::optional<CellReference> parsed = parseCellReference(reference.value());
            if (!parsed || parsed->row != rowNumber)
                return Error{tr("its sheet has a cell with the reference %1 in row %2")
                                 .arg(QString::fromUtf8(reference.value()))
                                 .arg(rowNumber)};
            column = parsed->column;
        } else {
            cell.append_attribute("r").set_value(cellReference({rowNumber, column}).constData());
        }
        if (column <= previous || column > kMaxSheetColumns)
            return Error{tr("its sheet has cells out of order in row %1").arg(rowNumber)};
        if (Result<void> checked = checkCell(cell); !checked)
            return checked;
        entry.cells.emplace_hint(entry.cells.end(), column, cell);
        previous = column;
    }
    return {};
}

Result<void> SheetCells::checkCell(const pugi::xml_node& cell) const {
    const char* type = cell.attribute("t").value();
    if (!isKnownCellType(type))
        return Error{
            tr("its sheet has a cell of the unknown type \"%1\"").arg(QString::fromUtf8(type))};
    if (std::strcmp(type, "s") == 0) {
        const pugi::xml_node value = cell.child(m_valueName.c_str());
        const int index = value.text().as_int(-1);
        if (index < 0 || index >= m_strings.size())
            return Error{tr("its sheet refers to a shared text that is not there (cell %1)")
                             .arg(QString::fromUtf8(cell.attribute("r").value()))};
    }
    return {};
}

QString SheetCells::cellText(const pugi::xml_node& cell) const {
    const char* type = cell.attribute("t").value();
    if (std::strcmp(type, "inlineStr") == 0)
        return stringItemText(m_sheet, cell.child(m_inlineName.c_str()));
    const pugi::xml_node value = cell.child(m_valueName.c_str());
    if (std::strcmp(type, "s") == 0)
        return m_strings.text(value.text().as_int());
    return textOf(value);
}

QString SheetCells::text(CellReference cell) const {
    const auto row = m_rows.find(cell.row);
    if (row == m_rows.end())
        return {};
    const auto found = row->second.cells.find(cell.column);
    return found == row->second.cells.end() ? QString() : cellText(found->second);
}

SheetCells::Row& SheetCells::rowAt(int rowNumber) {
    const auto next = m_rows.lower_bound(rowNumber);
    if (next != m_rows.end() && next->first == rowNumber)
        return next->second;
    pugi::xml_node node = next == m_rows.end() ? m_sheetData.append_child(m_rowName.c_str())
                                               : m_sheetData.insert_child_before(m_rowName.c_str(),
                                                                                 next->second.node);
    node.append_attribute("r").set_value(rowNumber);
    return m_rows.emplace_hint(next, rowNumber, Row{node, {}})->second;
}

void SheetCells::setText(CellReference cell, const QString& text, int style) {
    Row& row = rowAt(cell.row);
    // A row's span of columns is only a hint for readers, and a stale one misleads them.
    row.node.remove_attribute("spans");
    pugi::xml_node node;
    if (const auto next = row.cells.lower_bound(cell.column);
        next != row.cells.end() && next->first == cell.column) {
        node = next->second;
        node.remove_children();
        for (pugi::xml_attribute attribute = node.first_attribute(); attribute;) {
            const pugi::xml_attribute following = attribute.next_attribute();
            if (std::strcmp(attribute.name(), "r") != 0)
                node.remove_attribute(attribute);
            attribute = following;
        }
    } else {
        node = next == row.cells.end()
                   ? row.node.append_child(m_cellName.c_str())
                   : row.node.insert_child_before(m_cellName.c_str(), next->second);
        node.append_attribute("r").set_value(cellReference(cell).constData());
        row.cells.emplace_hint(next, cell.column, node);
    }
    node.append_attribute("s").set_value(style);
    node.append_attribute("t").set_value("inlineStr");
    pugi::xml_node t = node.append_child(m_inlineName.c_str()).append_child(m_textName.c_str());
    const QString stored = encodedSpreadsheetText(text);
    if (needsPreservedSpace(stored))
        t.append_attribute("xml:space").set_value("preserve");
    t.text().set(stored.toUtf8().constData());
}

qsizetype SheetCells::longestText(int column) const {
    qsizetype longest = 0;
    for (const auto& [number, row] : m_rows)
        if (const auto found = row.cells.find(column); found != row.cells.end())
            longest = std::max(longest, cellText(found->second).size());
    return longest;
}

void SheetCells::updateDimension() {
    if (m_rows.empty())
        return;
    int first = kMaxSheetColumns;
    int last = 1;
    for (const auto& [number, row] : m_rows) {
        if (row.cells.empty())
            continue;
        first = std::min(first, row.cells.begin()->first);
        last = std::max(last, row.cells.rbegin()->first);
    }
    first = std::min(first, last);
    const QByteArray range = cellReference({m_rows.begin()->first, first}) + ':' +
                             cellReference({m_rows.rbegin()->first, last});
    const std::string name = m_sheet.qualified("dimension");
    pugi::xml_node dimension = m_sheet.root().child(name.c_str());
    if (!dimension)
        return; // optional, and where it sits among its siblings matters
    if (pugi::xml_attribute ref = dimension.attribute("ref"))
        ref.set_value(range.constData());
    else
        dimension.append_attribute("ref").set_value(range.constData());
}

} // namespace cw::exports
