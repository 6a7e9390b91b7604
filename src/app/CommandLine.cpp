#include "app/CommandLine.h"

#include "app/PdfOutputCheck.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <utility>

namespace cw::app {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

struct Options {
    QCommandLineOption printPdf{QStringLiteral("print-pdf"), QString(), QStringLiteral("OUT.pdf")};
    QCommandLineOption mode{QStringLiteral("mode"), QString(), QStringLiteral("text|black|color")};
    QCommandLineOption copies{QStringLiteral("copies"), QString(), QStringLiteral("N")};
    QCommandLineOption setField{QStringLiteral("set-field"), QString(), QStringLiteral("N")};
    QCommandLineOption exportTo{QStringLiteral("export"), QString(),
                                QStringLiteral("xml|xlsx|docx")};
    QCommandLineOption output{QStringLiteral("output"), QString(), QStringLiteral("PATH")};
    QCommandLineOption check{QStringLiteral("check")};
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")}};
};

Result<printing::PrintModeChoice> modeFrom(const QString& word) {
    if (word == QLatin1StringView("text"))
        return printing::PrintModeChoice{.textOnly = true, .colour = false};
    if (word == QLatin1StringView("black"))
        return printing::PrintModeChoice{.textOnly = false, .colour = false};
    if (word == QLatin1StringView("color"))
        return printing::PrintModeChoice{.textOnly = false, .colour = true};
    return Error{tr("--mode takes text, black or color, not \"%1\".").arg(word)};
}

Result<int> copiesFrom(const QString& text) {
    bool ok = false;
    const int copies = text.toInt(&ok);
    if (!ok || copies < 1 || copies > kMaxCopies)
        return Error{tr("--copies takes a whole number from 1 to %1, not \"%2\".")
                         .arg(QString::number(kMaxCopies), text)};
    return copies;
}

bool isOptionWord(const QString& argument) {
    return argument.startsWith(u'-') && argument != QLatin1StringView("-") &&
           argument != QLatin1StringView("--");
}

// The name the parser reads in an option word: without its dashes and any "=value".
QString optionNameIn(const QString& argument) {
    return argument.mid(argument.startsWith(QLatin1StringView("--")) ? 2 : 1).section(u'=', 0, 0);
}

// QCommandLineParser words its errors its own way; ours quote the argument as it was typed.
QString parseErrorText(const QCommandLineParser& parser, const QStringList& arguments) {
    // An empty name ("--=x") is unknown too, but the parser does not list it.
    const QStringList unknown = parser.unknownOptionNames();
    const QString name = unknown.isEmpty() ? QString() : unknown.constFirst();
    for (const QString& argument : arguments)
        if (isOptionWord(argument) && optionNameIn(argument) == name)
            return tr("Unknown option \"%1\".").arg(argument);
    // Otherwise an option lacks its value, and only the last argument can.
    return tr("%1 needs a value.").arg(arguments.constLast());
}

Result<PdfPrintOptions> pdfPrintOptionsFrom(const QCommandLineParser& parser,
                                            const Options& options) {
    PdfPrintOptions print;
    if (!parser.isSet(options.printPdf))
        return Error{tr("--print-pdf OUT.pdf is missing.")};
    print.outputPath = parser.value(options.printPdf);
    if (print.outputPath.isEmpty())
        return Error{tr("--print-pdf needs the name of the PDF file to write.")};
    if (parser.isSet(options.mode)) {
        const Result<printing::PrintModeChoice> mode = modeFrom(parser.value(options.mode));
        if (!mode)
            return Error{mode.error()};
        print.mode = *mode;
    }
    if (parser.isSet(options.copies)) {
        const Result<int> copies = copiesFrom(parser.value(options.copies));
        if (!copies)
            return Error{copies.error()};
        print.copies = *copies;
    }
    print.claimPaths = parser.positionalArguments();
    if (print.claimPaths.isEmpty())
        return Error{tr("No claim file to print was given.")};
    if (const Result<void> usable = checkPdfOutput(print); !usable)
        return Error{usable.error()};
    return print;
}

Result<FieldMessage> fieldMessageFrom(const QCommandLineParser& parser, const Options& options) {
    const QString number = parser.value(options.setField);
    bool ok = false;
    const qint32 parameter = number.toInt(&ok);
    if (!ok)
        return Error{tr("--set-field takes a whole number, not \"%1\".").arg(number)};
    const QStringList words = parser.positionalArguments();
    if (words.size() != 1)
        return Error{tr("--set-field N takes one text after it (quote it; after -- when it "
                        "begins with -).")};
    return FieldMessage{parameter, words.constFirst()};
}

Result<ExportFormat> exportFormatFrom(const QString& word) {
    if (word == QLatin1StringView("xml"))
        return ExportFormat::Xml;
    if (word == QLatin1StringView("xlsx"))
        return ExportFormat::Workbook;
    if (word == QLatin1StringView("docx"))
        return ExportFormat::Document;
    return Error{tr("--export takes xml, xlsx or docx, not \"%1\".").arg(word)};
}

Result<ExportOptions> exportOptionsFrom(const QCommandLineParser& parser, const Options& options) {
    if (!parser.isSet(options.exportTo))
        return Error{tr("--output is only for --export.")};
    if (parser.isSet(options.printPdf) || parser.isSet(options.mode) ||
        parser.isSet(options.copies))
        return Error{tr("--export cannot be given with --print-pdf or its options.")};
    const Result<ExportFormat> format = exportFormatFrom(parser.value(options.exportTo));
    if (!format)
        return Error{format.error()};
    ExportOptions exportClaims;
    exportClaims.format = *format;
    exportClaims.outputPath = parser.value(options.output);
    if (exportClaims.outputPath.isEmpty())
        return Error{tr("--export needs --output with the name of the file to write.")};
    exportClaims.claimPaths = parser.positionalArguments();
    if (exportClaims.claimPaths.isEmpty())
        return Error{tr("No claim file to export was given.")};
    if (exportClaims.format != ExportFormat::Workbook && exportClaims.claimPaths.size() > 1)
        return Error{tr("--export %1 takes one claim file; only xlsx collects several.")
                         .arg(parser.value(options.exportTo))};
    if (const Result<void> usable = checkOutputIsNoClaim(
            QStringLiteral("--output"), exportClaims.outputPath, exportClaims.claimPaths);
        !usable)
        return Error{usable.error()};
    return exportClaims;
}

Result<CommandLine> checkCommandFrom(const QCommandLineParser& parser, const Options& options) {
    if (parser.isSet(options.printPdf) || parser.isSet(options.mode) ||
        parser.isSet(options.copies) || parser.isSet(options.exportTo) ||
        parser.isSet(options.output) || parser.isSet(options.setField))
        return Error{tr("--check prints nothing; it takes no --print-pdf, --mode, --copies, "
                        "--export, --output or --set-field.")};
    CommandLine line{.command = Command::CheckClaims,
                     .claimsToCheck = parser.positionalArguments()};
    if (line.claimsToCheck.isEmpty())
        return Error{tr("No claim file to check was given.")};
    return line;
}

// The parser over our options; false when the arguments do not parse.
bool parse(QCommandLineParser& parser, const Options& options, const QStringList& arguments) {
    // "-h" and "-v" are whole words, as is "-mode"; "-hv" is no option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({options.printPdf, options.mode, options.copies, options.setField,
                       options.exportTo, options.output, options.check, options.help,
                       options.version});
    // The parser passes over the first word, which names the program.
    return parser.parse(QStringList{QString()} + arguments);
}

} // namespace

