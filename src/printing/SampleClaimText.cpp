#include "printing/SampleClaimText.h"

#include "model/FieldCatalogue.h"

#include <QStringList>
#include <QtGlobal>

#include <array>

namespace cw::printing {

namespace {

struct SampleEntry {
    const char* name;
    const char* text;
};

// Everything but service lines 1 to 22. Two texts keep the trailing blank they have always had.
constexpr SampleEntry kSampleEntries[] = {
    // FL 1 and FL 2: billing provider and pay-to
    {"edit1a", "JohnSmith Medical Billing "},
    {"edit2a", "292 Imaginary Road"},
    {"edit3a", "San Francisco, CA 94117"},
    {"edit4a", "(415) 555-0142"},
    {"edit1b", "JohnSmith Medical Billing"},
    {"edit2b", "PO Box 5500"},
    {"edit3b", "San Francisco, CA 94117"},
    // FL 3 to FL 6
    {"edit2c", "123456789"},
    {"edit8j", "MR0012345"},
    {"edit2d", "0131"},
    {"edit4b", "555-55-5555"},
    {"edit4c", "100104"},
    {"edit4d", "102204"},
    // FL 8 and FL 9: patient
    {"edit5b", "123-45-6789"},
    {"edit6a", "Doe, Jane"},
    {"edit5a", "415 Sample Street"},
    {"edit6b", "San Francisco"},
    {"edit6c", "CA"},
    {"edit6d", "94117"},
    // FL 10 to FL 18
    {"edit8a", "01011970"},
    {"edit8b", "F"},
    {"edit8d", "100104"},
    {"edit8e", "08"},
    {"edit8f", "3"},
    {"edit8g", "1"},
    {"edit8h", "17"},
    {"edit8i", "01"},
    {"edit8k", "A1"},
    // FL 31 and FL 35: occurrence code and span
    {"edit10a", "11"},
    {"edit10b", "100104"},
    {"edit10i", "70"},
    {"edit10j", "100104"},
    {"edit10k", "100304"},
    // FL 38: responsible party
    {"edit12a", "Jane Doe"},
    {"edit13a", "415 Sample Street"},
    {"edit14a", "San Francisco, CA 94117"},
    // FL 39: value codes
    {"edit12b", "01"},
    {"edit12c", "1200"},
    {"edit12d", "00"},
    {"edit13b", "80"},
    {"edit13c", "22"},
    {"edit13d", "00"},
    // Service line 23: page, creation date and totals
    {"edit38a", "0001"},
    {"edit38k", "1"},
    {"edit38l", "1"},
    {"edit38d", "102504"},
    {"edit38f", "2200"},
    {"edit38g", "00"},
    {"edit38h", "1100"},
    {"edit38i", "00"},
    // FL 50 to FL 57: payers
    {"edit39a", "Payer Company"},
    {"edit39b", "987654321"},
    {"edit39c", "Y"},
    {"edit39d", "Y"},
    {"edit39e", "25"},
    {"edit39f", "00"},
    {"edit39g", "1075"},
    {"edit39h", "00"},
    {"edit39i", "1234567893"},
    {"edit40a", "Medigap Insurer"},
    {"edit40b", "555666777"},
    {"edit40c", "Y"},
    {"edit40d", "Y"},
    {"edit40i", "123456"},
    // FL 58 to FL 62: insured
    {"edit43a", "Doe, Jane"},
    {"edit43b", "18"},
    {"edit43c", "123456789A"},
    {"edit43d", "Group"},
    {"edit43e", "G-12345"},
    {"edit44a", "Doe, Jane"},
    {"edit44b", "18"},
    {"edit44c", "987654321B"},
    // FL 63 and FL 65
    {"edit46a", "TA445566"},
    {"edit46c", "Work, Inc. "},
    // FL 66 to FL 70: diagnoses
    {"edit50j", "9"},
    {"edit49a", "78650"},
    {"edit49b", "4019"},
    {"edit49c", "2720"},
    {"edit49j", "78650"},
    {"edit51i", "78650"},
    // FL 74: principal procedure
    {"edit50b", "8744"},
    {"edit50c", "100104"},
    // FL 76 and FL 77: attending and operating providers
    {"edit52o", "9876543213"},
    {"edit52p", "0B"},
    {"edit52q", "A12345"},
    {"edit52r", "Welby"},
    {"edit52s", "Marcus"},
    {"edit52t", "1112223339"},
    {"edit52w", "Kildare"},
    {"edit53g", "James"},
    // FL 80 and FL 81
    {"edit52a", "Sample claim"},
    {"edit53a", "Printed to check the alignment"},
    {"edit52d", "B3"},
    {"edit52e", "207Q00000X"},
};

// Service lines 1 to 22 repeat one charge; only the service date moves on by a day a line.
QString serviceLineText(int line, char column) {
    switch (column) {
    case 'a':
        return QStringLiteral("123");
    case 'b':
        return QStringLiteral("Procedure");
    case 'c':
        return QStringLiteral("100.00");
    case 'd':
        return QStringLiteral("10%1").arg(line, 2, 10, QLatin1Char('0')) + QStringLiteral("04");
    case 'e':
        return QStringLiteral("1");
    case 'f':
        return QStringLiteral("100");
    case 'g':
    case 'i':
        return QStringLiteral("00");
    case 'h':
        return QStringLiteral("50");
    default:
        return {};
    }
}

using Table = std::array<QString, model::kFieldCount>;

void put(Table& table, const QString& name, const QString& text) {
    const int index = model::FieldCatalogue::indexOf(name);
    Q_ASSERT_X(index >= 0, "sampleText", "sample names a field the catalogue lacks");
    table[static_cast<std::size_t>(index)] = text;
}

Table buildTable() {
    Table table;
    for (const SampleEntry& entry : kSampleEntries)
        put(table, QLatin1StringView(entry.name), QLatin1StringView(entry.text));
    for (int line = 1; line <= 22; ++line) {
        const int group = model::kFirstServiceGroup + line - 1;
        for (char column = 'a'; column <= 'i'; ++column) {
            put(table,
                QLatin1StringView("edit") + QString::number(group) + QChar::fromLatin1(column),
                serviceLineText(line, column));
        }
    }
    return table;
}

} // namespace

QString sampleText(int catalogueIndex) {
    static const Table table = buildTable();
    return table.at(static_cast<std::size_t>(catalogueIndex));
}

} // namespace cw::printing
