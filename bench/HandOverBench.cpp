// A later start with a claim, as a double click in the file manager makes it: from the start of
// the real program's process until the claim is shown in the window that runs (here the
// benchmark's own, holding the instance of the program built).

#include "EditorFixture.h"
#include "desktop/SingleInstance.h"
#include "editor/DesktopRequests.h"
#include "model/ClaimDocument.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <benchmark/benchmark.h>

namespace {

void BM_LaterStartHandsOverAClaim(benchmark::State& state) {
    EditorFixture f;
    cw::desktop::SingleInstance instance(cw::desktop::InstanceAddress::of(
        QFileInfo(QStringLiteral(CLAIMWRIGHT_BINARY)).canonicalFilePath(),
        f.home().file(QStringLiteral("run"))));
    if (instance.isAnotherInstanceRunning()) {
        state.SkipWithError("the instance is taken");
        return;
    }
    const std::unique_ptr<cw::desktop::InstanceServer> server =
        std::move(instance.listen()).value();
    f.window().desktopRequests().markMainWindow(server.get());
    // Two claims in turn, so that each start really changes the claim shown.
    const QStringList claims{f.home().file(QStringLiteral("a.ub4")),
                             f.home().file(QStringLiteral("b.ub4"))};
    for (const QString& claim : claims)
        QFile::copy(QStringLiteral(CLAIMWRIGHT_FULL_CLAIM), claim);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const cw::model::ClaimDocument& document = f.window().document();
    qsizetype turn = 0;
    for (auto _ : state) {
        const QString& claim = claims[turn++ % claims.size()];
        QProcess later;
        later.setProcessEnvironment(environment);
        // The window answers the later start from the event loop, which turns until it ends.
        QEventLoop untilEnded;
        QElapsedTimer clock;
        double seconds = 0;
        const auto connection =
            QObject::connect(&document, &cw::model::ClaimDocument::statusChanged, &untilEnded, [&] {
                if (seconds == 0 && document.status().currentFileName == claim)
                    seconds = double(clock.nsecsElapsed()) / 1e9;
            });
        QObject::connect(&later, &QProcess::finished, &untilEnded, &QEventLoop::quit);
        clock.start();
        later.start(QStringLiteral(CLAIMWRIGHT_BINARY), {claim});
        untilEnded.exec();
        QObject::disconnect(connection);
        if (seconds == 0 || later.exitCode() != 0) {
            state.SkipWithError(qPrintable(u"the claim was not handed over: "_qs +
                                           QString::fromLocal8Bit(later.readAllStandardError())));
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_LaterStartHandsOverAClaim)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

// Floor: the same program file started to print its version, which loads every library the
// later start loads and then ends.
void BM_ProgramStartsAndEnds(benchmark::State& state) {
    for (auto _ : state) {
        QProcess process;
        QElapsedTimer clock;
        clock.start();
        process.start(QStringLiteral(CLAIMWRIGHT_BINARY), {QStringLiteral("--version")});
        process.waitForFinished();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_ProgramStartsAndEnds)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace
