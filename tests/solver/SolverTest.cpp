#include "board/Solver.h"
#include "board/StandardBoard.h"
#include "play/KnownDeals.h"
#include "solver/SolverChecks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>

#ifndef SOLVER_TEST_SHARE
#define SOLVER_TEST_SHARE 1
#endif

namespace tessaron {
namespace {

using namespace solverchecks;

// 10,000 deals in all, in shards that CTest runs side by side.
constexpr int Shards = 4;
constexpr int DealsPerShard = 10000 / Shards / SOLVER_TEST_SHARE;
// Most deals and nearly all positions after random play are decided within it; Undecided is
// no wrong answer, and a longer budget mostly pays for a few hard deals (speed: benchmark).
// A build that runs a share of the deals is a slower one, so it gets that much more time.
constexpr SolverLimits QuickLimits{std::chrono::milliseconds(10 * SOLVER_TEST_SHARE), nullptr};
constexpr int SmallPositions = 2000 / SOLVER_TEST_SHARE;
constexpr int MovesToThirtyTiles = (TileCount - 30) / 2;

class Solver : public ::testing::Test {
protected:
    StandardBoard board;

    TileArray Deal(std::uint64_t seed) { return GenerateDeal(board.Geometry, board.Report.Errors, seed).Faces; }
    SolverAnswer Solve(const TileArray& faces, const TilePresence& present, const SolverLimits& limits = {})
    {
        return SolvePosition(board.Geometry, faces, present, limits);
    }
};

class SolverShard : public Solver, public ::testing::WithParamInterface<int> {};

// Each deal is solved fresh and after 1 to 70 random legal moves. A fresh deal is built to
// be cleared, so it is never Lost; every Winnable sequence replays to an empty board.
TEST_P(SolverShard, FreshDealsAreNeverLostAndEveryWinnableSequenceReplays)
{
    std::mt19937_64 random(7 + GetParam());
    int freshUndecided = 0;
    int lost = 0;
    int winnable = 0;
    for (int deal = 0; deal < DealsPerShard; ++deal) {
        const std::uint64_t seed = 20261206 + GetParam() * DealsPerShard + deal;
        const TileArray faces = Deal(seed);
        const SolverAnswer fresh = Solve(faces, AllPresent(), QuickLimits);
        ASSERT_NE(fresh.Verdict, SolverVerdict::Lost) << "seed " << seed;
        if (fresh.Verdict == SolverVerdict::Winnable) {
            ASSERT_EQ(ReplayFault(board.Geometry, faces, AllPresent(), fresh.Moves), "") << "seed " << seed;
        }
        freshUndecided += fresh.Verdict == SolverVerdict::Undecided ? 1 : 0;

        TilePresence present = AllPresent();
        PlayRandomly(board.Geometry, faces, present, 1 + int(random() % 70), random);
        const SolverAnswer played = Solve(faces, present, QuickLimits);
        lost += played.Verdict == SolverVerdict::Lost ? 1 : 0;
        if (played.Verdict != SolverVerdict::Winnable) continue;
        ++winnable;
        ASSERT_EQ(ReplayFault(board.Geometry, faces, present, played.Moves), "") << "seed " << seed << " played";
    }
    EXPECT_LT(freshUndecided, DealsPerShard);
    // Random play loses some deals and leaves others open: both answers must occur.
    EXPECT_GT(lost, 0);
    EXPECT_GT(winnable, 0);
}

INSTANTIATE_TEST_SUITE_P(Deals, SolverShard, ::testing::Range(0, Shards));

TEST_F(Solver, AgreesWithExhaustiveSearchOnSmallPositions)
{
    std::mt19937_64 random(11);
    int checked = 0;
    int lost = 0;
    for (std::uint64_t seed = 1; checked < SmallPositions; ++seed) {
        const TileArray faces = Deal(seed);
        TilePresence present = AllPresent();
        if (PlayRandomly(board.Geometry, faces, present, MovesToThirtyTiles, random) < MovesToThirtyTiles) continue;
        const SolverAnswer answer = Solve(faces, present);
        ExhaustiveSearch exhaustive(board.Geometry, faces);
        const bool clearable = exhaustive.CanClear(present);
        ASSERT_EQ(answer.Verdict, clearable ? SolverVerdict::Winnable : SolverVerdict::Lost) << "position " << checked;
        if (clearable) {
            ASSERT_EQ(ReplayFault(board.Geometry, faces, present, answer.Moves), "");
        }
        lost += clearable ? 0 : 1;
        ++checked;
    }
    EXPECT_GT(lost, 0);
    EXPECT_LT(lost, checked);
}

// Positions one can see are lost, built on an empty board; the last tiles of a group that
// lock each other are what the pruning looks for.
TEST_F(Solver, HandMadeDeadLocksAreLost)
{
    struct Case {
        const char* Name;
        std::vector<std::pair<std::int32_t, std::int32_t>> Tiles;  // position, face
    };
    // 1 lies on 2, 2 on 11, 3 on 12; 11 and 12 lie side by side, as do 2 and 3.
    const std::vector<Case> cases = {
        {"the last two of a group, one on the other", {{1, 7}, {2, 7}}},
        {"three of a group stacked and a fourth", {{1, 7}, {2, 7}, {11, 7}, {58, 7}}},
        {"two stacks, each group on top of the other", {{2, 7}, {11, 9}, {3, 9}, {12, 7}}},
        {"two flowers under a season pair's stack", {{1, 40}, {2, 36}, {11, 41}, {58, 35}}},
    };
    for (const Case& c : cases) {
        TileArray faces{};
        TilePresence present{};
        for (const auto& [tile, face] : c.Tiles) {
            faces[tile] = face;
            present[tile] = true;
        }
        ExhaustiveSearch exhaustive(board.Geometry, faces);
        TilePresence copy = present;
        ASSERT_FALSE(exhaustive.CanClear(copy)) << c.Name << " is not lost after all";
        EXPECT_EQ(Solve(faces, present).Verdict, SolverVerdict::Lost) << c.Name;
    }
}

TEST_F(Solver, CancelOrNoTimeLeavesItUndecided)
{
    // Two free matching tiles at the ends of the bottom row: decided at once when allowed.
    TileArray faces{};
    TilePresence present{};
    for (std::int32_t tile : {58, 69}) {
        faces[tile] = 5;
        present[tile] = true;
    }
    const std::atomic<bool> cancelled{true};
    const std::atomic<bool> running{false};
    EXPECT_EQ(Solve(faces, present, {std::chrono::seconds(5), &cancelled}).Verdict, SolverVerdict::Undecided);
    EXPECT_EQ(Solve(faces, present, {std::chrono::seconds(0), nullptr}).Verdict, SolverVerdict::Undecided);
    EXPECT_EQ(Solve(faces, present, {std::chrono::seconds(5), &running}).Verdict, SolverVerdict::Winnable);
}

} // namespace
} // namespace tessaron
