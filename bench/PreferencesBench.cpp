// Loading the preferences from the per-user registry and saving them back, as every start and
// every close of the main window does.

#include "prefs/PreferencesStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace cw::prefs;

namespace {

// A store whose folders all lie in dir.
PreferencesStore storeIn(const QTemporaryDir& dir) {
    const QString root = dir.path() + u'/';
    return PreferencesStore(
        cw::platform::UserRegistry(root + QStringLiteral("registry.txt")),
        PreferencesFolders{root + QStringLiteral("data/"), root + QStringLiteral("program/"),
                           root + QStringLiteral("etc/"), root + QStringLiteral("Documents/"),
                           root + QStringLiteral("cwd/")},
        PreferencesErrorReporter{});
}

// The template slots filled as after real use.
void fillAsAfterUse(PreferencesStore& store) {
    store.preferences().resetToDefaults();
    for (int i = static_cast<int>(Pref::TemplateAddressOne1); i < kPreferenceCount; ++i)
        store.preferences()[prefAt(i)] = QStringLiteral("292 Imaginary Road, Suite 100");
}

void BM_LoadPreferences(benchmark::State& state) {
    QTemporaryDir dir;
    {
        PreferencesStore saved = storeIn(dir);
        fillAsAfterUse(saved);
        if (!saved.savePreferencesNew())
            state.SkipWithError("save failed");
    }
    for (auto _ : state) {
        PreferencesStore store = storeIn(dir);
        fillAsAfterUse(store);
        store.loadPreferencesNew();
        benchmark::DoNotOptimize(store.preferences());
    }
}
BENCHMARK(BM_LoadPreferences)->Unit(benchmark::kMicrosecond);

void BM_SavePreferences(benchmark::State& state) {
    QTemporaryDir dir;
    PreferencesStore store = storeIn(dir);
    fillAsAfterUse(store);
    for (auto _ : state) {
        if (!store.savePreferencesNew())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SavePreferences)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
