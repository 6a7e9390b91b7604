#include "export/ClaimsWorkbook.h"

#include "Fixtures.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "WorkbookReading.h"
#include "export/ClaimRows.h"

#include <QTemporaryDir>
#include <QTest>

using namespace cw::exports;
using cw::Result;
using cw::model::ClaimValues;
using cw::test::fileBytes;
using cw::test::readWorkbook;
using cw::test::runPython;

namespace {

const QString kSheet = QStringLiteral("UB-92 Claims Data!");

QString cell(const char* reference) {
    return kSheet + QLatin1StringView(reference);
}

ClaimValues claimFor(const QString& provider, const QString& patient) {
    ClaimValues values;
    values.setValue(u"edit1a", provider);
    values.setValue(u"edit6a", patient);
    return values;
}

// Python that rewrites one part of a package, to make workbooks as other programs write them.
const QString kReplacePart = QStringLiteral(R"(
import sys, zipfile
source, target, name, text = sys.argv[1:5]
with zipfile.ZipFile(source) as old, zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as new:
    for item in old.infolist():
        data = old.read(item.filename)
        new.writestr(item, text.encode("utf-8") if item.filename == name else data)
)");

class ClaimsWorkbookTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // The workbook at path with the claims appended, written back; the columns they took.
    QList<int> append(const QString& path, const QList<ClaimValues>& claims) {
        Result<ClaimsWorkbook> workbook = QFileInfo::exists(path)
                                              ? ClaimsWorkbook::open(fileBytes(path))
                                              : ClaimsWorkbook::create();
        if (!workbook)
            qFatal("%s", qPrintable(workbook.error()));
        ClaimsWorkbook book = std::move(workbook).value();
        QList<int> columns;
        for (const ClaimValues& claim : claims) {
            const Result<int> column = book.appendClaim(claim);
            columns << (column ? *column : 0);
        }
        const Result<QByteArray> bytes = book.finish();
        if (!bytes)
            qFatal("%s", qPrintable(bytes.error()));
        cw::test::writeFile(path, *bytes);
        return columns;
    }

