#include "BenchBoard.h"
#include "board/GameCreator.h"
#include "board/Rules.h"

#include <benchmark/benchmark.h>

namespace tessaron {
namespace {


// A real deal: the scan stops at the first matching free pair it finds.
void BM_NoMovePossible_FullDeal(benchmark::State& state)
{
    BenchBoard board;
    const TileArray faces = board.SeededDeal(1);
    const TilePresence present = FullBoard();
    for (auto _ : state) benchmark::DoNotOptimize(NoMovePossible(board.Geometry, present, faces));
}
BENCHMARK(BM_NoMovePossible_FullDeal)->Unit(benchmark::kNanosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The worst case: all 144 tiles present and no two free tiles match, so every free pair
// is compared.
void BM_NoMovePossible_FullBoardNoMove(benchmark::State& state)
{
    BenchBoard board;
    const TilePresence present = FullBoard();
    TileArray faces{};
    std::int32_t nextFace = 1;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        faces[tile] = TileIsLocked(board.Geometry, present, tile) ? 1 : nextFace++;
    if (!NoMovePossible(board.Geometry, present, faces)) state.SkipWithError("the board has a move");
    for (auto _ : state) benchmark::DoNotOptimize(NoMovePossible(board.Geometry, present, faces));
}
BENCHMARK(BM_NoMovePossible_FullBoardNoMove)->Unit(benchmark::kNanosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
} // namespace tessaron
