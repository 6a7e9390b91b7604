// Whole-process start-up, as a user starts the program: from process start until the main
// window has been shown and the event loop has run once, offscreen. The bare Qt window of
// bare_window is the floor. The peak resident memory of each run is reported too; the editor
// runs with a full claim loaded from the command line.

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::string binaryDir() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    std::string self(path, n > 0 ? std::size_t(n) : 0);
    return self.substr(0, self.rfind('/'));
}

// Runs the program to its end; returns the child's peak resident set in kilobytes.
long runOnce(const std::vector<std::string>& argv, benchmark::State& state) {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) {
        state.SkipWithError("could not start the program");
        return 0;
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        state.SkipWithError("the program did not end cleanly");
    return usage.ru_maxrss;
}

void measure(benchmark::State& state, const std::vector<std::string>& argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("CLAIMWRIGHT_QUIT_AFTER_START", "1", 1);
    long peakKb = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        peakKb = runOnce(argv, state);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["peak_MB"] = double(peakKb) / 1024.0;
}

void BM_BareQtWindow(benchmark::State& state) {
    measure(state, {binaryDir() + "/bare_window"});
}
BENCHMARK(BM_BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ClaimwrightStart(benchmark::State& state) {
    measure(state, {binaryDir() + "/../bin/claimwright"});
}
BENCHMARK(BM_ClaimwrightStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ClaimwrightStartWithFullClaim(benchmark::State& state) {
    measure(state, {binaryDir() + "/../bin/claimwright", CLAIMWRIGHT_FULL_CLAIM});
}
BENCHMARK(BM_ClaimwrightStartWithFullClaim)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

BENCHMARK_MAIN();
