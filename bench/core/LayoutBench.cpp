// Per layout: the time to build a deal with the mean placement attempts, and the solver's
// median and worst time to decide a fresh deal (BM_LayoutSolve runs SolvedDeals deals once);
// and reading the whole catalog.
#include "BenchBoard.h"
#include "board/GameCreator.h"
#include "board/LayoutCatalog.h"
#include "board/Solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace tessaron {
namespace {

constexpr int SolvedDeals = 25;

struct LayoutBoard {
    explicit LayoutBoard(const Layout& layout) { Geometry.CreateTileRelations(layout.Places, 36.0f, 52.0f); }
    SilentMessageBox Box;
    ErrorReport Errors{Box, [] {}, [] {}};
    BoardGeometry Geometry{Errors};
};

void LayoutDeal(benchmark::State& state, const Layout* layout)
{
    const auto board = std::make_unique<LayoutBoard>(*layout);
    MeasureDealBuilding(state, board->Geometry, board->Errors);
}

void LayoutSolve(benchmark::State& state, const Layout* layout)
{
    const auto board = std::make_unique<LayoutBoard>(*layout);
    TilePresence present{};
    present.fill(true);
    present[0] = false;
    std::vector<double> milliseconds;
    int undecided = 0;
    for (auto _ : state) {
        for (int seed = 1; seed <= SolvedDeals; ++seed) {
            SeededRandomSource random(seed);
            GameCreator creator(board->Geometry, random, board->Errors);
            SilentObserver observer;
            TileArray faces{};
            creator.GameCreate(faces, observer, false);
            const auto start = std::chrono::steady_clock::now();
            const SolverAnswer answer = SolvePosition(board->Geometry, faces, present);
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            if (answer.Verdict == SolverVerdict::Lost) state.SkipWithError("a fresh deal was found lost");
            undecided += answer.Verdict == SolverVerdict::Undecided ? 1 : 0;
            milliseconds.push_back(took.count());
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["worst_ms"] = milliseconds.back();
    state.counters["undecided"] = undecided;
}

// Reading every built-in layout, as the board window does when it starts.
void LayoutCatalogRead(benchmark::State& state)
{
    for (auto _ : state) {
        const LayoutCatalog catalog;
        benchmark::DoNotOptimize(catalog.Layouts().size());
    }
}
BENCHMARK(LayoutCatalogRead)->Unit(benchmark::kMicrosecond);

// One benchmark of each kind per layout, named by its key.
const bool registered = [] {
    static const LayoutCatalog catalog;
    for (const Layout& layout : catalog.Layouts()) {
        benchmark::RegisterBenchmark(("BM_LayoutDeal/" + layout.Key).c_str(), LayoutDeal, &layout)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_LayoutSolve/" + layout.Key).c_str(), LayoutSolve, &layout)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
    return true;
}();

} // namespace
} // namespace tessaron
