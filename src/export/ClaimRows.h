#pragma once

// The claim as every export lists it: the 196 single fields with their titles ("provider info
// line1" for edit1a), and the 23 revenue rows of the form (lines 16 to 38) with the captions
// of their ten columns. The single fields come in two runs, the first 103 before the revenue
// rows and the rest after them. The workbook's 426 rows, the document's blocks and the XML
// elements (a title with "_" for each blank) all follow this order.

#include <QString>

#include <array>
#include <span>

namespace cw::exports {

inline constexpr int kSingleFieldCount = 196;
// Single fields listed before the revenue rows: edit1a to edit15j.
inline constexpr int kFieldsBeforeRevenueRows = 103;
inline constexpr int kRevenueRowCount = 23;
inline constexpr int kRevenueColumnCount = 10;
// Single fields, then ten rows for each revenue row.
inline constexpr int kWorkbookRowCount = kSingleFieldCount + kRevenueRowCount * kRevenueColumnCount;

struct ExportField {
    int fieldIndex; // catalogue index
    QString title;
};

// The single fields in export order.
std::span<const ExportField, kSingleFieldCount> singleFields();

// "revenue code", "description", ... "localuse transactions": columns a to j.
std::span<const QString, kRevenueColumnCount> revenueColumnCaptions();

// The catalogue index of column 0 to 9 (a to j) of revenue row 1 to 23 (form line row + 15).
int revenueFieldIndex(int row, int column);

// Row r (1 to 426) of the claims workbook is workbookRows()[r - 1]: the single fields, then
// "revenue code 1" to "localuse transactions 23".
std::span<const ExportField, kWorkbookRowCount> workbookRows();

} // namespace cw::exports
