#include "BenchBoard.h"
#include "board/GameCreator.h"

#include <benchmark/benchmark.h>

namespace tessaron {
namespace {

void BM_GameCreate(benchmark::State& state)
{
    BenchBoard board;
    SeededRandomSource random(1);
    GameCreator creator(board.Geometry, random, board.Errors);
    SilentObserver observer;
    TileArray faces{};
    std::int64_t attempts = 0;
    for (auto _ : state) {
        creator.GameCreate(faces, observer, false);
        benchmark::DoNotOptimize(faces);
        attempts += creator.LastAttemptCount();
    }
    state.counters["attempts/deal"] = benchmark::Counter(double(attempts), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GameCreate)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace
} // namespace tessaron
