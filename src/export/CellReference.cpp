#include "export/CellReference.h"

namespace cw::exports {

QByteArray columnLetters(int column) {
    QByteArray letters;
    for (int rest = column; rest > 0; rest = (rest - 1) / 26)
        letters.prepend(static_cast<char>('A' + (rest - 1) % 26));
    return letters;
}

QByteArray cellReference(CellReference cell) {
    return columnLetters(cell.column) + QByteArray::number(cell.row);
}

std::optional<CellReference> parseCellReference(std::string_view text) {
    std::size_t i = 0;
    long column = 0;
    for (; i < text.size() && text[i] >= 'A' && text[i] <= 'Z' && column <= kMaxSheetColumns; ++i)
        column = column * 26 + (text[i] - 'A' + 1);
    const std::size_t digits = i;
    long row = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && row <= kMaxSheetRows; ++i)
        row = row * 10 + (text[i] - '0');
    if (digits == 0 || i == digits || i != text.size() || column > kMaxSheetColumns || row < 1 ||
        row > kMaxSheetRows)
        return std::nullopt;
    return CellReference{static_cast<int>(row), static_cast<int>(column)};
}

} // namespace cw::exports
