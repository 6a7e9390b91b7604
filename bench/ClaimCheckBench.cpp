// The whole claim check over a full claim, as the editor runs it after a keystroke: the valid
// inpatient claim of the tests, and the same claim with a mistake on every service line, so
// that the findings' texts are made too.

#include "check/ClaimCheck.h"
#include "model/ClaimFile.h"

#include <benchmark/benchmark.h>

using namespace cw;

namespace {

model::ClaimValues validClaim() {
    auto claim = model::readClaimFile(QStringLiteral(CLAIMWRIGHT_VALID_CLAIM));
    return claim ? *claim : model::ClaimValues();
}

void BM_CheckValidClaim(benchmark::State& state) {
    const model::ClaimValues claim = validClaim();
    if (claim.isEmpty())
        state.SkipWithError("claim-valid.ub4 not read");
    for (auto _ : state)
        benchmark::DoNotOptimize(check::checkClaim(claim));
}
BENCHMARK(BM_CheckValidClaim)->Unit(benchmark::kMicrosecond);

void BM_CheckClaimWithManyFindings(benchmark::State& state) {
    model::ClaimValues claim = validClaim();
    for (int group = model::kFirstServiceGroup; group < model::kLastServiceGroup; ++group) {
        claim[model::FieldCatalogue::indexAt(group, 'd')] = QStringLiteral("023009");
        claim[model::FieldCatalogue::indexAt(group, 'f')] = QStringLiteral("1,200");
    }
    std::size_t findings = 0;
    for (auto _ : state) {
        const auto found = check::checkClaim(claim);
        findings = found.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["findings"] = double(findings);
}
BENCHMARK(BM_CheckClaimWithManyFindings)->Unit(benchmark::kMicrosecond);

} // namespace
BENCHMARK_MAIN();
