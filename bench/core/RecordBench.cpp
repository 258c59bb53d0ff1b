#include "BenchBoard.h"
#include "board/GameCreator.h"
#include "records/GameRecord.h"

#include <benchmark/benchmark.h>

namespace tessaron {
namespace {

void BM_ConvertTilesToString(benchmark::State& state)
{
    BenchBoard board;
    const TileArray faces = board.SeededDeal(1);
    for (auto _ : state) benchmark::DoNotOptimize(ConvertTilesToString(faces, board.Errors));
}
BENCHMARK(BM_ConvertTilesToString)->Unit(benchmark::kNanosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ConvertTilesFromString(benchmark::State& state)
{
    BenchBoard board;
    const std::string record = ConvertTilesToString(board.SeededDeal(1), board.Errors);
    TileArray tiles{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertTilesFromString(tiles, record));
        benchmark::DoNotOptimize(tiles);
    }
    if (!ConvertTilesFromString(tiles, record)) state.SkipWithError("a generated deal was rejected");
}
BENCHMARK(BM_ConvertTilesFromString)->Unit(benchmark::kNanosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
} // namespace tessaron
