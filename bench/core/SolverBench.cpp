#include "BenchBoard.h"
#include "board/Solver.h"

#include <benchmark/benchmark.h>

namespace tessaron {
namespace {

// A fresh deal from a fixed seed, solved from the full board each time.
void BM_SolvePosition_FreshDeal(benchmark::State& state)
{
    BenchBoard board;
    const TileArray faces = board.SeededDeal(1);
    const TilePresence present = FullBoard();
    for (auto _ : state) {
        const SolverAnswer answer = SolvePosition(board.Geometry, faces, present);
        if (answer.Verdict != SolverVerdict::Winnable) state.SkipWithError("a fresh deal was not found winnable");
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK(BM_SolvePosition_FreshDeal)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
} // namespace tessaron
