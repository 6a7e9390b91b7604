#pragma once

// The claims workbook: a sheet "UB-92 Claims Data" with the 426 row titles in column A and one
// claim per column from B on, every cell the claims put there in the text format "@", so that
// codes and dates keep their leading zeros. A claim goes to the first column from C on whose
// first provider line (row 1) and patient name (row 17) are both empty; a new workbook takes
// its first claim in B. Fields that are empty leave their cells as they were.
//
// Only the sheet, and the styles where a text format has to be added, are rewritten; every
// other part of the package is copied as it was.

#include "model/ClaimValues.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace cw::exports {

inline const QString kClaimsSheetName = QStringLiteral("UB-92 Claims Data");
// Columns C to IV are searched for a free one.
inline constexpr int kClaimColumnsSearched = 255;

class ClaimsWorkbook {
public:
    // A workbook with the sheet and nothing in it.
    static Result<ClaimsWorkbook> create();
    // The workbook the bytes of an .xlsx file hold. Refused, with the reason, when it has no
    // claims sheet or cannot be read in full.
    static Result<ClaimsWorkbook> open(const QByteArray& bytes);

    ~ClaimsWorkbook();
    ClaimsWorkbook(ClaimsWorkbook&&) noexcept;
    ClaimsWorkbook& operator=(ClaimsWorkbook&&) noexcept;

    // Writes the claim into the next column and gives its number (B = 2). Refused, with nothing
    // written, when every column it may take is used.
    Result<int> appendClaim(const model::ClaimValues& values);

    // The bytes of the .xlsx file. The workbook is spent afterwards.
    Result<QByteArray> finish();

private:
    struct State;
    explicit ClaimsWorkbook(std::unique_ptr<State> state);
    int nextColumn() const;

    std::unique_ptr<State> m_state;
};

} // namespace cw::exports