    QString path(const char* name) const { return m_dir.filePath(QLatin1StringView(name)); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // A new workbook: the sheet, the 426 titles in A, the claim in B, every cell text.
    void newWorkbookHoldsTitlesAndTheClaimInB() {
        ClaimValues claim = claimFor(QStringLiteral("Provider"), QStringLiteral("Doe, Jane"));
        claim.setValue(u"edit11g", QStringLiteral("0012"));
        claim.setValue(u"edit11h", QStringLiteral("01/05/2009"));
        claim.setValue(u"edit38j", QStringLiteral("last"));
        claim.setValue(u"edit16b", QStringLiteral("  Pharmacy & Co € "));
        const QString file = path("new.xlsx");
        QCOMPARE(append(file, {claim}), QList<int>{2});

        const auto book = readWorkbook(file);
        QVERIFY2(book.error.isEmpty(), qPrintable(book.error));
        QCOMPARE(book.sheets, QStringList{QStringLiteral("UB-92 Claims Data")});
        const auto rows = workbookRows();
        for (int row = 1; row <= kWorkbookRowCount; ++row)
            QCOMPARE(book.text(kSheet + u'A' + QString::number(row)), rows[row - 1].title);
        QCOMPARE(book.text(cell("A53")), QStringLiteral("occurrence 4b code"));
        QCOMPARE(book.text(cell("A426")), QStringLiteral("localuse transactions 23"));
        QCOMPARE(book.text(cell("B1")), QStringLiteral("Provider"));
        QCOMPARE(book.text(cell("B17")), QStringLiteral("Doe, Jane"));
        QCOMPARE(book.text(cell("B53")), QStringLiteral("0012"));
        QCOMPARE(book.text(cell("B54")), QStringLiteral("01/05/2009"));
        QCOMPARE(book.text(cell("B198")), QStringLiteral("  Pharmacy & Co € "));
        QCOMPARE(book.text(cell("B426")), QStringLiteral("last"));
        QCOMPARE(book.cells.size(), 426 + 6);
        for (auto it = book.cells.begin(); it != book.cells.end(); ++it)
            QCOMPARE(it.value().toArray().at(1).toString(), QStringLiteral("@"));
        // Columns fitted to their text.
        QVERIFY(book.widths.value(kSheet + u'A').toDouble() >= 34);
        QVERIFY(book.widths.value(kSheet + u'B').toDouble() >= 18);
    }

    // B, then C, then D, each export a file of its own; a column whose provider line and
    // patient name are empty counts as free, and the values left there survive where the next
    // claim has none.
    void claimsTakeTheNextFreeColumn() {
        const QString file = path("columns.xlsx");
        QCOMPARE(append(file, {claimFor(QStringLiteral("P1"), QStringLiteral("First"))}),
                 QList<int>{2});
        QCOMPARE(append(file, {claimFor(QStringLiteral("P2"), QStringLiteral("Second"))}),
                 QList<int>{3});
        ClaimValues anonymous = claimFor({}, {});
        anonymous.setValue(u"edit2c", QStringLiteral("kept"));
        anonymous.setValue(u"edit8a", QStringLiteral("early"));
        QCOMPARE(append(file, {anonymous}), QList<int>{4});
        ClaimValues next = claimFor({}, QStringLiteral("Third"));
        next.setValue(u"edit8a", QStringLiteral("late"));
        QCOMPARE(append(file, {next, claimFor(QStringLiteral("P4"), {})}), (QList<int>{4, 5}));

        const auto book = readWorkbook(file);
        QVERIFY2(book.error.isEmpty(), qPrintable(book.error));
        QCOMPARE(book.text(cell("B17")), QStringLiteral("First"));
        QCOMPARE(book.text(cell("C17")), QStringLiteral("Second"));
        QCOMPARE(book.text(cell("D17")), QStringLiteral("Third"));
        QCOMPARE(book.text(cell("D7")), QStringLiteral("kept"));
        QCOMPARE(book.text(cell("D20")), QStringLiteral("late"));
        QCOMPARE(book.text(cell("E1")), QStringLiteral("P4"));
        QCOMPARE(book.text(cell("A1")), QStringLiteral("provider info line1"));
        QVERIFY(!book.cells.contains(cell("F1")));
    }

    // Columns C to IV: once all hold a claim the next one is refused and nothing changes.
    void columnLimit() {
        QList<ClaimValues> claims;
        for (int i = 0; i <= kClaimColumnsSearched; ++i)
            claims << claimFor(QStringLiteral("P%1").arg(i), {});
        const QString file = path("full.xlsx");
        const QList<int> columns = append(file, claims);
        QCOMPARE(columns.first(), 2);
        QCOMPARE(columns.at(kClaimColumnsSearched), 257);

        Result<ClaimsWorkbook> full = ClaimsWorkbook::open(fileBytes(file));
        QVERIFY(full.ok());
        ClaimsWorkbook book = std::move(full).value();
        const Result<int> refused = book.appendClaim(claimFor(QStringLiteral("late"), {}));
        QVERIFY(!refused);
        QCOMPARE(refused.error(), QStringLiteral("You have reached the maximum number of "
                                                 "columns. Please open a new worksheet."));
        const auto read = readWorkbook(file);
        QCOMPARE(read.text(cell("IW1")), QStringLiteral("P255"));
    }

    // What a workbook may hold in the cells that decide whether a column is free: shared,
    // inline and rich-text strings, numbers, and texts that look empty but are not.
    void readsEveryKindOfCell_data() {
        QTest::addColumn<QString>("cellXml");
        QTest::addColumn<int>("column");
        QTest::newRow("inline") << QStringLiteral(
                                       R"(<c r="C1" t="inlineStr"><is><t>x</t></is></c>)")
                                << 4;
        QTest::newRow("rich text")
            << QStringLiteral(R"(<c r="C17" t="inlineStr"><is><r><rPr><b/></rPr><t>Do</t></r>)"
                              R"(<r><t>e</t></r></is></c>)")
            << 4;
        QTest::newRow("empty inline")
            << QStringLiteral(R"(<c r="C1" t="inlineStr"><is><t></t></is></c>)") << 3;
        QTest::newRow("number") << QStringLiteral(R"(<c r="C1"><v>12</v></c>)") << 4;
        QTest::newRow("formula text")
            << QStringLiteral(R"(<c r="C17" t="str"><f>A1</f><v>x</v></c>)") << 4;
        QTest::newRow("style only") << QStringLiteral(R"(<c r="C1" s="1"/>)") << 3;
        QTest::newRow("blank")
            << QStringLiteral(
                   R"(<c r="C1" t="inlineStr"><is><t xml:space="preserve"> </t></is></c>)")
            << 4;
    }
    void readsEveryKindOfCell() {
        QFETCH(QString, cellXml);
        QFETCH(int, column);
        const QString made = path("made.xlsx");
        QFile::remove(made);
        append(made, {claimFor(QStringLiteral("P"), {})});
        const QString sheet =
            QStringLiteral(
                R"(<?xml version="1.0" encoding="UTF-8"?>)"
                R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
                R"(<sheetData><row r="1"><c r="B1" t="inlineStr"><is><t>P</t></is></c>%1</row>)"
                R"(</sheetData></worksheet>)")
                .arg(cellXml.contains(QStringLiteral("C17"))
                         ? QStringLiteral(R"(</row><row r="17">)") + cellXml
                         : cellXml);
        const QString edited = path("edited.xlsx");
        const auto replaced = runPython(
            kReplacePart, {made, edited, QStringLiteral("xl/worksheets/sheet1.xml"), sheet});
        QVERIFY2(replaced.exitCode == 0, replaced.err.constData());
        QCOMPARE(append(edited, {claimFor(QStringLiteral("new"), {})}), QList<int>{column});
        QVERIFY2(readWorkbook(edited).error.isEmpty(), "openpyxl cannot read it");
    }

    // A workbook Calc has saved again: shared strings and the text format as a format of the
    // workbook's own.
    void appendsToAWorkbookCalcSaved() {
        const QString file = path("calc.xlsx");
        cw::test::writeFile(file, cw::test::fixture("claims-calc.xlsx"));
        const auto before = readWorkbook(file);
        QCOMPARE(before.text(cell("C17")), QStringLiteral("Second"));
        QCOMPARE(append(file, {claimFor(QStringLiteral("P3"), QStringLiteral("Third"))}),
                 QList<int>{4});
        const auto after = readWorkbook(file);
        QVERIFY2(after.error.isEmpty(), qPrintable(after.error));
        QCOMPARE(after.text(cell("B17")), QStringLiteral("First"));
        QCOMPARE(after.text(cell("C53")), QStringLiteral("0012"));
        QCOMPARE(after.text(cell("D17")), QStringLiteral("Third"));
        QCOMPARE(after.format(cell("D17")), QStringLiteral("@"));
        QCOMPARE(after.text(cell("A17")), QStringLiteral("patient name"));
    }

    // A package that is no claims workbook is refused with the reason.
    void refusesWhatItCannotRead_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a zip") << QByteArray("name,date\n") << QStringLiteral("zip");
        QTest::newRow("foreign workbook") << QByteArray() << QStringLiteral("UB-92 Claims Data");
    }
    void refusesWhatItCannotRead() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        if (bytes.isEmpty()) {
            const QString foreign = path("foreign.xlsx");
            const auto made =
                runPython(QStringLiteral(
                              "import openpyxl, sys\nb = openpyxl.Workbook()\n"
                              "b.active.title = 'Budget'\nb.active['A1'] = 1\nb.save(sys.argv[1])"),
                          {foreign});
            QVERIFY2(made.exitCode == 0, made.err.constData());
            bytes = fileBytes(foreign);
        }
        const Result<ClaimsWorkbook> opened = ClaimsWorkbook::open(bytes);
        QVERIFY(!opened);
        QVERIFY2(opened.error().contains(reason), qPrintable(opened.error()));
    }
};

} // namespace

CW_REGISTER_TEST(ClaimsWorkbookTest)
#include "ClaimsWorkbookTest.moc"
