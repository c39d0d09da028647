// One case end to end through the scripted window: start-up in an empty
// folder, the full case typed key by key with its descriptions, a dump of the
// whole window, Schließen (the atomic save). The output goes to a stream that
// formats everything and keeps nothing.

#include "bench/bench_case.h"
#include "script/script_runner.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

namespace tarvolin::bench {
namespace {

class NullBuffer final : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

std::string fullCaseScript(bool save)
{
    std::string s = "today 15/05/2008\nstart\n";
    s += "date 0 " + std::string{birthday} + "\n";
    s += "date 1 " + std::string{payStart} + "\n";
    for (int k = 1; k <= 14; ++k) {
        const PriorPeriod& p = priorPeriods[static_cast<std::size_t>(k - 1)];
        s += "date " + std::to_string(2 * k) + " " + std::string{p.from} + "\n";
        s += "date " + std::to_string(2 * k + 1) + " " + std::string{p.to} + "\n";
        s += "type Eingabe(" + std::to_string(k) + ") " + std::string{p.description} + "\n";
    }
    s += "dump\n";
    s += save ? "click Schließen\n" : "close\n";
    return s;
}

void runCase(benchmark::State& state, bool save)
{
    const ScratchFolder folder;
    const std::string script = fullCaseScript(save);
    NullBuffer nothing;
    std::ostream out{&nothing};
    std::ostringstream err;
    {
        // Once with the output kept: the case must run through without a
        // message box and end with the window unloaded.
        std::istringstream in{script};
        std::ostringstream shown;
        if (runScript(in, shown, err) != 0 || shown.str().find("msgbox\t") != std::string::npos
            || shown.str().find("\nclosed\n") == std::string::npos) {
            state.SkipWithError(("the script does not run cleanly: " + err.str()).c_str());
            return;
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(folder.path() / "jda.txt");
        std::istringstream in{script};
        state.ResumeTiming();
        const int status = runScript(in, out, err);
        if (status != 0) {
            state.SkipWithError(("the script failed: " + err.str()).c_str());
            break;
        }
    }
}

// Ends with the close box: no save.
void BM_scriptedCase(benchmark::State& state) { runCase(state, false); }
BENCHMARK(BM_scriptedCase)->Unit(benchmark::kMicrosecond);

// Ends with Schließen: the case is saved to the disk.
void BM_scriptedCaseSaved(benchmark::State& state) { runCase(state, true); }
BENCHMARK(BM_scriptedCaseSaved)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvolin::bench

BENCHMARK_MAIN();
