// Opening and saving a full claim through the main window, as File > Open and File > Save do.

#include "editor/DocumentCommands.h"
#include "editor/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

    Editor() {
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
        window = std::make_unique<cw::editor::MainWindow>(cw::editor::MainWindow::Services{
            cw::platform::UserRegistry(), foldersIn(home.path()), nullptr, {}});
        window->show();
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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
