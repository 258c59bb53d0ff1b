#include "BenchBoard.h"
#include "board/Solver.h"

#include <benchmark/benchmark.h>

namespace tessaron {
namespace {

// A fresh deal from a fixed seed, solved from the full board each time.
void BM_SolvePosition_FreshDeal(benchmark::State& state)
{
    BenchBoard board;
    SeededRandomSource random(1);
    GameCreator creator(board.Geometry, random, board.Errors);
    SilentObserver observer;
    TileArray faces{};
    creator.GameCreate(faces, observer, false);
    TilePresence present{};
    present.fill(true);
    present[0] = false;
    for (auto _ : state) {
        const SolverAnswer answer = SolvePosition(board.Geometry, faces, present);
        if (answer.Verdict != SolverVerdict::Winnable) state.SkipWithError("a fresh deal was not found winnable");
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK(BM_SolvePosition_FreshDeal)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
} // namespace tessaron
