// A new window size until the board is drawn at it: every control placed again from the
// scale, and the event loop's next turn repainting the board. Each run first takes the
// window to the other size (untimed), so every timed resize is a real change of scale.
#include "BoardWindowBench.h"
#include "WindowBenches.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <tuple>

namespace tessaron {

namespace {

constexpr int ResizeRuns = 60;

void Resize(benchmark::State& state, BoardWindowBench& bench, int from, int to)
{
    double processorSeconds = 0;
    for (auto _ : state) {
        bench.ShowBoardAt(from);
        bench.Paints.Reset();
        const std::clock_t processorStart = std::clock();
        const auto start = std::chrono::steady_clock::now();
        bench.ShowBoardAt(to);
        const double seconds = SecondsSince(start);
        processorSeconds += double(std::clock() - processorStart) / CLOCKS_PER_SEC;
        if (bench.Paints.AllTiles == 0) {
            state.SkipWithError("the board was not drawn again");
            break;
        }
        state.SetIterationTime(seconds);
    }
    // The processor time of the timed part alone: on a shared machine the wall clock also
    // holds the time spent waiting for a core.
    state.counters["ProcessorMs"] = processorSeconds * 1000.0 / double(state.iterations());
}

} // namespace

void RegisterResizeBenchmarks(BoardWindowBench& bench)
{
    // To the first-start size from twice it, and back.
    for (const auto& [name, from, to] : {std::tuple{"Resize100", 200, 100}, std::tuple{"Resize200", 100, 200}}) {
        benchmark::RegisterBenchmark(BenchmarkName(name).c_str(),
                                     [&bench, from = from, to = to](benchmark::State& state) {
                                         Resize(state, bench, from, to);
                                     })
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(1)
            ->Repetitions(ResizeRuns)
            ->ReportAggregatesOnly(true);
    }
}

} // namespace tessaron
