#include "app/PdfPrintCommand.h"

#include "model/ClaimFile.h"
#include "platform/UserRegistry.h"
#include "prefs/PreferencesStore.h"
#include "printing/FieldOffsets.h"
#include "printing/PrintEngine.h"
#include "printing/PrintFontSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTextStream>

#include <vector>

namespace cw::app {

using namespace cw::printing;

namespace {

const QLatin1StringView kPrintPdf("--print-pdf");
const QLatin1StringView kMode("--mode");
const QLatin1StringView kCopies("--copies");

QString tr(const char* text) {
    return QCoreApplication::translate("PdfPrintCommand", text);
}

Result<PrintModeChoice> modeFrom(const QString& word) {
    if (word == QLatin1StringView("text"))
        return PrintModeChoice{.textOnly = true, .colour = false};
    if (word == QLatin1StringView("black"))
        return PrintModeChoice{.textOnly = false, .colour = false};
    if (word == QLatin1StringView("color"))
        return PrintModeChoice{.textOnly = false, .colour = true};
    return Error{tr("--mode takes text, black or color, not \"%1\".").arg(word)};
}

// The most copies of each claim one run prints; more is a typing mistake, and would run for
// minutes while the PDF grows by a page a copy.
constexpr int kMaxCopies = 100;

Result<int> copiesFrom(const QString& text) {
    bool ok = false;
    const int copies = text.toInt(&ok);
    if (!ok || copies < 1 || copies > kMaxCopies)
        return Error{tr("--copies takes a whole number from 1 to %1, not \"%2\".")
                         .arg(QString::number(kMaxCopies), text)};
    return copies;
}

// The same file however the path is spelt, where it exists.
QString fileIdentity(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool isPdfFile(const QString& path) {
    if (!QFileInfo(path).isFile()) // a named pipe would keep the read waiting
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

// The PDF is written over nothing but an earlier PDF: a forgotten output name would otherwise
// put it over the first claim.
Result<void> checkOutput(const PdfPrintOptions& options) {
    const QString& output = options.outputPath;
    if (output.endsWith(QLatin1StringView(".ub4"), Qt::CaseInsensitive))
        return Error{
            tr("\"%1\" after --print-pdf is the name of a claim file, not of a PDF.").arg(output)};
    const QString outputFile = fileIdentity(output);
    for (const QString& claim : options.claimPaths)
        if (fileIdentity(claim) == outputFile)
            return Error{tr("\"%1\" after --print-pdf is the claim file \"%2\"; it is not "
                            "written over.")
                             .arg(output, claim)};
    const QFileInfo info(output);
    if (info.exists() && !info.isDir() && !isPdfFile(output))
        return Error{tr("\"%1\" after --print-pdf exists and is not a PDF file; it is not "
                        "written over.")
                         .arg(output)};
    return {};
}

} // namespace

bool isPdfPrintCommandLine(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1StringView("--"))
            return false;
        if (argument == kPrintPdf || argument == QLatin1StringView("--help") ||
            argument == QLatin1StringView("-h"))
            return true;
    }
    return false;
}

Result<PdfPrintOptions> parsePdfPrintArguments(const QStringList& arguments) {
    PdfPrintOptions options;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(u'-') || argument == QLatin1StringView("-")) {
            options.claimPaths << argument;
            continue;
        }
        if (argument == QLatin1StringView("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QLatin1StringView("--help") || argument == QLatin1StringView("-h")) {
            options.helpOnly = true;
            return options;
        }
        if (argument != kPrintPdf && argument != kMode && argument != kCopies)
            return Error{tr("Unknown option \"%1\".").arg(argument)};
        if (i + 1 >= arguments.size())
            return Error{tr("%1 needs a value.").arg(argument)};
        const QString& value = arguments[++i];
        if (argument == kPrintPdf) {
            if (value.isEmpty())
                return Error{tr("--print-pdf needs the name of the PDF file to write.")};
            options.outputPath = value;
        } else if (argument == kMode) {
            const Result<PrintModeChoice> mode = modeFrom(value);
            if (!mode)
                return Error{mode.error()};
            options.mode = *mode;
        } else {
            const Result<int> copies = copiesFrom(value);
            if (!copies)
                return Error{copies.error()};
            options.copies = *copies;
        }
    }
    if (options.outputPath.isEmpty())
        return Error{tr("--print-pdf OUT.pdf is missing.")};
    if (options.claimPaths.isEmpty())
        return Error{tr("No claim file to print was given.")};
    if (const Result<void> usable = checkOutput(options); !usable)
        return Error{usable.error()};
    return options;
}

