#include "export/ClaimsWorkbook.h"

#include "export/CellStyles.h"
#include "export/ClaimRows.h"
#include "export/ColumnWidths.h"
#include "export/NewWorkbook.h"
#include "export/SheetCells.h"
#include "export/WorkbookLayout.h"

#include <QCoreApplication>

namespace cw::exports {

namespace {

constexpr int kTitleColumn = 1;
constexpr int kFirstClaimColumn = 2;
// Where the search for a free column starts: B is taken once a workbook holds a claim.
constexpr int kFirstSearchedColumn = 3;
// A column holds a claim when either of these rows does: the first provider line and the
// patient name.
constexpr int kProviderRow = 1;
constexpr int kPatientRow = 17;

} // namespace

struct ClaimsWorkbook::State {
    ZipPackage package;
    XmlPart sheet;
    SharedStrings strings;
    CellStyles styles;
    std::optional<SheetCells> cells; // indexed once the sheet has its place
    bool fresh;                      // no claim yet: titles and the first claim to come
};

ClaimsWorkbook::ClaimsWorkbook(std::unique_ptr<State> state)
    : m_state(std::move(state)) {}
ClaimsWorkbook::~ClaimsWorkbook() = default;
ClaimsWorkbook::ClaimsWorkbook(ClaimsWorkbook&&) noexcept = default;
ClaimsWorkbook& ClaimsWorkbook::operator=(ClaimsWorkbook&&) noexcept = default;

Result<ClaimsWorkbook> ClaimsWorkbook::create() {
    Result<QByteArray> empty = newWorkbook(kClaimsSheetName);
    if (!empty)
        return Error{empty.error()};
    Result<ClaimsWorkbook> opened = open(*empty);
    if (!opened)
        return opened;
    ClaimsWorkbook workbook = std::move(opened).value();
    workbook.m_state->fresh = true;
    return workbook;
}

Result<ClaimsWorkbook> ClaimsWorkbook::open(const QByteArray& bytes) {
    Result<ZipPackage> package = ZipPackage::open(bytes);
    if (!package)
        return Error{package.error()};
    const Result<WorkbookLayout> layout = findWorksheet(*package, kClaimsSheetName);
    if (!layout)
        return Error{layout.error()};
    Result<XmlPart> sheet = XmlPart::read(*package, layout->sheet, kSpreadsheetNamespace);
    if (!sheet)
        return Error{sheet.error()};
    Result<XmlPart> stylesPart = XmlPart::read(*package, layout->styles, kSpreadsheetNamespace);
    if (!stylesPart)
        return Error{stylesPart.error()};
    Result<CellStyles> styles = CellStyles::read(std::move(stylesPart).value());
    if (!styles)
        return Error{styles.error()};
    std::optional<XmlPart> stringsPart;
    if (layout->sharedStrings) {
        Result<XmlPart> read =
            XmlPart::read(*package, *layout->sharedStrings, kSpreadsheetNamespace);
        if (!read)
            return Error{read.error()};
        stringsPart.emplace(std::move(read).value());
    }
    // The cells refer to the sheet and the strings, which get their final place first.
    auto state = std::unique_ptr<State>(new State{
        std::move(package).value(), std::move(sheet).value(), SharedStrings(std::move(stringsPart)),
        std::move(styles).value(), std::nullopt, false});
    Result<SheetCells> cells = SheetCells::index(state->sheet, state->strings);
    if (!cells)
        return Error{cells.error()};
    state->cells.emplace(std::move(cells).value());
    return ClaimsWorkbook(std::move(state));
}

int ClaimsWorkbook::nextColumn() const {
    if (m_state->fresh)
        return kFirstClaimColumn;
    const SheetCells& cells = *m_state->cells;
    for (int column = kFirstSearchedColumn; column < kFirstSearchedColumn + kClaimColumnsSearched;
         ++column)
        if (cells.text({kProviderRow, column}).isEmpty() &&
            cells.text({kPatientRow, column}).isEmpty())
            return column;
    return 0;
}

Result<int> ClaimsWorkbook::appendClaim(const model::ClaimValues& values) {
    const int column = nextColumn();
    if (column == 0)
        return Error{QCoreApplication::translate(
            "ClaimsWorkbook",
            "You have reached the maximum number of columns. Please open a new worksheet.")};
    State& state = *m_state;
    SheetCells& cells = *state.cells;
    const int style = state.styles.textStyle();
    const auto rows = workbookRows();
    if (state.fresh) {
        for (int row = 1; row <= kWorkbookRowCount; ++row)
            cells.setText({row, kTitleColumn}, rows[row - 1].title, style);
        setColumnWidth(state.sheet, kTitleColumn, fittedWidth(cells.longestText(kTitleColumn)));
        state.fresh = false;
    }
    for (int row = 1; row <= kWorkbookRowCount; ++row)
        if (const QString& text = values[rows[row - 1].fieldIndex]; !text.isEmpty())
            cells.setText({row, column}, text, style);
    if (const qsizetype longest = cells.longestText(column); longest > 0)
        setColumnWidth(state.sheet, column, fittedWidth(longest));
    cells.updateDimension();
    return column;
}

Result<QByteArray> ClaimsWorkbook::finish() {
    State& state = *m_state;
    if (Result<void> written = state.package.write(state.sheet.name(), state.sheet.bytes());
        !written)
        return Error{written.error()};
    if (state.styles.changed()) {
        const XmlPart& styles = state.styles.part();
        if (Result<void> written = state.package.write(styles.name(), styles.bytes()); !written)
            return Error{written.error()};
    }
    return state.package.finish();
}

} // namespace cw::exports
