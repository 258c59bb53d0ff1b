#include "BenchBoard.h"
#include "board/GameCreator.h"

#include <benchmark/benchmark.h>

namespace tessaron {
namespace {

void BM_GameCreate(benchmark::State& state)
{
    BenchBoard board;
    MeasureDealBuilding(state, board.Geometry, board.Errors);
}
BENCHMARK(BM_GameCreate)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace
} // namespace tessaron
