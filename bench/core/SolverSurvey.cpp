#include "SolverSurvey.h"

#include "BenchBoard.h"
#include "SurveyFigures.h"
#include "board/Solver.h"
#include "solver/SolverChecks.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

namespace tessaron {

namespace {

constexpr int SurveyPositions = 10000;
constexpr int MostMovesPlayed = 70;
constexpr int BucketMoves = 10;

} // namespace

void PrintSolverSurvey()
{
    // TESSARON_SOLVER_POSITIONS asks for a shorter survey while tuning (0: none).
    int positions = SurveyPositions;
    if (const char* asked = std::getenv("TESSARON_SOLVER_POSITIONS")) positions = std::max(0, std::atoi(asked));
    if (positions == 0) return;

    BenchBoard board;
    SeededRandomSource dealRandom(4711);
    GameCreator creator(board.Geometry, dealRandom, board.Errors);
    SilentObserver observer;
    std::mt19937_64 playRandom(4712);
    const SolverLimits limits{std::chrono::seconds(5), nullptr};

    struct Bucket {
        int Positions = 0;
        int Lost = 0;
    };
    std::vector<Bucket> buckets(MostMovesPlayed / BucketMoves + 1);
    std::vector<double> milliseconds;
    // On a shared machine the wall clock also counts time spent waiting for a core.
    std::vector<double> cpuMilliseconds;
    int undecided = 0;
    int replayFaults = 0;
    const long residentBefore = PeakResidentKilobytes();

    for (int position = 0; position < positions; ++position) {
        TileArray faces{};
        creator.GameCreate(faces, observer, false);
        TilePresence present{};
        present.fill(true);
        present[0] = false;
        const int moves = position % (MostMovesPlayed + 1);
        solverchecks::PlayRandomly(board.Geometry, faces, present, moves, playRandom);

        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        const SolverAnswer answer = SolvePosition(board.Geometry, faces, present, limits);
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        milliseconds.push_back(elapsed.count());
        cpuMilliseconds.push_back(1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC);

        Bucket& bucket = buckets[moves / BucketMoves];
        ++bucket.Positions;
        if (answer.Verdict == SolverVerdict::Undecided) {
            ++undecided;
            // TESSARON_SOLVER_DUMP prints each undecided position (the face of each position
            // in play, 0 for the others) for a closer look.
            if (std::getenv("TESSARON_SOLVER_DUMP")) {
                std::printf("undecided after %d moves:", moves);
                for (std::int32_t tile = 1; tile <= TileCount; ++tile) std::printf(" %d", present[tile] ? faces[tile] : 0);
                std::printf("\n");
            }
        }
        if (answer.Verdict == SolverVerdict::Lost) ++bucket.Lost;
        if (answer.Verdict == SolverVerdict::Winnable &&
            !solverchecks::ReplayFault(board.Geometry, faces, present, answer.Moves).empty())
            ++replayFaults;
    }
    const long residentAfter = PeakResidentKilobytes();

    std::sort(milliseconds.begin(), milliseconds.end());
    std::sort(cpuMilliseconds.begin(), cpuMilliseconds.end());
    std::printf("\nSolver over %d positions (fresh deals and after 0..%d random moves), budget 5 s:\n", positions,
                MostMovesPlayed);
    std::printf("time to a verdict: median %.3f ms, p95 %.3f ms, p99 %.3f ms, max %.3f ms\n",
                Percentile(milliseconds, 0.5), Percentile(milliseconds, 0.95), Percentile(milliseconds, 0.99),
                milliseconds.back());
    std::printf("processor time:    median %.3f ms, p95 %.3f ms, p99 %.3f ms, max %.3f ms\n",
                Percentile(cpuMilliseconds, 0.5), Percentile(cpuMilliseconds, 0.95), Percentile(cpuMilliseconds, 0.99),
                cpuMilliseconds.back());
    std::printf("undecided %d, winnable answers that did not replay %d\n", undecided, replayFaults);
    std::printf("peak resident memory %.1f MB (%.1f MB before the survey)\n", residentAfter / 1024.0,
                residentBefore / 1024.0);
    std::printf("%14s %10s %8s\n", "moves played", "positions", "lost");
    for (std::size_t i = 0; i < buckets.size(); ++i) {
        if (buckets[i].Positions == 0) continue;
        const int first = int(i) * BucketMoves;
        std::printf("%7d..%-6d %10d %7.2f%%\n", first, std::min(first + BucketMoves - 1, MostMovesPlayed),
                    buckets[i].Positions, 100.0 * buckets[i].Lost / buckets[i].Positions);
    }
}

} // namespace tessaron
