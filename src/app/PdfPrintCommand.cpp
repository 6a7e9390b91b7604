#include "app/PdfPrintCommand.h"

#include "model/ClaimFile.h"
#include "online/ErrorReport.h"
#include "platform/KnownFolders.h"
#include "platform/UserRegistry.h"
#include "prefs/PreferencesStore.h"
#include "printing/FieldOffsetsFile.h"
#include "printing/PrintEngine.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QTextStream>

#include <vector>

namespace cw::app {

using namespace cw::printing;

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PdfPrintCommand", text);
}

} // namespace

ExitStatus runPdfPrint(const PdfPrintOptions& options, QTextStream& out, QTextStream& err) {
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
    reporter.sendErrorReport = online::sendErrorReport;
    reporter.notify = [&err](const QString& text) {
        err << tr("claimwright: ") << text << Qt::endl;
    };
    prefs::PreferencesStore store(platform::UserRegistry(), prefs::PreferencesFolders::standard(),
                                  reporter);
    store.loadPreferencesNew();
    // A copy: the run's --mode must never reach the stored print mode.
    prefs::Preferences preferences = store.preferences();
    prefs::TypedPreferences runPreferences(preferences);
    if (options.mode)
        PrintModeSettings(runPreferences).commit(*options.mode);
    // The fields' own alignment, from the settings file the editor reads at its start.
    FieldOffsets fieldOffsets;
    const Result<FieldOffsets> saved =
        FieldOffsetsFile(fieldOffsetsFilePath(platform::programFolder())).load();
    if (saved)
        fieldOffsets = *saved;
    else
        err << tr("claimwright: ") << saved.error() << Qt::endl;

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
        printer, texts, options.copies, loadPrintJobSettings(runPreferences, fieldOffsets));
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
