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

Result<CommandLine> checkCommandFrom(const QCommandLineParser& parser, const Options& options) {
    if (parser.isSet(options.printPdf) || parser.isSet(options.mode) ||
        parser.isSet(options.copies))
        return Error{tr("--check prints nothing; it takes no --print-pdf, --mode or --copies.")};
    CommandLine line{Command::CheckClaims, {}, {}, parser.positionalArguments()};
    if (line.claimsToCheck.isEmpty())
        return Error{tr("No claim file to check was given.")};
    return line;
}

// The parser over our options; false when the arguments do not parse.
bool parse(QCommandLineParser& parser, const Options& options, const QStringList& arguments) {
    // "-h" and "-v" are whole words, as is "-mode"; "-hv" is no option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({options.printPdf, options.mode, options.copies, options.check, options.help,
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
           parser.isSet(options.copies) || parser.isSet(options.check) ||
           parser.isSet(options.help) || parser.isSet(options.version);
}

Result<CommandLine> parseCommandLine(const QStringList& arguments) {
    const Options options;
    QCommandLineParser parser;
    const bool parsed = parse(parser, options, arguments);

    if (parser.isSet(options.help))
        return CommandLine{Command::ShowHelp, {}, {}};
    if (parser.isSet(options.version))
        return CommandLine{Command::ShowVersion, {}, {}};
    if (!parsed)
        return Error{parseErrorText(parser, arguments)};
    if (parser.isSet(options.check))
        return checkCommandFrom(parser, options);
    if (!parser.isSet(options.printPdf) && !parser.isSet(options.mode) &&
        !parser.isSet(options.copies))
        return CommandLine{Command::OpenEditor, parser.positionalArguments(), {}};
    Result<PdfPrintOptions> print = pdfPrintOptionsFrom(parser, options);
    if (!print)
        return Error{print.error()};
    return CommandLine{Command::PrintPdf, {}, std::move(print).value()};
}

} // namespace cw::app
