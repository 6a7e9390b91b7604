// Batch printing in process, as File > Batch Printing runs it, with the queue, the print-mode
// question and the print dialog answered by a script: N copies of the full claim (each its own
// file) in colour into one PDF. Per batch: the time, the PDF's size and how many images it
// holds, and the process's peak resident memory so far (the batches run from small to large,
// so a peak that stays put says the memory does not grow with the claims). The time per
// further claim is the difference of two rows over the difference of their claims.

#include "PdfReading.h"
#include "ScriptedDialogs.h"
#include "editor/BatchPrintCommands.h"
#include "editor/MainWindow.h"
#include "editor/PrintCommands.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

cw::prefs::PreferencesFolders foldersIn(const QString& root) {
    cw::prefs::PreferencesFolders f;
    f.userSeedFolder = root + QStringLiteral("/seed/");
    f.programFolder = root + QStringLiteral("/program/");
    f.machineSeedFolder = root + QStringLiteral("/machine/");
    f.documentsFolder = root + QStringLiteral("/Documents/");
    f.legacyFolder = root + QStringLiteral("/work/");
    return f;
}

double peakResidentMb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_BatchOfFullClaimsInColourIntoOnePdf(benchmark::State& state) {
    const auto count = int(state.range(0));
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    ScriptedDialogs dialogs;
    cw::editor::MainWindow window(
        {cw::platform::UserRegistry(), foldersIn(home.path()), &dialogs, {}});
    window.show();

    QList<cw::printdialogs::QueuedClaim> queue;
    for (int i = 0; i < count; ++i) {
        const QString path = home.filePath(QStringLiteral("claim%1.ub4").arg(i));
        QFile::copy(QStringLiteral(CLAIMWRIGHT_FULL_CLAIM), path);
        queue.append({path, 1});
    }
    window.batchPrintCommands().setQueueQuestion([&queue] { return queue; });
    cw::editor::PrintCommands& print = window.printCommands();
    print.setPrintModeQuestion([] { return true; });
    print.printMode().commit({.textOnly = false, .colour = true});
    const QString pdf = home.filePath(QStringLiteral("batch.pdf"));
    print.printer().setOutputFormat(QPrinter::PdfFormat);
    print.printer().setOutputFileName(pdf);

    for (auto _ : state) {
        dialogs.printerAnswers.push_back(1);
        window.batchPrintCommands().BatchPrinting1Click();
    }
    if (!dialogs.errors.isEmpty())
        state.SkipWithError(qPrintable(dialogs.errors.constFirst()));
    state.counters["claims"] = count;
    state.counters["pdf_MB"] = double(QFile(pdf).size()) / (1024.0 * 1024.0);
    state.counters["images"] = cw::test::imageObjectCount(pdf);
    state.counters["peak_MB"] = peakResidentMb();
}
BENCHMARK(BM_BatchOfFullClaimsInColourIntoOnePdf)
    ->Arg(1)
    ->Arg(50)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
