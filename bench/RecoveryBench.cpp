// Keeping an unsaved full claim for recovery after a crash: the part on the interface thread
// (the recovery file's bytes), and the writer thread's atomic write for comparison.

#include "model/ClaimFile.h"
#include "platform/FileAccess.h"
#include "recovery/RecoveryFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

cw::recovery::UnsavedClaim fullClaim() {
    cw::recovery::UnsavedClaim claim;
    claim.values = cw::model::readClaimFile(QStringLiteral(CLAIMWRIGHT_FULL_CLAIM)).value();
    claim.status.state = cw::model::DocumentState::Open;
    claim.status.currentFileName = QStringLiteral("/home/clerk/Claims/Doe, Jane 2007-03.ub4");
    claim.title = QStringLiteral("Doe, Jane 2007-03.ub4 - UB-04/CMS 1450 Claimwright NPI");
    return claim;
}

void BM_RecoverySnapshotFullClaim(benchmark::State& state) {
    const cw::recovery::UnsavedClaim claim = fullClaim();
    for (auto _ : state) {
        QByteArray bytes = cw::recovery::recoveryFileBytes(claim);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_RecoverySnapshotFullClaim)->Unit(benchmark::kMicrosecond);

void BM_RecoveryWriteFullClaim(benchmark::State& state) {
    const QByteArray bytes = cw::recovery::recoveryFileBytes(fullClaim());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("claim.unsaved"));
    for (auto _ : state) {
        if (!cw::platform::writeOwnerOnlyFileAtomically(path, bytes))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_RecoveryWriteFullClaim)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
