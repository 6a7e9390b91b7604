#pragma once

// Cell references of a worksheet: "A1", "IV426", "XFD1048576".

#include <QByteArray>

#include <optional>
#include <string_view>

namespace cw::exports {

inline constexpr int kMaxSheetColumns = 16384; // XFD
inline constexpr int kMaxSheetRows = 1048576;

struct CellReference {
    int row;    // from 1
    int column; // from 1: A = 1
};

// "A" = 1, "Z" = 26, "AA" = 27.
QByteArray columnLetters(int column);
QByteArray cellReference(CellReference cell);
// Nothing for a text that is no reference inside the sheet's bounds.
std::optional<CellReference> parseCellReference(std::string_view text);

} // namespace cw::exports
