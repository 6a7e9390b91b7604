// Building and writing a full claim file, and reading it back.

#include "model/ClaimFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace cw::model;

namespace {

ClaimValues fullClaim() {
    ClaimValues v;
    for (int i = 0; i < kFieldCount; ++i) {
        const int len = FieldCatalogue::maxLength(i) > 0 ? FieldCatalogue::maxLength(i) : 10;
        v[i] = QString(len, QChar(u'A' + i % 26));
    }
    return v;
}

void BM_BuildAndWriteClaim(benchmark::State& state) {
    const ClaimValues claim = fullClaim();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("claim.ub4"));
    for (auto _ : state) {
        if (!writeClaimFile(path, claim))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_BuildAndWriteClaim)->Unit(benchmark::kMicrosecond);

void BM_ReadAndParseClaim(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("claim.ub4"));
    if (!writeClaimFile(path, fullClaim()))
        state.SkipWithError("write failed");
    for (auto _ : state) {
        auto claim = readClaimFile(path);
        benchmark::DoNotOptimize(claim);
    }
}
BENCHMARK(BM_ReadAndParseClaim)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
