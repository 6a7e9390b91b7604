// Any bytes opened as the claims workbook are refused with a reason or take a claim and give a
// workbook that opens again; never a crash, a hang or unbounded memory (the runs set limits on
// both). Zip bombs, deep XML and huge string tables are among what it is fed.
//
// An input that begins as a zip archive ("PK") is the whole file. Any other input is the XML of
// the claims sheet, then after a NUL byte that of the shared strings, put in an otherwise sound
// workbook: libzip's checksums would refuse nearly every change to the XML inside an archive.

#include "FuzzCheck.h"
#include "export/ClaimsWorkbook.h"
#include "export/NewWorkbook.h"
#include "export/PackageParts.h"
#include "export/ZipPackage.h"

using namespace cw::exports;
using cw::fuzz::require;

namespace {

cw::model::ClaimValues sampleClaim() {
    cw::model::ClaimValues claim;
    claim.setValue(u"edit1a", QStringLiteral("Provider"));
    claim.setValue(u"edit8b", QStringLiteral("Patient Name"));
    return claim;
}

QByteArray workbookAround(QByteArrayView xml) {
    static const QByteArray blank = newWorkbook(kClaimsSheetName).value();
    const qsizetype nul = xml.indexOf('\0');
    const QByteArrayView sheet = nul < 0 ? xml : xml.first(nul);
    const QByteArrayView strings = nul < 0 ? QByteArrayView() : xml.sliced(nul + 1);

    cw::Result<ZipPackage> opened = ZipPackage::open(blank);
    require(opened.ok());
    ZipPackage package = std::move(opened).value();
    const auto stored = ZipPackage::Storage::Stored;
    require(package.write(u"xl/worksheets/sheet1.xml"_qs, sheet.toByteArray(), stored).ok());
    if (nul >= 0) {
        require(package.write(u"xl/sharedStrings.xml"_qs, strings.toByteArray(), stored).ok());
        require(package
                    .write(u"xl/_rels/workbook.xml.rels"_qs,
                           relationshipsPart({{"worksheet", "worksheets/sheet1.xml"},
                                              {"styles", "styles.xml"},
                                              {"sharedStrings", "sharedStrings.xml"}}),
                           stored)
                    .ok());
    }
    cw::Result<QByteArray> bytes = package.finish();
    require(bytes.ok());
    return std::move(bytes).value();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const cw::model::ClaimValues claim = sampleClaim();
    const QByteArrayView input = cw::fuzz::bytesOf(data, size);
    cw::Result<ClaimsWorkbook> workbook =
        ClaimsWorkbook::open(input.startsWith("PK") ? input.toByteArray() : workbookAround(input));
    if (!workbook) {
        require(!workbook.error().isEmpty());
        return 0;
    }
    ClaimsWorkbook book = std::move(workbook).value();
    if (!book.appendClaim(claim))
        return 0;
    const cw::Result<QByteArray> written = book.finish();
    require(written.ok() && ClaimsWorkbook::open(*written).ok());
    return 0;
}
