// The main window at work: opening and saving a full claim as File > Open and File > Save do,
// typing into the fields through the real widgets, key by key, and batch printing.

#include "PdfReading.h"
#include "ScriptedDialogs.h"
#include "editor/AutomaticCommands.h"
#include "editor/BatchPrintCommands.h"
#include "editor/CaptionLabel.h"
#include "editor/DocumentCommands.h"
#include "editor/FieldEditor.h"
#include "editor/FormCanvas.h"
#include "editor/MainWindow.h"
#include "editor/PrintCommands.h"
#include "model/ClaimFile.h"
#include "model/FieldCatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

QString fullClaimPath() {
    return QStringLiteral(CLAIMWRIGHT_FULL_CLAIM);
}

cw::prefs::PreferencesFolders foldersIn(const QString& root) {
    cw::prefs::PreferencesFolders f;
    f.userSeedFolder = root + QStringLiteral("/seed/");
    f.programFolder = root + QStringLiteral("/program/");
    f.machineSeedFolder = root + QStringLiteral("/machine/");
    f.documentsFolder = root + QStringLiteral("/Documents/");
    f.legacyFolder = root + QStringLiteral("/work/");
    return f;
}

struct Editor {
    QTemporaryDir home;
    std::unique_ptr<cw::editor::MainWindow> window;

    // dialogs: nullptr for real Qt dialogs.
    explicit Editor(cw::editor::UserDialogs* dialogs = nullptr) {
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
        window = std::make_unique<cw::editor::MainWindow>(cw::editor::MainWindow::Services{
            cw::platform::UserRegistry(), foldersIn(home.path()), dialogs, {}});
        window->show();
    }

    cw::editor::FieldEditor* open(const char16_t* field) {
        cw::editor::FormCanvas& canvas = window->canvas();
        const int index = cw::model::FieldCatalogue::indexOf(QStringView(field));
        canvas.openFieldEditor(canvas.captionLabel(index));
        return canvas.editor(index);
    }
};

void BM_OpenFullClaim(benchmark::State& state) {
    Editor editor;
    for (auto _ : state)
        editor.window->commands().openClaimFile(fullClaimPath(), false);
}
BENCHMARK(BM_OpenFullClaim)->Unit(benchmark::kMicrosecond);

void BM_SaveFullClaim(benchmark::State& state) {
    Editor editor;
    const QString path = editor.home.filePath(QStringLiteral("claim.ub4"));
    QFile::copy(fullClaimPath(), path);
    editor.window->commands().openClaimFile(path, false);
    for (auto _ : state)
        editor.window->commands().Save1Click();
}
BENCHMARK(BM_SaveFullClaim)->Unit(benchmark::kMicrosecond);

// One digit typed over the value of edit16f with AutoFill on and the marker on line 22: the
// copy down 21 lines, each copy's own change handling, and the total charges for each.
void BM_KeystrokeWithAutoFillCascade(benchmark::State& state) {
    Editor editor;
    editor.window->automaticCommands().urnAutoFillOn1Click();
    cw::editor::FieldEditor* cell = editor.open(u"edit16f");
    const Qt::Key digits[] = {Qt::Key_1, Qt::Key_2};
    int n = 0;
    for (auto _ : state) {
        cell->selectAll();
        QTest::keyClick(cell, digits[n++ % 2]);
    }
    if (editor.window->document().value(cw::model::FieldCatalogue::indexOf(u"edit37f")).isEmpty())
        state.SkipWithError("AutoFill copied nothing");
}
BENCHMARK(BM_KeystrokeWithAutoFillCascade)->Unit(benchmark::kMicrosecond);

void BM_TabMove(benchmark::State& state) {
    Editor editor;
    editor.open(u"edit16a");
    for (auto _ : state)
        QTest::keyClick(editor.window->canvas().openEditor(), Qt::Key_Tab);
}
BENCHMARK(BM_TabMove)->Unit(benchmark::kMicrosecond);

void BM_CtrlDownMove(benchmark::State& state) {
    Editor editor;
    editor.open(u"edit16c");
    int n = 0;
    for (auto _ : state) {
        // Down a line and back up, so that every key is a real move.
        const Qt::Key key = n++ % 2 ? Qt::Key_Up : Qt::Key_Down;
        QTest::keyClick(editor.window->canvas().openEditor(), key, Qt::ControlModifier);
    }
    const QString at = editor.window->canvas().openEditor()->objectName();
    if (at != u"edit16c" && at != u"edit17c")
        state.SkipWithError("Ctrl+Down and Ctrl+Up did not move between two lines");
}
BENCHMARK(BM_CtrlDownMove)->Unit(benchmark::kMicrosecond);

// The full claim typed into a new form key by key, as a clerk would, with AutoFill and
// automatic addition on; one iteration is the whole claim.
void BM_TypeFullClaim(benchmark::State& state) {
    Editor editor;
    editor.window->automaticCommands().urnAutoFillOn1Click();
    const auto claim = cw::model::readClaimFile(fullClaimPath());
    if (!claim) {
        state.SkipWithError("the full claim fixture cannot be read");
        return;
    }
    cw::editor::FormCanvas& canvas = editor.window->canvas();
    std::int64_t keys = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.window->document().clearModified();
        editor.window->commands().BlankForm1Click();
        state.ResumeTiming();
        for (int i = 0; i < cw::model::kFieldCount; ++i) {
            const QString& text = (*claim)[i];
            if (text.isEmpty() || cw::model::FieldCatalogue::isOffForm(i))
                continue;
            canvas.openFieldEditor(canvas.captionLabel(i));
            QTest::keyClicks(canvas.editor(i), text);
            keys += text.size();
        }
    }
    state.counters["keystrokes"] =
        benchmark::Counter(double(keys), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TypeFullClaim)->Unit(benchmark::kMillisecond);

// The process's peak resident memory so far.
double peakResidentMb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Batch printing as File > Batch Printing runs it, with the queue, the print-mode question and
// the print dialog answered by a script: N copies of the full claim (each its own file) in
// colour into one PDF. Per batch: the time, the PDF's size, how many images it holds, and the
// process's peak memory so far; run alone (--benchmark_filter=Batch), the batches go from
// small to large, so a peak that stays put says the memory does not grow with the claims. The
// time per further claim is the difference of two rows over the difference of their claims.
void BM_BatchOfFullClaimsInColourIntoOnePdf(benchmark::State& state) {
    const auto count = int(state.range(0));
    ScriptedDialogs dialogs;
    Editor editor(&dialogs);
    cw::editor::MainWindow& window = *editor.window;
    const QTemporaryDir& home = editor.home;

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
