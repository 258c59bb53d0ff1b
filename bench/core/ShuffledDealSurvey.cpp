#include "SolverSurvey.h"

#include "BenchBoard.h"
#include "SurveyFigures.h"
#include "board/Solver.h"
#include "solver/SolverChecks.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace tessaron {

namespace {

constexpr int ShuffledDeals = 3000;
constexpr std::uint64_t ShuffleSeed = 20261207;

// The 144 faces of a deal, four of each ordinary face and one of each flower and season,
// in a uniformly random order. Unlike the generator's deals these need not be clearable.
// The shuffle is written out (std::shuffle's draws differ between libraries), so every
// run on every platform sees the same deals.
TileArray ShuffledFaces(std::mt19937_64& random)
{
    TileArray faces{};
    std::int32_t tile = 1;
    for (std::int32_t face = 1; face <= FaceCount; ++face)
        for (std::int32_t copy = 0; copy < (face <= LastOrdinaryFace ? 4 : 1); ++copy) faces[tile++] = face;
    for (std::int32_t last = TileCount; last > 1; --last) std::swap(faces[last], faces[1 + random() % last]);
    return faces;
}

char VerdictLetter(SolverVerdict verdict)
{
    switch (verdict) {
    case SolverVerdict::Winnable: return 'W';
    case SolverVerdict::Lost: return 'L';
    case SolverVerdict::Undecided: break;
    }
    return 'U';
}

} // namespace

void PrintShuffledDealSurvey()
{
    // TESSARON_SHUFFLED_DEALS sets the number of deals (0: none); TESSARON_SHUFFLED_VERDICTS
    // names a file that gets one verdict letter per deal, to compare two builds.
    int deals = ShuffledDeals;
    if (const char* asked = std::getenv("TESSARON_SHUFFLED_DEALS")) deals = std::max(0, std::atoi(asked));
    if (deals == 0) return;

    BenchBoard board;
    std::mt19937_64 random(ShuffleSeed);
    const TilePresence present = FullBoard();
    const SolverLimits limits{std::chrono::seconds(10), nullptr};

    std::vector<double> milliseconds;
    std::vector<double> cpuMilliseconds;
    std::string verdicts;
    int lost = 0;
    int undecided = 0;
    int replayFaults = 0;
    const long residentBefore = PeakResidentKilobytes();

    for (int deal = 0; deal < deals; ++deal) {
        const TileArray faces = ShuffledFaces(random);
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        const SolverAnswer answer = SolvePosition(board.Geometry, faces, present, limits);
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        milliseconds.push_back(elapsed.count());
        cpuMilliseconds.push_back(1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC);

        verdicts += VerdictLetter(answer.Verdict);
        lost += answer.Verdict == SolverVerdict::Lost ? 1 : 0;
        undecided += answer.Verdict == SolverVerdict::Undecided ? 1 : 0;
        if (answer.Verdict == SolverVerdict::Winnable &&
            !solverchecks::ReplayFault(board.Geometry, faces, present, answer.Moves).empty())
            ++replayFaults;
    }
    const long residentAfter = PeakResidentKilobytes();

    if (const char* path = std::getenv("TESSARON_SHUFFLED_VERDICTS")) {
        if (std::FILE* file = std::fopen(path, "w")) {
            std::fprintf(file, "%s\n", verdicts.c_str());
            std::fclose(file);
        } else {
            std::fprintf(stderr, "cannot write the verdicts to %s\n", path);
        }
    }
    // One number that changes when any verdict does.
    std::uint64_t digest = 14695981039346656037ULL;
    for (char letter : verdicts) digest = (digest ^ std::uint8_t(letter)) * 1099511628211ULL;

    const double wallMean = std::accumulate(milliseconds.begin(), milliseconds.end(), 0.0) / deals;
    const double cpuMean = std::accumulate(cpuMilliseconds.begin(), cpuMilliseconds.end(), 0.0) / deals;
    std::sort(milliseconds.begin(), milliseconds.end());
    std::sort(cpuMilliseconds.begin(), cpuMilliseconds.end());
    std::printf("\nSolver over %d uniformly shuffled deals of the full board (seed %llu), budget 10 s:\n", deals,
                static_cast<unsigned long long>(ShuffleSeed));
    std::printf("time to a verdict: mean %.3f ms, median %.3f ms, p90 %.3f ms, p99 %.3f ms, max %.3f ms\n", wallMean,
                Percentile(milliseconds, 0.5), Percentile(milliseconds, 0.9), Percentile(milliseconds, 0.99),
                milliseconds.back());
    std::printf("processor time:    mean %.3f ms, median %.3f ms, p90 %.3f ms, p99 %.3f ms, max %.3f ms\n", cpuMean,
                Percentile(cpuMilliseconds, 0.5), Percentile(cpuMilliseconds, 0.9), Percentile(cpuMilliseconds, 0.99),
                cpuMilliseconds.back());
    std::printf("lost %d (%.2f%%), undecided %d, winnable answers that did not replay %d, verdict digest %016llx\n",
                lost, 100.0 * lost / deals, undecided, replayFaults, static_cast<unsigned long long>(digest));
    std::printf("peak resident memory %.1f MB (%.1f MB before the survey)\n", residentAfter / 1024.0,
                residentBefore / 1024.0);
}

} // namespace tessaron
