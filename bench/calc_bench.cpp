// The calculation's hot paths: the 30-day span count, and one recalculation
// run on a full case (birthday, pay start, fourteen ticked prior periods).

#include "bench/bench_case.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

namespace tarvolin::bench {
namespace {

struct Span {
    std::string_view from;
    std::string_view to;
};

// An ordinary span, one that ends on the last day of February, one on a 31st,
// and a long one across the years.
constexpr std::array<Span, 4> spans{{
    {"01/09/1980", "31/08/1983"},
    {"15/03/1978", "28/02/1979"},
    {"31/01/1980", "31/10/1981"},
    {"01/04/1990", "15/05/2008"},
}};

void BM_datumsdifferenz(benchmark::State& state)
{
    QuietWindow window;
    JDA& w = window.jda;
    const Span& span = spans[static_cast<std::size_t>(state.range(0))];
    w.fromDateText = span.from;
    w.toDateText = span.to;
    for (auto _ : state) {
        w.datumsdifferenz();
        benchmark::DoNotOptimize(w.diffDays);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_datumsdifferenz)->DenseRange(0, static_cast<int>(spans.size()) - 1);

// One Enter on a full case: index 29 is the to-date of row 14 (plausibility
// check against all other rows, the row's span, totals, notice, JDA), 1 the
// pay start (employment row), 31 the reference date. The case does not change
// from one run to the next, so every iteration does the same work.
void BM_verarbeiten(benchmark::State& state)
{
    QuietWindow window;
    if (const std::string problem = typeFullCase(window); !problem.empty()) {
        state.SkipWithError(("the full case shows a message: " + problem).c_str());
        return;
    }
    JDA& w = window.jda;
    const auto index = static_cast<int>(state.range(0));
    for (auto _ : state) {
        confirm(w, index);
        benchmark::ClobberMemory();
    }
    if (window.messages.shown != 0)
        state.SkipWithError(("a run showed a message: " + window.messages.last).c_str());
}
BENCHMARK(BM_verarbeiten)->Arg(29)->Arg(1)->Arg(31)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvolin::bench

BENCHMARK_MAIN();
