// Printing to PDF. In process: one job of the sample-filled claim per iteration, text only and
// with the black-and-white or colour picture (the engine lives for the run, as in the program,
// so the picture is decoded and bent once). Whole process: build/bin/claimwright --print-pdf,
// in a home of its own, with one and with 50 claims, against its floors: decoding the print
// picture alone and starting the program to print nothing it can read. The print log goes to
// /dev/null, as a shell user would throw it away.

#include "model/ClaimFile.h"
#include "printing/AlignmentPreview.h"
#include "printing/FieldOffsetsFile.h"
#include "printing/JpegDecoder.h"
#include "printing/PrintEngine.h"
#include "resources/ResourcePaths.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using namespace cw::printing;

std::string binaryDir() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    std::string self(path, n > 0 ? std::size_t(n) : 0);
    return self.substr(0, self.rfind('/'));
}

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

void printOneJob(benchmark::State& state, PrintModeChoice mode) {
    cw::prefs::Preferences preferences;
    preferences.resetToDefaults();
    cw::prefs::TypedPreferences typedPreferences(preferences);
    PrintModeSettings(typedPreferences).commit(mode);
    const PrintJobSettings settings = loadPrintJobSettings(typedPreferences, FieldOffsets());
    const auto claim = cw::model::readClaimFile(QStringLiteral(CLAIMWRIGHT_FULL_CLAIM));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    PrintEngine engine;
    int job = 0;
    for (auto _ : state) {
        // A name of its own for every job, as a new run would write it.
        printer.setOutputFileName(scratch().filePath(QStringLiteral("job%1.pdf").arg(++job)));
        const auto printed = engine.printClaim(printer, TextSource::claim(*claim), 1, settings);
        if (!printed)
            state.SkipWithError(qPrintable(printed.error()));
    }
}

void BM_PrintJobTextOnly(benchmark::State& state) {
    printOneJob(state, {.textOnly = true, .colour = false});
}
BENCHMARK(BM_PrintJobTextOnly)->Unit(benchmark::kMillisecond);

void BM_PrintJobWithBlackPicture(benchmark::State& state) {
    printOneJob(state, {.textOnly = false, .colour = false});
}
BENCHMARK(BM_PrintJobWithBlackPicture)->Unit(benchmark::kMillisecond);

void BM_PrintJobWithColourPicture(benchmark::State& state) {
    printOneJob(state, {.textOnly = false, .colour = true});
}
BENCHMARK(BM_PrintJobWithColourPicture)->Unit(benchmark::kMillisecond);

void BM_DecodePrintPicture(benchmark::State& state) {
    QFile file(cw::resources::path(cw::resources::kFormPrint));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        const auto picture = decodeJpeg(bytes);
        benchmark::DoNotOptimize(picture.ok());
    }
}
BENCHMARK(BM_DecodePrintPicture)->Unit(benchmark::kMillisecond);

// The printer-alignment dialog's preview: the part of the form for a band, made once a band,
// and the sample text over it, drawn again on every step (every 75 ms while a button is held).
const PreviewArea kPreviewArea{QRect(172, 205, 268, 112), 108};

void BM_AlignmentPreviewFormArea(benchmark::State& state) {
    FormPictures pictures;
    const auto sheet = pictures.picture(PictureKind::Colour, PageOffsets());
    if (!sheet)
        state.SkipWithError(qPrintable(sheet.error()));
    for (auto _ : state)
        benchmark::DoNotOptimize(formInArea(kPreviewArea, *sheet).constBits());
}
BENCHMARK(BM_AlignmentPreviewFormArea)->Unit(benchmark::kMillisecond);

void BM_AlignmentPreviewStep(benchmark::State& state) {
    cw::prefs::Preferences preferences;
    preferences.resetToDefaults();
    cw::prefs::TypedPreferences typedPreferences(preferences);
    FormPictures pictures;
    const auto sheet = pictures.picture(PictureKind::Colour, PageOffsets());
    const QImage background = formInArea(kPreviewArea, sheet ? *sheet : QImage());
    PageOffsets offsets;
    for (auto _ : state) {
        offsets.h2 = offsets.h2 == 30 ? -30 : offsets.h2 + 1;
        const PrintJobSettings settings = loadPrintJobSettings(typedPreferences, FieldOffsets());
        benchmark::DoNotOptimize(
            sampleTextInArea(kPreviewArea, background, offsets, settings).constBits());
    }
}
BENCHMARK(BM_AlignmentPreviewStep)->Unit(benchmark::kMillisecond);

