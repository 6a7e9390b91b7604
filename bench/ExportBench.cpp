// The three exports of a full claim (tests/fixtures/claim-full.ub4): XML and the document as
// bytes, and one more claim appended to a claims workbook that already holds 250, from the
// workbook's bytes to the new bytes.

#include "export/ClaimXml.h"
#include "export/ClaimsWorkbook.h"
#include "export/WordDocument.h"
#include "model/ClaimFile.h"

#include <benchmark/benchmark.h>

using namespace cw;
using namespace cw::exports;

namespace {

model::ClaimValues fullClaim() {
    Result<model::ClaimValues> claim = model::readClaimFile(QStringLiteral(CLAIMWRIGHT_FULL_CLAIM));
    if (!claim)
        qFatal("%s", qPrintable(claim.error()));
    return std::move(claim).value();
}

void BM_XmlExport(benchmark::State& state) {
    const model::ClaimValues claim = fullClaim();
    for (auto _ : state)
        benchmark::DoNotOptimize(claimXml(claim));
}
BENCHMARK(BM_XmlExport)->Unit(benchmark::kMicrosecond);

void BM_DocumentExport(benchmark::State& state) {
    const model::ClaimValues claim = fullClaim();
    for (auto _ : state)
        benchmark::DoNotOptimize(claimWordDocument(claim));
}
BENCHMARK(BM_DocumentExport)->Unit(benchmark::kMicrosecond);

void BM_AppendToWorkbookOf250Claims(benchmark::State& state) {
    const model::ClaimValues claim = fullClaim();
    Result<ClaimsWorkbook> made = ClaimsWorkbook::create();
    ClaimsWorkbook book = std::move(made).value();
    for (int i = 0; i < 250; ++i)
        (void)book.appendClaim(claim);
    const QByteArray workbook = *book.finish();
    state.counters["workbook_bytes"] = static_cast<double>(workbook.size());
    for (auto _ : state) {
        Result<ClaimsWorkbook> opened = ClaimsWorkbook::open(workbook);
        if (!opened) {
            state.SkipWithError("cannot open");
            break;
        }
        ClaimsWorkbook next = std::move(opened).value();
        if (!next.appendClaim(claim).ok()) {
            state.SkipWithError("no free column");
            break;
        }
        benchmark::DoNotOptimize(next.finish());
    }
}
BENCHMARK(BM_AppendToWorkbookOf250Claims)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
