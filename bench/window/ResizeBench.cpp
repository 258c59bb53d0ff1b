// A new window size until the board is drawn at it: every control placed again from the
// scale, and the event loop's next turn repainting the board. Each run first takes the
// window to the other size (untimed), so every timed resize is a real change of scale.
// FirstResize goes to a resolution whose pictures are not held, as the first resize of a run
// to a new resolution does.
#include "BoardWindowBench.h"
#include "WindowBenches.h"

#include <benchmark/benchmark.h>

#include <QThread>

#include <array>
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

// Processor time of the calling thread alone: the decoding worker's is not the window's.
double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The board keeps the pictures of two resolutions: going round three sizes, each resize goes
// to the one it let go of last. Timed is the resize with the event loop's next turn, as in
// Resize. Until the new pictures are shown, the event loop then runs as a window's does.
// WindowBusyMs adds the time spent in its turns, up to the one that paints them, to the
// timed one (the waits between turns left out); WindowThreadCpuMs is the window thread's
// processor time over all of it, ProcessorMs the process's (the decoding worker's included).
void FirstResize(benchmark::State& state, BoardWindowBench& bench, std::size_t& next)
{
    constexpr std::array<int, 3> Round{200, 300, 100};
    double busySeconds = 0;
    double threadSeconds = 0;
    double processorSeconds = 0;
    for (auto _ : state) {
        const int percent = Round[next++ % Round.size()];
        const double threadStart = ThreadSeconds();
        const std::clock_t processorStart = std::clock();
        const auto start = std::chrono::steady_clock::now();
        bench.ShowBoardAt(percent);
        const double resized = SecondsSince(start);
        state.SetIterationTime(resized);
        busySeconds += resized;
        const auto waited = std::chrono::steady_clock::now();
        while (bench.Board->PictureScaleShown() != bench.Board->PictureScaleWanted() && SecondsSince(waited) < 5) {
            QThread::msleep(1);
            const auto turn = std::chrono::steady_clock::now();
            QCoreApplication::processEvents();
            busySeconds += SecondsSince(turn);
        }
        // The turn that paints the board with the new pictures.
        const auto painted = std::chrono::steady_clock::now();
        QCoreApplication::processEvents();
        busySeconds += SecondsSince(painted);
        threadSeconds += ThreadSeconds() - threadStart;
        processorSeconds += double(std::clock() - processorStart) / CLOCKS_PER_SEC;
        if (bench.Board->PictureScaleShown() != bench.Board->PictureScaleWanted()) {
            state.SkipWithError("the pictures of the new resolution never came");
            break;
        }
    }
    const double runs = double(state.iterations());
    state.counters["WindowBusyMs"] = busySeconds * 1000.0 / runs;
    state.counters["WindowThreadCpuMs"] = threadSeconds * 1000.0 / runs;
    state.counters["ProcessorMs"] = processorSeconds * 1000.0 / runs;
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
    benchmark::RegisterBenchmark(BenchmarkName("FirstResize").c_str(),
                                 [&bench, next = std::size_t(0)](benchmark::State& state) mutable {
                                     FirstResize(state, bench, next);
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(1)
        ->Repetitions(ResizeRuns)
        ->ReportAggregatesOnly(true);
}

} // namespace tessaron
