#include "export/ClaimRows.h"

#include "model/FieldCatalogue.h"

namespace cw::exports {

using model::FieldCatalogue;

namespace {

struct SingleFieldEntry {
    int group;
    char column;
    const char* title;
};

// The order is the exports' own, not the catalogue's.
const std::array<SingleFieldEntry, kSingleFieldCount> kSingleFields = {{
    {1, 'a', "provider info line1"},
    {2, 'a', "provider info line2"},
    {3, 'a', "provider info line3"},
    {4, 'a', "provider info line4"},
    {1, 'b', "localuse1 line1"},
    {2, 'b', "localuse1 line2"},
    {2, 'c', "patient control number"},
    {2, 'd', "type of bill"},
    {4, 'b', "federal tax number"},
    {4, 'c', "statement covers from"},
    {4, 'd', "statement covers through"},
    {4, 'e', "covered days"},
    {4, 'f', "non covered days"},
    {4, 'g', "coinsurance days"},
    {4, 'h', "lifetime reserve days"},
    {4, 'i', "localuse2"},
    {6, 'a', "patient name"},
    {5, 'a', "patient address line1"},
    {6, 'b', "patient address line2"},
    {8, 'a', "birthdate"},
    {8, 'b', "sex"},
    {8, 'c', "marital status"},
    {8, 'd', "admission date"},
    {8, 'e', "admission hour"},
    {8, 'f', "admission type"},
    {8, 'g', "admission source"},
    {8, 'h', "discharge hour"},
    {8, 'i', "patient status"},
    {8, 'j', "medical record number"},
    {8, 'k', "condition codes 1"},
    {8, 'l', "condition codes 2"},
    {8, 'm', "condition codes 3"},
    {8, 'n', "condition codes 4"},
    {8, 'o', "condition codes 5"},
    {8, 'p', "condition codes 6"},
    {8, 'q', "condition codes 7"},
    {7, 'a', "localuse3 line1"},
    {8, 'r', "localuse3 line2"},
    {10, 'a', "occurrence 1a code"},
    {10, 'b', "occurrence 1a date"},
    {10, 'c', "occurrence 2a code"},
    {10, 'd', "occurrence 2a date"},
    {10, 'e', "occurrence 3a code"},
    {10, 'f', "occurrence 3a date"},
    {10, 'g', "occurrence 4a code"},
    {10, 'h', "occurrence 4a date"},
    {11, 'a', "occurrence 1b code"},
    {11, 'b', "occurrence 1b date"},
    {11, 'c', "occurrence 2b code"},
    {11, 'd', "occurrence 2b date"},
    {11, 'e', "occurrence 3b code"},
    {11, 'f', "occurrence 3b date"},
    {11, 'g', "occurrence 4b code"},
    {11, 'h', "occurrence 4b date"},
    {10, 'i', "occurrence span a code"},
    {10, 'j', "occurrence span a from date"},
    {10, 'k', "occurrence span a through date"},
    {11, 'i', "occurrence span b code"},
    {11, 'j', "occurrence span b from date"},
    {11, 'k', "occurrence span b through date"},
    {9, 'a', "internal control number a"},
    {10, 'l', "internal control number b"},
    {11, 'l', "internal control number c"},
    {12, 'a', "responsible party address line1"},
    {13, 'a', "responsible party address line2"},
    {14, 'a', "responsible party address line3"},
    {15, 'a', "responsible party address line4"},
    {12, 'b', "value codes 1a code"},
    {12, 'c', "value codes 1a dollars"},
    {12, 'd', "value codes 1a cents"},
    {12, 'e', "value codes 2a code"},
    {12, 'f', "value codes 2a dollars"},
    {12, 'g', "value codes 2a cents"},
    {12, 'h', "value codes 3a code"},
    {12, 'i', "value codes 3a dollars"},
    {12, 'j', "value codes 3a cents"},
    {13, 'b', "value codes 1b code"},
    {13, 'c', "value codes 1b dollars"},
    {13, 'd', "value codes 1b cents"},
    {13, 'e', "value codes 2b code"},
    {13, 'f', "value codes 2b dollars"},
    {13, 'g', "value codes 2b cents"},
    {13, 'h', "value codes 3b code"},
    {13, 'i', "value codes 3b dollars"},
    {13, 'j', "value codes 3b cents"},
    {14, 'b', "value codes 1c code"},
    {14, 'c', "value codes 1c dollars"},
    {14, 'd', "value codes 1c cents"},
    {14, 'e', "value codes 2c code"},
    {14, 'f', "value codes 2c dollars"},
    {14, 'g', "value codes 2c cents"},
    {14, 'h', "value codes 3c code"},
    {14, 'i', "value codes 3c dollars"},
    {14, 'j', "value codes 3c cents"},
    {15, 'b', "value codes 1d code"},
    {15, 'c', "value codes 1d dollars"},
    {15, 'd', "value codes 1d cents"},
    {15, 'e', "value codes 2d code"},
    {15, 'f', "value codes 2d dollars"},
    {15, 'g', "value codes 2d cents"},
    {15, 'h', "value codes 3d code"},
    {15, 'i', "value codes 3d dollars"},
    {15, 'j', "value codes 3d cents"},
    {39, 'a', "payer a"},
    {39, 'b', "provider number a"},
    {39, 'c', "release of information a"},
    {39, 'd', "assignment of benefits a"},
    {39, 'e', "prior payments dollars a"},
    {39, 'f', "prior payments cents a"},
    {39, 'g', "est amount due dollars a"},
    {39, 'h', "est amount due cents a"},
    {40, 'a', "payer b"},
    {40, 'b', "provider number b"},
    {40, 'c', "release of information b"},
    {40, 'd', "assignment of benefits b"},
    {40, 'e', "prior payments dollars b"},
    {40, 'f', "prior payments cents b"},
    {40, 'g', "est amount due dollars b"},
    {40, 'h', "est amount due cents b"},
    {41, 'a', "payer c"},
    {41, 'b', "provider number c"},
    {41, 'c', "release of information c"},
    {41, 'd', "assignment of benefits c"},
    {41, 'e', "prior payments dollars c"},
    {41, 'f', "prior payments cents c"},
    {41, 'g', "est amount due dollars c"},
    {41, 'h', "est amount due cents c"},
    {42, 'b', "prior payments dollars total"},
    {42, 'c', "prior payments cents total"},
    {42, 'd', "est amount due dollars total"},
    {42, 'e', "est amount due cents total"},
    {39, 'i', "localuse4 line1"},
    {40, 'i', "localuse4 line2"},
    {41, 'i', "localuse4 line3"},
    {42, 'f', "localuse4 line4"},
    {42, 'a', "localuse5"},
    {43, 'a', "insureds name a"},
    {43, 'b', "patients relationship to insured a"},
    {43, 'c', "identification number a"},
    {43, 'd', "group name a"},
    {43, 'e', "insurance group number a"},
    {44, 'a', "insureds name b"},
    {44, 'b', "patients relationship to insured b"},
    {44, 'c', "identification number b"},
    {44, 'd', "group name b"},
    {44, 'e', "insurance group number b"},
    {45, 'a', "insureds name c"},
    {45, 'b', "patients relationship to insured c"},
    {45, 'c', "identification number c"},
    {45, 'd', "group name c"},
    {45, 'e', "insurance group number c"},
    {46, 'a', "treatment auth code a"},
    {46, 'b', "employment status code a"},
    {46, 'c', "employer name a"},
    {46, 'd', "employer location a"},
    {47, 'a', "treatment auth code b"},
    {47, 'b', "employment status code b"},
    {47, 'c', "employer name b"},
    {47, 'd', "employer location b"},
    {48, 'a', "treatment auth code c"},
    {48, 'b', "employment status code c"},
    {48, 'c', "employer name c"},
    {48, 'd', "employer location c"},
    {49, 'a', "principal diagnosis code"},
    {49, 'b', "other diagnosis code 1"},
    {49, 'c', "other diagnosis code 2"},
    {49, 'd', "other diagnosis code 3"},
    {49, 'e', "other diagnosis code 4"},
    {49, 'f', "other diagnosis code 5"},
    {49, 'g', "other diagnosis code 6"},
    {49, 'h', "other diagnosis code 7"},
    {49, 'i', "other diagnosis code 8"},
    {49, 'j', "admitting diagnosis code"},
    {49, 'k', "e code"},
    {49, 'l', "localuse6"},
    {50, 'a', "procedure coding method"},
    {50, 'b', "principal procedure code"},
    {50, 'c', "principal procedure date"},
    {50, 'd', "other procedure code a"},
    {50, 'e', "other procedure date a"},
    {50, 'f', "other procedure code b"},
    {50, 'g', "other procedure date b"},
    {51, 'a', "other procedure code c"},
    {51, 'b', "other procedure date c"},
    {51, 'c', "other procedure code d"},
    {51, 'd', "other procedure date d"},
    {51, 'e', "other procedure code e"},
    {51, 'f', "other procedure date e"},
    {50, 'h', "attending physician id"},
    {51, 'g', "other physician id a"},
    {52, 'b', "other physician id b"},
    {52, 'a', "remarks line1"},
    {53, 'a', "remarks line2"},
    {54, 'a', "remarks line3"},
    {54, 'b', "provider representative signature"},
    {54, 'c', "submission date"},
}};

constexpr char kFirstRevenueColumn = 'a';

} // namespace

std::span<const ExportField, kSingleFieldCount> singleFields() {
    static const std::array<ExportField, kSingleFieldCount> fields = [] {
        std::array<ExportField, kSingleFieldCount> made;
        for (std::size_t i = 0; i < made.size(); ++i) {
            const SingleFieldEntry& entry = kSingleFields[i];
            made[i] = {FieldCatalogue::indexAt(entry.group, entry.column),
                       QString::fromLatin1(entry.title)};
        }
        return made;
    }();
    return fields;
}

std::span<const QString, kRevenueColumnCount> revenueColumnCaptions() {
    static const std::array<QString, kRevenueColumnCount> captions = {
        QStringLiteral("revenue code"),
        QStringLiteral("description"),
        QStringLiteral("rates"),
        QStringLiteral("service date"),
        QStringLiteral("service units"),
        QStringLiteral("total charges dollars"),
        QStringLiteral("total charges cents"),
        QStringLiteral("non covered charges dollars"),
        QStringLiteral("non covered charges cents"),
        QStringLiteral("localuse transactions")};
    return captions;
}

int revenueFieldIndex(int row, int column) {
    return FieldCatalogue::indexAt(model::kFirstServiceGroup + row - 1,
                                   static_cast<char>(kFirstRevenueColumn + column));
}

std::span<const ExportField, kWorkbookRowCount> workbookRows() {
    static const std::array<ExportField, kWorkbookRowCount> rows = [] {
        std::array<ExportField, kWorkbookRowCount> made;
        std::size_t next = 0;
        for (const ExportField& field : singleFields())
            made[next++] = field;
        for (int row = 1; row <= kRevenueRowCount; ++row)
            for (int column = 0; column < kRevenueColumnCount; ++column)
                made[next++] = {revenueFieldIndex(row, column),
                                revenueColumnCaptions()[static_cast<std::size_t>(column)] + u' ' +
                                    QString::number(row)};
        return made;
    }();
    return rows;
}

} // namespace cw::exports
