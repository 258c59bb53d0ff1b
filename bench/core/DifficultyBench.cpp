// Rating deals and building a deal of each band, and the survey behind the band thresholds.
#include "BenchBoard.h"
#include "board/DealDifficulty.h"
#include "board/LayoutCatalog.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace tessaron {
namespace {

// Rates the classic deals 1, 2, 3, ... one per iteration; the worst shows in the max aggregate.
void BM_RateDeal(benchmark::State& state)
{
    BenchBoard board;
    SilentObserver silent;
    TileArray faces{};
    static std::int32_t number = 0;  // each repetition rates the next deal
    for (auto _ : state) {
        state.PauseTiming();
        CreateNumberedDeal(board.Geometry, ClassicLayoutKey, ++number, faces, silent, false, board.Errors);
        state.ResumeTiming();
        benchmark::DoNotOptimize(RateDeal(board.Geometry, ClassicLayoutKey, faces));
    }
}
BENCHMARK(BM_RateDeal)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(200)
    ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
    ->ReportAggregatesOnly(true);

// Builds a classic deal of the band state.range(0), each from another start number, as the
// game does from a random one.
void BM_FindDealOfBand(benchmark::State& state)
{
    BenchBoard board;
    const auto band = DealBand(state.range(0));
    static std::int32_t start = 1000000;  // each repetition searches from another number
    std::int64_t tries = 0;
    for (auto _ : state) {
        const auto deal = FindDealOfBand(board.Geometry, ClassicLayoutKey, band, start, board.Errors);
        if (!deal) state.SkipWithError("no deal of the band found");
        else tries += deal->Tries;
        start += 7919;
    }
    state.counters["tries"] = double(tries);
}
BENCHMARK(BM_FindDealOfBand)->DenseRange(0, DealBandCount - 1)->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(40)
    ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
    ->ReportAggregatesOnly(true);

} // namespace

// Rates the classic deals first..first+deals-1, prints the quartiles of the
// company's wins, the share of each band, and the win rate per band of an independent
// company (other seeds, as many players) that the thresholds never saw.
void PrintDifficultySurvey(std::int32_t first, std::int32_t deals)
{
    BenchBoard board;
    SilentObserver silent;
    TileArray faces{};
    std::vector<std::int32_t> wins;
    std::array<std::int64_t, DealBandCount> perBand{}, independentWins{};
    const auto start = std::chrono::steady_clock::now();
    for (std::int32_t number = first; number < first + deals; ++number) {
        CreateNumberedDeal(board.Geometry, ClassicLayoutKey, number, faces, silent, false, board.Errors);
        const DealRating rating = RateDeal(board.Geometry, ClassicLayoutKey, faces);
        wins.push_back(rating.Wins);
        ++perBand[std::size_t(rating.Band)];
        independentWins[std::size_t(rating.Band)] +=
            RandomPlayerWinCount(board.Geometry, faces, RatingPlayers, 0xD1CE5EED00000000ULL + std::uint64_t(number));
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::sort(wins.begin(), wins.end());
    const auto quantile = [&](double q) { return wins[std::size_t(q * (wins.size() - 1))]; };
    std::printf("\nDifficulty survey of classic deals %d..%d (%.1f s): wins of %d players\n", first, first + deals - 1,
                elapsed.count(), RatingPlayers);
    std::printf("min %d  q1 %d  median %d  q3 %d  max %d\n", wins.front(), quantile(0.25), quantile(0.5),
                quantile(0.75), wins.back());
    std::printf("deciles:");
    for (int d = 1; d < 10; ++d) std::printf(" %d", quantile(d / 10.0));
    std::printf("\n");
    std::printf("%8s %8s %8s %22s\n", "band", "deals", "share", "independent win rate");
    for (int band = 0; band < DealBandCount; ++band)
        std::printf("%8s %8lld %7.1f%% %21.2f%%\n", std::string(DealBandKey(DealBand(band))).c_str(),
                    (long long)perBand[band], 100.0 * perBand[band] / deals,
                    perBand[band] ? 100.0 * independentWins[band] / (perBand[band] * double(RatingPlayers)) : 0.0);
}

namespace {

// The level whose share of deals below it is nearest to share, above floor: a whole number of
// wins when one comes within 3 points of the share (the thresholds stay readable), otherwise
// the level of the deal at that share, Removed telling apart deals of equal wins.
RatingLevel ThresholdNear(const std::vector<RatingLevel>& sorted, double share, RatingLevel floor)
{
    const auto shareBelow = [&](RatingLevel level) {
        return double(std::lower_bound(sorted.begin(), sorted.end(), level) - sorted.begin()) / double(sorted.size());
    };
    RatingLevel best{floor.Wins + 1, 0};
    for (std::int32_t wins = floor.Wins + 1; wins <= sorted.back().Wins + 1; ++wins)
        if (std::abs(shareBelow({wins, 0}) - share) < std::abs(shareBelow(best) - share)) best = {wins, 0};
    if (std::abs(shareBelow(best) - share) <= 0.03) return best;
    const RatingLevel atShare = sorted[std::min(sorted.size() - 1, std::size_t(std::lround(share * double(sorted.size()))))];
    return atShare > floor ? atShare : RatingLevel{floor.Wins, floor.Removed + 1};
}

} // namespace

// Rates the deals first..first+deals-1 of every built-in layout and prints, for each, the
// thresholds that split these deals into quarters (the lines of board/LayoutBandThresholds.cpp)
// and the share of each band under the thresholds the game uses now.
void PrintLayoutBandSurvey(std::int32_t first, std::int32_t deals)
{
    SilentObserver silent;
    std::printf("\nBand thresholds from the deals %d..%d of each layout, and the band shares under the current ones\n",
                first, first + deals - 1);
    const LayoutCatalog catalog;
    for (const Layout& layout : catalog.Layouts()) {
        SilentMessageBox box;
        ErrorReport errors(box, [] {}, [] {});
        BoardGeometry geometry(errors);
        geometry.CreateTileRelations(layout.Places, 36.0f, 52.0f);
        std::array<int, DealBandCount> perBand{};
        std::vector<RatingLevel> levels;
        TileArray faces{};
        for (std::int32_t number = first; number < first + deals; ++number) {
            CreateNumberedDeal(geometry, layout.Key, number, faces, silent, false, errors);
            const DealRating rating = RateDeal(geometry, layout.Key, faces);
            levels.push_back({rating.Wins, rating.Removed});
            ++perBand[std::size_t(rating.Band)];
        }
        std::sort(levels.begin(), levels.end());
        const RatingLevel hard = ThresholdNear(levels, 0.25, {-1, 0});
        const RatingLevel medium = ThresholdNear(levels, 0.50, hard);
        const RatingLevel easy = ThresholdNear(levels, 0.75, medium);
        const std::string row = "    LayoutThresholds{\"" + layout.Key + "\", {{" + std::to_string(easy.Wins) + ", " +
            std::to_string(easy.Removed) + "}, {" + std::to_string(medium.Wins) + ", " +
            std::to_string(medium.Removed) + "}, {" + std::to_string(hard.Wins) + ", " +
            std::to_string(hard.Removed) + "}}},";
        std::printf("%-76s //", row.c_str());
        for (int count : perBand) std::printf(" %4.0f%%", 100.0 * count / deals);
        std::printf("\n");
        std::fflush(stdout);
    }
}

} // namespace tessaron