// The field offsets' settings file with both keys of the first N fields, read as at every
// start: a few fields saved, and all of them.
void BM_LoadFieldOffsetsFile(benchmark::State& state) {
    const QString path = scratch().filePath(QStringLiteral("CWMAIN_Settings.ini"));
    QByteArray text = "[Alignment]\r\n";
    for (int i = 0; i < int(state.range(0)); ++i)
        text += topKey(i) + "=" + QByteArray::number(i % 21 - 10) + "\r\n" + leftKey(i) + "=" +
                QByteArray::number(10 - i % 21) + "\r\n";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    file.close();
    const FieldOffsetsFile settings(path);
    for (auto _ : state) {
        const auto offsets = settings.load();
        if (!offsets)
            state.SkipWithError(qPrintable(offsets.error()));
        benchmark::DoNotOptimize(offsets.ok());
    }
}
BENCHMARK(BM_LoadFieldOffsetsFile)
    ->Arg(10)
    ->Arg(cw::model::kFieldCount)
    ->Unit(benchmark::kMillisecond);

// Starts argv with standard output and error (the print log) thrown away and waits for it;
// returns its exit status, -1 when it could not start, and its peak resident set in kilobytes.
int spawnAndWait(char** argv, long& peakKb) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    peakKb = usage.ru_maxrss;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A child started straight from this process would report this process's own peak when that
// is the larger (Linux keeps it across exec). The program is therefore started by a fresh copy
// of this benchmark, "--peak-into FILE PROGRAM ARGS...", which writes the child's peak and its
// run time in seconds to FILE.
constexpr const char* kPeakInto = "--peak-into";

int runAndWritePeak(char** argv) {
    long peakKb = 0;
    const auto start = std::chrono::steady_clock::now();
    const int status = spawnAndWait(argv + 3, peakKb);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (FILE* out = std::fopen(argv[2], "w")) {
        std::fprintf(out, "%ld %.9f\n", peakKb, took.count());
        std::fclose(out);
    }
    return status;
}

struct ProcessRun {
    long peakKb = 0;
    double seconds = 0;
};

// Runs the program to its end.
ProcessRun runOnce(const std::vector<std::string>& argv, benchmark::State& state,
                   bool mustSucceed) {
    const std::string peakFile = scratch().path().toStdString() + "/peak.txt";
    std::vector<std::string> full = {binaryDir() + "/bench_printing", kPeakInto, peakFile};
    full.insert(full.end(), argv.begin(), argv.end());
    std::vector<char*> args;
    for (const std::string& a : full)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    long ignored = 0;
    const int status = spawnAndWait(args.data(), ignored);
    if (status < 0)
        state.SkipWithError("could not start the program");
    else if (mustSucceed && status != 0)
        state.SkipWithError("the program did not print");
    ProcessRun run;
    if (FILE* in = std::fopen(peakFile.c_str(), "r")) {
        if (std::fscanf(in, "%ld %lf", &run.peakKb, &run.seconds) != 2)
            state.SkipWithError("no measurement");
        std::fclose(in);
    }
    return run;
}

void measure(benchmark::State& state, const std::vector<std::string>& claims, bool mustSucceed) {
    const std::string home = scratch().path().toStdString() + "/home";
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    ::unsetenv("QT_QPA_PLATFORM");
    std::vector<std::string> argv = {binaryDir() + "/../bin/claimwright", "--print-pdf",
                                     scratch().path().toStdString() + "/out.pdf", "--mode",
                                     "color"};
    argv.insert(argv.end(), claims.begin(), claims.end());
    long peakKb = 0;
    for (auto _ : state) {
        const ProcessRun run = runOnce(argv, state, mustSucceed);
        peakKb = run.peakKb;
        state.SetIterationTime(run.seconds);
    }
    state.counters["peak_MB"] = double(peakKb) / 1024.0;
}

void BM_ProcessPrintsNothing(benchmark::State& state) {
    measure(state, {scratch().path().toStdString() + "/missing.ub4"}, false);
}
BENCHMARK(BM_ProcessPrintsNothing)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ProcessPrintsOneClaimInColour(benchmark::State& state) {
    measure(state, {CLAIMWRIGHT_FULL_CLAIM}, true);
}
BENCHMARK(BM_ProcessPrintsOneClaimInColour)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

void BM_ProcessPrintsFiftyClaimsInColour(benchmark::State& state) {
    measure(state, std::vector<std::string>(50, CLAIMWRIGHT_FULL_CLAIM), true);
}
BENCHMARK(BM_ProcessPrintsFiftyClaimsInColour)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    if (argc > 3 && std::string(argv[1]) == kPeakInto)
        return runAndWritePeak(argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
