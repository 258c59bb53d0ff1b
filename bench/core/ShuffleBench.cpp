// The shuffle on positions where random play got stuck: the worst of many shuffles, and a
// survey of how the positions were filled.
#include "ShuffleBench.h"

#include "BenchBoard.h"
#include "board/Shuffle.h"
#include "board/ShufflePlacement.h"
#include "solver/SolverChecks.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

namespace tessaron {

namespace {

constexpr int ShufflesPerRun = 1000;
constexpr int ShuffleSurveyPositions = 10000;

struct StuckPosition {
    TileArray Faces{};
    TilePresence Present{};
};

// Fresh deals played at random until no move is left; cleared boards are skipped.
std::vector<StuckPosition> StuckPositions(BenchBoard& board, int count, std::uint64_t seed)
{
    SeededRandomSource dealRandom(seed);
    GameCreator creator(board.Geometry, dealRandom, board.Errors);
    SilentObserver observer;
    std::mt19937_64 playRandom(seed + 1);
    std::vector<StuckPosition> positions;
    while (int(positions.size()) < count) {
        StuckPosition position;
        creator.GameCreate(position.Faces, observer, false);
        position.Present = FullBoard();
        solverchecks::PlayRandomly(board.Geometry, position.Faces, position.Present, TileCount / 2, playRandom);
        if (solverchecks::TilesInPlay(position.Present) > 0) positions.push_back(position);
    }
    return positions;
}

double ShufflePercentile(const std::vector<double>& sorted, double share)
{
    const auto index = std::size_t(share * double(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

// Each run shuffles the same 1,000 stuck positions and counts as long as its slowest
// shuffle (Worst) or its median one (Median). (Counters would break the CSV output, which
// wants the same counters in every benchmark of the executable.)
void ShuffleRuns(benchmark::State& state, double share)
{
    BenchBoard board;
    const std::vector<StuckPosition> positions = StuckPositions(board, ShufflesPerRun, 90210);
    SeededRandomSource random(1);
    std::vector<double> seconds(positions.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < positions.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            const ShuffleOutcome outcome = ShuffleFaces(board.Geometry, positions[i].Faces, positions[i].Present, random);
            seconds[i] = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            benchmark::DoNotOptimize(outcome);
        }
        std::sort(seconds.begin(), seconds.end());
        state.SetIterationTime(ShufflePercentile(seconds, share));
    }
}

void BM_ShuffleFaces_Worst(benchmark::State& state) { ShuffleRuns(state, 1.0); }
void BM_ShuffleFaces_Median(benchmark::State& state) { ShuffleRuns(state, 0.5); }
BENCHMARK(BM_ShuffleFaces_Worst)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ShuffleFaces_Median)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

void PrintShuffleSurvey()
{
    // TESSARON_SHUFFLE_POSITIONS asks for a shorter survey while tuning.
    int count = ShuffleSurveyPositions;
    if (const char* asked = std::getenv("TESSARON_SHUFFLE_POSITIONS")) count = std::max(1, std::atoi(asked));
    BenchBoard board;
    const std::vector<StuckPosition> positions = StuckPositions(board, count, 4711);
    SeededRandomSource random(4712);

    std::vector<double> milliseconds;
    std::vector<double> cpuMilliseconds;
    std::vector<double> tilesLeft;
    int byResult[4] = {};
    int refilled = 0;
    int searched = 0;
    int replayFaults = 0;
    int mostTilesNoArrangement = 0;
    for (const StuckPosition& position : positions) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        const PairPlacement placement = PlacePairs(board.Geometry, position.Present, random);
        const ShuffleOutcome outcome = ShuffleFaces(board.Geometry, position.Faces, position.Present, random);
        cpuMilliseconds.push_back(1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC / 2);
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / 2);
        tilesLeft.push_back(solverchecks::TilesInPlay(position.Present));
        ++byResult[int(outcome.Result)];
        if (outcome.Result == ShuffleResult::NoWinnableArrangement)
            mostTilesNoArrangement = std::max(mostTilesNoArrangement, solverchecks::TilesInPlay(position.Present));
        refilled += placement.FailedFills > 0 ? 1 : 0;
        searched += placement.Searched ? 1 : 0;
        if (outcome.Result == ShuffleResult::Shuffled &&
            !solverchecks::ReplayFault(board.Geometry, outcome.Faces, position.Present, outcome.Moves).empty())
            ++replayFaults;
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::sort(cpuMilliseconds.begin(), cpuMilliseconds.end());
    std::sort(tilesLeft.begin(), tilesLeft.end());
    std::printf("\nShuffle of %d positions where random play got stuck (%.0f to %.0f tiles left, median %.0f):\n",
                count, tilesLeft.front(), tilesLeft.back(), ShufflePercentile(tilesLeft, 0.5));
    std::printf("time:           median %.3f ms, p99 %.3f ms, max %.3f ms (each the mean of two shuffles)\n",
                ShufflePercentile(milliseconds, 0.5), ShufflePercentile(milliseconds, 0.99), milliseconds.back());
    std::printf("processor time: median %.3f ms, p99 %.3f ms, max %.3f ms\n", ShufflePercentile(cpuMilliseconds, 0.5),
                ShufflePercentile(cpuMilliseconds, 0.99), cpuMilliseconds.back());
    std::printf("shuffled %d, unpairable %d, no winnable arrangement %d, not found %d; replay faults %d\n",
                byResult[0], byResult[1], byResult[2], byResult[3], replayFaults);
    std::printf("the most tiles left where no arrangement can be cleared: %d\n", mostTilesNoArrangement);
    std::printf("positions whose first backward fill ran into a dead end %d, decided by the search %d\n", refilled,
                searched);
}

} // namespace tessaron
