#include "app/CommandLine.h"

#include "TestRegistry.h"
#include "app/CommandLineHelp.h"

#include <QTest>

using namespace cw::app;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void whichCommandLinesPrint_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("prints");
        QTest::newRow("no arguments") << QStringList{} << false;
        QTest::newRow("a claim to open") << QStringList{u"claim.ub4"_qs} << false;
        QTest::newRow("print") << QStringList{u"--print-pdf"_qs, u"o.pdf"_qs, u"c.ub4"_qs} << true;
        QTest::newRow("help") << QStringList{u"--help"_qs} << true;
        QTest::newRow("check") << QStringList{u"--check"_qs, u"c.ub4"_qs} << true;
        QTest::newRow("a file after --") << QStringList{u"--"_qs, u"--help"_qs} << false;
        QTest::newRow("version after a claim") << QStringList{u"claim.ub4"_qs, u"-v"_qs} << true;
        QTest::newRow("-v after --") << QStringList{u"--"_qs, u"-v"_qs} << false;
    }
    void whichCommandLinesPrint() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, prints);
        const auto commandLine = parseCommandLine(arguments);
        QVERIFY(commandLine.ok());
        QCOMPARE(commandLine->command != Command::OpenEditor, prints);
    }

    void goodCommandLines() {
        const auto commandLine =
            parseCommandLine({u"--copies"_qs, u"3"_qs, u"a.ub4"_qs, u"--print-pdf"_qs,
                              u"out.pdf"_qs, u"--mode"_qs, u"color"_qs, u"--"_qs, u"--b.ub4"_qs});
        QVERIFY(commandLine.ok());
        QCOMPARE(commandLine->command, Command::PrintPdf);
        const PdfPrintOptions& options = commandLine->pdfPrint;
        QCOMPARE(options.outputPath, u"out.pdf"_qs);
        QCOMPARE(options.copies, 3);
        QVERIFY(options.mode && !options.mode->textOnly && options.mode->colour);
        QCOMPARE(options.claimPaths, (QStringList{u"a.ub4"_qs, u"--b.ub4"_qs}));
        QVERIFY(!parseCommandLine({u"--print-pdf"_qs, u"o.pdf"_qs, u"a.ub4"_qs})->pdfPrint.mode);
    }

    // The workbook takes the claims in the order given.
    void exportCommandLines() {
        const auto commandLine =
            parseCommandLine({u"b.ub4"_qs, u"--export=xlsx"_qs, u"--output"_qs, u"m.xlsx"_qs,
                              u"a.ub4"_qs, u"--"_qs, u"--c.ub4"_qs});
        QVERIFY(commandLine.ok());
        QCOMPARE(commandLine->command, Command::Export);
        QCOMPARE(commandLine->exportClaims.format, ExportFormat::Workbook);
        QCOMPARE(commandLine->exportClaims.outputPath, u"m.xlsx"_qs);
        QCOMPARE(commandLine->exportClaims.claimPaths,
                 (QStringList{u"b.ub4"_qs, u"a.ub4"_qs, u"--c.ub4"_qs}));
        QVERIFY(asksForCommandWithoutWindow({u"--output"_qs, u"x"_qs}));
    }

    void badCommandLines_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("says");
        QTest::newRow("no claim") << QStringList{u"--print-pdf"_qs, u"o.pdf"_qs} << "No claim";
        QTest::newRow("no PDF") << QStringList{u"--mode"_qs, u"text"_qs, u"a.ub4"_qs}
                                << "--print-pdf OUT.pdf is missing";
        QTest::newRow("PDF name missing")
            << QStringList{u"a.ub4"_qs, u"--print-pdf"_qs} << "--print-pdf needs a value";
        QTest::newRow("unknown mode")
            << QStringList{u"--print-pdf"_qs, u"o.pdf"_qs, u"--mode"_qs, u"grey"_qs, u"a.ub4"_qs}
            << "text, black or color, not \"grey\"";
        QTest::newRow("no copies")
            << QStringList{u"--print-pdf"_qs, u"o.pdf"_qs, u"--copies"_qs, u"0"_qs, u"a.ub4"_qs}
            << "from 1 to 100, not \"0\"";
        QTest::newRow("too many copies")
            << QStringList{u"--print-pdf"_qs, u"o.pdf"_qs, u"--copies"_qs, u"101"_qs, u"a.ub4"_qs}
            << "from 1 to 100, not \"101\"";
        QTest::newRow("a million copies") << QStringList{u"--print-pdf"_qs, u"o.pdf"_qs,
                                                         u"--copies"_qs, u"1000000"_qs, u"a.ub4"_qs}
                                          << "from 1 to 100, not \"1000000\"";
        QTest::newRow("PDF name forgotten")
            << QStringList{u"--print-pdf"_qs, u"a.ub4"_qs, u"b.ub4"_qs}
            << "\"a.ub4\" after --print-pdf is the name of a claim file";
        QTest::newRow("claim name in capitals")
            << QStringList{u"--print-pdf"_qs, u"A.UB4"_qs, u"b.ub4"_qs}
            << "\"A.UB4\" after --print-pdf is the name of a claim file";
        QTest::newRow("copies not a number")
            << QStringList{u"--print-pdf"_qs, u"o.pdf"_qs, u"--copies"_qs, u"two"_qs, u"a.ub4"_qs}
            << "not \"two\"";
        QTest::newRow("unknown option")
            << QStringList{u"--print-pdf"_qs, u"o.pdf"_qs, u"--colour"_qs, u"a.ub4"_qs}
            << "Unknown option \"--colour\"";
        QTest::newRow("unknown option in editor mode")
            << QStringList{u"a.ub4"_qs, u"--colour"_qs} << "Unknown option \"--colour\".";
        QTest::newRow("unknown single-dash option")
            << QStringList{u"-x"_qs} << "Unknown option \"-x\".";
        QTest::newRow("unknown option with a value")
            << QStringList{u"--print-pdf=o.pdf"_qs, u"--colour=red"_qs, u"a.ub4"_qs}
            << "Unknown option \"--colour=red\".";
        QTest::newRow("an option without a name")
            << QStringList{u"a.ub4"_qs, u"--=x"_qs} << "Unknown option \"--=x\".";
        QTest::newRow("mode value missing")
            << QStringList{u"--print-pdf"_qs, u"o.pdf"_qs, u"a.ub4"_qs, u"--mode"_qs}
            << "--mode needs a value.";
        QTest::newRow("PDF name empty") << QStringList{u"--print-pdf"_qs, u""_qs, u"a.ub4"_qs}
                                        << "--print-pdf needs the name of the PDF file to write.";
        QTest::newRow("copies without --print-pdf")
            << QStringList{u"--copies"_qs, u"2"_qs, u"a.ub4"_qs}
            << "--print-pdf OUT.pdf is missing";
        QTest::newRow("field number not a number")
            << QStringList{u"--set-field"_qs, u"5x"_qs, u"text"_qs} << "takes a whole number";
        QTest::newRow("field text missing")
            << QStringList{u"--set-field"_qs, u"500001"_qs} << "takes one text after it";
        QTest::newRow("two field texts")
            << QStringList{u"--set-field"_qs, u"500001"_qs, u"a"_qs, u"b"_qs}
            << "takes one text after it";
        QTest::newRow("field and print")
            << QStringList{u"--set-field"_qs, u"1"_qs, u"--print-pdf"_qs, u"o.pdf"_qs, u"t"_qs}
            << "goes without --print-pdf";
        QTest::newRow("unknown export")
            << QStringList{u"--export"_qs, u"csv"_qs, u"--output"_qs, u"o"_qs, u"a.ub4"_qs}
            << "xml, xlsx or docx, not \"csv\"";
        QTest::newRow("export without output")
            << QStringList{u"--export"_qs, u"xml"_qs, u"a.ub4"_qs} << "--export needs --output";
        QTest::newRow("output without export")
            << QStringList{u"--output"_qs, u"o.xml"_qs, u"a.ub4"_qs} << "only for --export";
        QTest::newRow("two claims to one XML file")
            << QStringList{u"--export"_qs, u"xml"_qs,   u"--output"_qs,
                           u"o.xml"_qs,    u"a.ub4"_qs, u"b.ub4"_qs}
            << "--export xml takes one claim file";
        QTest::newRow("export over a claim")
            << QStringList{u"--export"_qs, u"xlsx"_qs, u"--output"_qs, u"b.ub4"_qs, u"a.ub4"_qs}
            << "\"b.ub4\" after --output is the name of a claim file";
        QTest::newRow("export and print")
            << QStringList{u"--export"_qs,    u"docx"_qs,  u"--output"_qs, u"o.docx"_qs,
                           u"--print-pdf"_qs, u"o.pdf"_qs, u"a.ub4"_qs}
            << "cannot be given with --print-pdf";
        QTest::newRow("no claim to export")
            << QStringList{u"--export"_qs, u"xlsx"_qs, u"--output"_qs, u"o.xlsx"_qs}
            << "No claim file to export";
    }
    void badCommandLines() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, says);
        const auto options = parseCommandLine(arguments);
        QVERIFY(!options.ok());
        QVERIFY2(options.error().contains(says), qPrintable(options.error()));
    }

    void commands_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Command>("command");
        QTest::newRow("help") << QStringList{u"--help"_qs} << Command::ShowHelp;
        QTest::newRow("-h") << QStringList{u"-h"_qs} << Command::ShowHelp;
        QTest::newRow("version") << QStringList{u"--version"_qs} << Command::ShowVersion;
        QTest::newRow("-v") << QStringList{u"-v"_qs} << Command::ShowVersion;
        QTest::newRow("help after a bad word")
            << QStringList{u"--colour"_qs, u"--help"_qs} << Command::ShowHelp;
        QTest::newRow("version instead of a print")
            << QStringList{u"--print-pdf"_qs, u"o.pdf"_qs, u"a.ub4"_qs, u"--version"_qs}
            << Command::ShowVersion;
        QTest::newRow("a print") << QStringList{u"--print-pdf"_qs, u"o.pdf"_qs, u"a.ub4"_qs}
                                 << Command::PrintPdf;
        QTest::newRow("an export")
            << QStringList{u"--export"_qs, u"docx"_qs, u"--output"_qs, u"o.docx"_qs, u"a.ub4"_qs}
            << Command::Export;
        QTest::newRow("a single-dash print")
            << QStringList{u"-print-pdf"_qs, u"o.pdf"_qs, u"a.ub4"_qs} << Command::PrintPdf;
        QTest::newRow("values after =")
            << QStringList{u"--print-pdf=o.pdf"_qs, u"--copies=2"_qs, u"a.ub4"_qs}
            << Command::PrintPdf;
        QTest::newRow("a check") << QStringList{u"--check"_qs, u"a.ub4"_qs, u"b.ub4"_qs}
                                 << Command::CheckClaims;
        QTest::newRow("a check after its claims")
            << QStringList{u"a.ub4"_qs, u"-check"_qs} << Command::CheckClaims;
    }
    // The field message carries its number and its text as given; a text that begins with a
    // dash comes after "--".
    void fieldMessage() {
        const auto commandLine =
            parseCommandLine({u"--set-field"_qs, u"500001"_qs, u"--"_qs, u"-5 mg"_qs});
        QVERIFY(commandLine.ok());
        QCOMPARE(commandLine->command, Command::SetField);
        QCOMPARE(commandLine->fieldMessage.parameter, 500001);
        QCOMPARE(commandLine->fieldMessage.text, u"-5 mg"_qs);
        QVERIFY(asksForCommandWithoutWindow({u"--set-field"_qs, u"x"_qs}));
    }

    void commands() {
        QFETCH(QStringList, arguments);
        QFETCH(Command, command);
        const auto commandLine = parseCommandLine(arguments);
        QVERIFY(commandLine.ok());
        QCOMPARE(commandLine->command, command);
    }

    // The editor is given every word that is not an option; after "--" every word is a file.
    void editorFiles_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("none") << QStringList{} << QStringList{};
        QTest::newRow("one claim") << QStringList{u"a.ub4"_qs} << QStringList{u"a.ub4"_qs};
        QTest::newRow("two claims")
            << QStringList{u"a.ub4"_qs, u"b.ub4"_qs} << QStringList{u"a.ub4"_qs, u"b.ub4"_qs};
        QTest::newRow("options after --")
            << QStringList{u"--"_qs, u"--help"_qs, u"-v"_qs, u"--print-pdf"_qs}
            << QStringList{u"--help"_qs, u"-v"_qs, u"--print-pdf"_qs};
        QTest::newRow("claims around --") << QStringList{u"a.ub4"_qs, u"--"_qs, u"-b.ub4"_qs}
                                          << QStringList{u"a.ub4"_qs, u"-b.ub4"_qs};
        QTest::newRow("-- after --") << QStringList{u"--"_qs, u"--"_qs} << QStringList{u"--"_qs};
        QTest::newRow("a lone dash") << QStringList{u"-"_qs} << QStringList{u"-"_qs};
    }
    void editorFiles() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, files);
        const auto commandLine = parseCommandLine(arguments);
        QVERIFY(commandLine.ok());
        QCOMPARE(commandLine->command, Command::OpenEditor);
        QCOMPARE(commandLine->filesToOpen, files);
    }

    void versionNamesTheProgramAndTheBuildsVersion() {
        QCOMPARE(versionText(), QStringLiteral("Claimwright " CLAIMWRIGHT_VERSION "\n"));
    }

    void usageNamesEveryOption_data() {
        QTest::addColumn<QString>("option");
        for (const char* option :
             {"--print-pdf OUT.pdf", "--mode text", "--mode black", "--mode color", "--copies N",
              "--set-field N TEXT", "-h, --help", "-v, --version"})
            QTest::newRow(option) << QString::fromLatin1(option);
    }
    void usageNamesEveryOption() {
        QFETCH(QString, option);
        QVERIFY(usageText().contains(option));
    }
};

CW_REGISTER_TEST(CommandLineTest)
#include "CommandLineTest.moc"
