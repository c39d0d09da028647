// The start-up of the window object: the replay of the dates 0 to 31 through
// the recalculation, and the whole Form_Load (read jda.txt, restore, replay)
// on a saved full case and on a first start.

#include "bench/bench_case.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace tarvolin::bench {
namespace {

// The loop of Form_Load that recomputes every result from the restored entries.
void BM_replay(benchmark::State& state)
{
    QuietWindow window;
    if (const std::string problem = typeFullCase(window); !problem.empty()) {
        state.SkipWithError(("the full case shows a message: " + problem).c_str());
        return;
    }
    for (auto _ : state) {
        replay(window.jda);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_replay)->Unit(benchmark::kMicrosecond);

// A new window object and its start-up on the saved full case: what the
// program does before the first frame apart from the toolkit. Includes the
// construction of the control model (measured alone below).
void BM_Form_Load_savedCase(benchmark::State& state)
{
    const ScratchFolder folder;
    if (!saveFullCase()) {
        state.SkipWithError("the full case could not be saved");
        return;
    }
    for (auto _ : state) {
        auto window = std::make_unique<QuietWindow>();
        window->jda.Form_Load();
        benchmark::DoNotOptimize(window->jda.Datum(32).text.data());
        state.PauseTiming();
        const bool restored = window->jda.Datum(29).text == priorPeriods[13].to && window->messages.shown == 0;
        window.reset();
        state.ResumeTiming();
        if (!restored) {
            state.SkipWithError("the saved case did not come back as it was saved");
            break;
        }
    }
}
BENCHMARK(BM_Form_Load_savedCase)->Unit(benchmark::kMicrosecond);

// The first start in an empty folder: jda.txt is created, a blank start.
void BM_Form_Load_firstStart(benchmark::State& state)
{
    const ScratchFolder folder;
    const auto file = folder.path() / "jda.txt";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(file);
        auto window = std::make_unique<QuietWindow>();
        state.ResumeTiming();
        window->jda.Form_Load();
        benchmark::DoNotOptimize(window->jda.Datum(0).text.data());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Form_Load_firstStart)->Unit(benchmark::kMicrosecond);

// The window object alone: the control model built from the control table.
void BM_constructWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<QuietWindow>();
        benchmark::DoNotOptimize(window.get());
    }
}
BENCHMARK(BM_constructWindow)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvolin::bench

BENCHMARK_MAIN();
