// Loading the preferences from the per-user registry and saving them back, as every start and
// every close of the main window does.

#include "prefs/PreferencesStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace cw::prefs;

namespace {

// A store whose folders all lie in dir, with the template slots filled as after real use.
PreferencesStore storeIn(const QTemporaryDir& dir) {
    const QString root = dir.path() + u'/';
    PreferencesStore store(
        cw::platform::UserRegistry(root + QStringLiteral("registry.txt")),
        PreferencesFolders{root + QStringLiteral("data/"), root + QStringLiteral("program/"),
                           root + QStringLiteral("etc/"), root + QStringLiteral("Documents/"),
                           root + QStringLiteral("cwd/")},
        PreferencesErrorReporter{});
    store.preferences().resetToDefaults();
    for (int i = static_cast<int>(Pref::TemplateAddressOne1); i < kPreferenceCount; ++i)
        store.preferences()[prefAt(i)] = QStringLiteral("292 Imaginary Road, Suite 100");
    return store;
}

void BM_LoadPreferences(benchmark::State& state) {
    QTemporaryDir dir;
    if (!storeIn(dir).savePreferencesNew())
        state.SkipWithError("save failed");
    for (auto _ : state) {
        PreferencesStore store = storeIn(dir);
        store.loadPreferencesNew();
        benchmark::DoNotOptimize(store.preferences());
    }
}
BENCHMARK(BM_LoadPreferences)->Unit(benchmark::kMicrosecond);

void BM_SavePreferences(benchmark::State& state) {
    QTemporaryDir dir;
    PreferencesStore store = storeIn(dir);
    for (auto _ : state) {
        if (!store.savePreferencesNew())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SavePreferences)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