bool asksForCommandWithoutWindow(const QStringList& arguments) {
    const Options options;
    QCommandLineParser parser;
    parse(parser, options, arguments);
    return parser.isSet(options.printPdf) || parser.isSet(options.mode) ||
           parser.isSet(options.copies) || parser.isSet(options.setField) ||
           parser.isSet(options.exportTo) || parser.isSet(options.output) ||
           parser.isSet(options.check) || parser.isSet(options.help) ||
           parser.isSet(options.version);
}

Result<CommandLine> parseCommandLine(const QStringList& arguments) {
    const Options options;
    QCommandLineParser parser;
    const bool parsed = parse(parser, options, arguments);

    if (parser.isSet(options.help))
        return CommandLine{.command = Command::ShowHelp};
    if (parser.isSet(options.version))
        return CommandLine{.command = Command::ShowVersion};
    if (!parsed)
        return Error{parseErrorText(parser, arguments)};
    if (parser.isSet(options.check))
        return checkCommandFrom(parser, options);
    if (parser.isSet(options.setField)) {
        if (parser.isSet(options.printPdf) || parser.isSet(options.mode) ||
            parser.isSet(options.copies) || parser.isSet(options.exportTo) ||
            parser.isSet(options.output))
            return Error{tr("--set-field goes without --print-pdf, --export and their options.")};
        Result<FieldMessage> message = fieldMessageFrom(parser, options);
        if (!message)
            return Error{message.error()};
        return CommandLine{.command = Command::SetField,
                           .fieldMessage = std::move(message).value()};
    }
    if (parser.isSet(options.exportTo) || parser.isSet(options.output)) {
        Result<ExportOptions> exportClaims = exportOptionsFrom(parser, options);
        if (!exportClaims)
            return Error{exportClaims.error()};
        return CommandLine{.command = Command::Export,
                           .exportClaims = std::move(exportClaims).value()};
    }
    if (!parser.isSet(options.printPdf) && !parser.isSet(options.mode) &&
        !parser.isSet(options.copies))
        return CommandLine{.command = Command::OpenEditor,
                           .filesToOpen = parser.positionalArguments()};
    Result<PdfPrintOptions> print = pdfPrintOptionsFrom(parser, options);
    if (!print)
        return Error{print.error()};
    return CommandLine{.command = Command::PrintPdf, .pdfPrint = std::move(print).value()};
}

} // namespace cw::app
