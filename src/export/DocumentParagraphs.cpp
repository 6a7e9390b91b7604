#include "export/DocumentParagraphs.h"

#include "export/ClaimRows.h"

namespace cw::exports {

namespace {

void appendSingleFields(std::vector<Paragraph>& paragraphs, const model::ClaimValues& values,
                        int first, int end) {
    const auto fields = singleFields();
    for (int i = first; i < end; ++i) {
        const QString& text = values[fields[i].fieldIndex];
        if (text.isEmpty())
            continue;
        paragraphs.push_back({fields[i].title, true});
        paragraphs.push_back({text, false});
        paragraphs.push_back({});
    }
}

bool rowHoldsText(const model::ClaimValues& values, int row) {
    for (int column = 0; column < kRevenueColumnCount; ++column)
        if (!values[revenueFieldIndex(row, column)].isEmpty())
            return true;
    return false;
}

void appendRevenueRow(std::vector<Paragraph>& paragraphs, const model::ClaimValues& values,
                      int row) {
    paragraphs.push_back({QStringLiteral("transaction") + QString::number(row), true});
    for (int column = 0; column < kRevenueColumnCount; ++column) {
        const QString& text = values[revenueFieldIndex(row, column)];
        if (text.isEmpty())
            continue;
        paragraphs.push_back({revenueColumnCaptions()[static_cast<std::size_t>(column)], true});
        paragraphs.push_back({text, false});
    }
    paragraphs.push_back({});
}

} // namespace

std::vector<Paragraph> documentParagraphs(const model::ClaimValues& values) {
    std::vector<Paragraph> paragraphs;
    appendSingleFields(paragraphs, values, 0, kFieldsBeforeRevenueRows);
    for (int row = 1; row <= kRevenueRowCount; ++row)
        if (rowHoldsText(values, row))
            appendRevenueRow(paragraphs, values, row);
    appendSingleFields(paragraphs, values, kFieldsBeforeRevenueRows, kSingleFieldCount);
    return paragraphs;
}

} // namespace cw::exports