QString pdfPrintUsage() {
    return tr("Usage: claimwright [CLAIM.ub4]\n"
              "       claimwright --print-pdf OUT.pdf [--mode text|black|color] [--copies N]\n"
              "                   CLAIM.ub4 [CLAIM.ub4 ...]\n"
              "\n"
              "Without --print-pdf the editor opens, with the claim file if one is given.\n"
              "\n"
              "--print-pdf prints the claims without a window into one PDF file, one page per\n"
              "copy of each claim in the order given, with the printer alignment, print font\n"
              "and print mode last chosen in the editor.\n"
              "  --mode text    text only, as for pre-printed forms\n"
              "  --mode black   text with a black-and-white picture of the form\n"
              "  --mode color   text with a colour picture of the form\n"
              "  --copies N     N copies of every claim, 1 to %1 (default 1)\n"
              "  --help         this text\n"
              "OUT.pdf may be an earlier PDF, which is replaced once the print has finished,\n"
              "but never one of the claims, a name ending in .ub4 or another kind of file.\n"
              "A claim file that cannot be read is named on standard error and skipped.\n"
              "\n"
              "Exit status: 0 every claim printed; 1 the PDF was written but claims were\n"
              "skipped; 2 bad command line; 3 nothing printed (no claim could be read, or the\n"
              "PDF could not be written).\n")
        .arg(kMaxCopies);
}

PdfPrintStatus runPdfPrint(const PdfPrintOptions& options, QTextStream& out, QTextStream& err) {
    std::vector<model::ClaimValues> claims;
    for (const QString& path : options.claimPaths) {
        Result<model::ClaimValues> claim = model::readClaimFile(path);
        if (!claim) {
            err << tr("claimwright: skipped %1: %2").arg(path, claim.error()) << Qt::endl;
            continue;
        }
        claims.push_back(std::move(claim).value());
    }
    if (claims.empty()) {
        err << tr("claimwright: no claim could be read; nothing was printed.") << Qt::endl;
        return kNothingPrinted;
    }

    prefs::PreferencesErrorReporter reporter;
    reporter.notify = [&err](const QString& text) {
        err << tr("claimwright: ") << text << Qt::endl;
    };
    prefs::PreferencesStore store(platform::UserRegistry(), prefs::PreferencesFolders::standard(),
                                  reporter);
    store.loadPreferencesNew();
    // A copy: the run's --mode must never reach the stored print mode.
    prefs::Preferences preferences = store.preferences();
    prefs::TypedPreferences runPreferences(preferences);
    PrintModeSettings printMode(runPreferences);
    if (options.mode)
        printMode.commit(*options.mode);
    const PrintFontSettings font(runPreferences);
    const FieldOffsets fieldOffsets;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(options.outputPath);
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(), QPageLayout::Point);

    std::vector<TextSource> texts;
    for (const model::ClaimValues& claim : claims)
        texts.push_back(TextSource::claim(claim));
    PrintEngine engine;
    const Result<PrintedJob> job = engine.printClaims(
        printer, texts, options.copies, {printMode, font, fieldOffsets, runPreferences});
    if (!job) {
        err << tr("claimwright: nothing was printed: %1").arg(job.error()) << Qt::endl;
        return kNothingPrinted;
    }
    out << tr("claimwright: printed %1 of %2 claims, %3 pages, to %4")
               .arg(claims.size())
               .arg(options.claimPaths.size())
               .arg(job->pageCount)
               .arg(job->pdfPath)
        << Qt::endl;
    return claims.size() == static_cast<std::size_t>(options.claimPaths.size()) ? kAllPrinted
                                                                                : kSomeSkipped;
}

} // namespace cw::app
