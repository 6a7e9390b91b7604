#include "export/NewWorkbook.h"

#include "export/PackageParts.h"
#include "export/ZipPackage.h"

namespace cw::exports {

namespace {

// %1: the sheet's name.
constexpr char kWorkbook[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
    R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<sheets><sheet name="%1" sheetId="1" r:id="rId1"/></sheets></workbook>)";

constexpr char kStyles[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<fonts count="1"><font><sz val="11"/><name val="Calibri"/><family val="2"/></font></fonts>)"
    R"(<fills count="2"><fill><patternFill patternType="none"/></fill>)"
    R"(<fill><patternFill patternType="gray125"/></fill></fills>)"
    R"(<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>)"
    R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
    R"(<cellXfs count="2"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>)"
    R"(<xf numFmtId="49" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/></cellXfs>)"
    R"(<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>)"
    R"(</styleSheet>)";

constexpr char kSheet[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<dimension ref="A1"/><sheetData/></worksheet>)";

} // namespace

Result<QByteArray> newWorkbook(const QString& sheetName) {
    const QByteArray workbook =
        QString::fromUtf8(kWorkbook).arg(sheetName.toHtmlEscaped()).toUtf8();
    return ZipPackage::assemble(
        {std::pair{
             QStringLiteral("[Content_Types].xml"),
             contentTypesPart(
                 {{"/xl/workbook.xml",
                   "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"},
                  {"/xl/worksheets/sheet1.xml",
                   "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"},
                  {"/xl/styles.xml",
                   "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"}})},
         std::pair{QStringLiteral("_rels/.rels"),
                   relationshipsPart({{"officeDocument", "xl/workbook.xml"}})},
         std::pair{QStringLiteral("xl/workbook.xml"), workbook},
         std::pair{
             QStringLiteral("xl/_rels/workbook.xml.rels"),
             relationshipsPart({{"worksheet", "worksheets/sheet1.xml"}, {"styles", "styles.xml"}})},
         std::pair{QStringLiteral("xl/styles.xml"), QByteArray(kStyles)},
         std::pair{QStringLiteral("xl/worksheets/sheet1.xml"), QByteArray(kSheet)}});
}

} // namespace cw::exports
