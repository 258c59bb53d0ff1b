// Runs the core benchmarks, then builds many seeded deals and prints how many placement
// attempts they needed, how fast the solver decides many seeded positions and many shuffled
// deals, and how the shuffle fares on stuck positions.
#include "BenchBoard.h"
#include "ShuffleBench.h"
#include "SolverSurvey.h"
#include "board/GameCreator.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <map>

namespace tessaron {
void PrintDifficultySurvey(std::int32_t first, std::int32_t deals);
void PrintLayoutBandSurvey(std::int32_t first, std::int32_t deals);
namespace {

constexpr int HistogramDeals = 10000;

void PrintAttemptsHistogram()
{
    BenchBoard board;
    SeededRandomSource random(2026);
    GameCreator creator(board.Geometry, random, board.Errors);
    SilentObserver observer;
    TileArray faces{};
    std::map<std::int32_t, int> dealsByAttempts;
    long long totalAttempts = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int deal = 0; deal < HistogramDeals; ++deal) {
        creator.GameCreate(faces, observer, false);
        ++dealsByAttempts[creator.LastAttemptCount()];
        totalAttempts += creator.LastAttemptCount();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    std::printf("\nPlacement attempts per deal over %d seeded deals (%.2f s):\n", HistogramDeals, elapsed.count());
    std::printf("%10s %8s %8s\n", "attempts", "deals", "share");
    for (const auto& [attempts, deals] : dealsByAttempts)
        std::printf("%10d %8d %7.2f%%\n", attempts, deals, 100.0 * deals / HistogramDeals);
    std::printf("mean %.3f attempts per deal, at most %d\n", double(totalAttempts) / HistogramDeals,
                dealsByAttempts.rbegin()->first);
}

} // namespace
} // namespace tessaron

int main(int argc, char** argv)
{
    // The difficulty survey alone, for calibrating the bands (docs/difficulty.md).
    // TESSARON_DIFFICULTY_SURVEY=FIRST,COUNT rates the classic deals FIRST.. (COUNT of them).
    if (const char* survey = std::getenv("TESSARON_DIFFICULTY_SURVEY")) {
        const char* comma = std::strchr(survey, ',');
        tessaron::PrintDifficultySurvey(std::atoi(survey), comma ? std::atoi(comma + 1) : 1000);
        return 0;
    }
    // TESSARON_LAYOUT_BANDS=FIRST,COUNT: the band thresholds and shares of the deals
    // FIRST.. (COUNT of them) of every layout.
    if (const char* bands = std::getenv("TESSARON_LAYOUT_BANDS")) {
        const char* comma = std::strchr(bands, ',');
        tessaron::PrintLayoutBandSurvey(std::atoi(bands), comma ? std::atoi(comma + 1) : 200);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tessaron::PrintAttemptsHistogram();
    tessaron::PrintSolverSurvey();
    tessaron::PrintShuffledDealSurvey();
    tessaron::PrintShuffleSurvey();
    return 0;
}
