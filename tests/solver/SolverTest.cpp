#include "board/GameCreator.h"
#include "board/Solver.h"
#include "board/StandardBoard.h"
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

constexpr int PositionsPerKind = 10000 / SOLVER_TEST_SHARE;
// Enough for nearly every position; the few left undecided within it are not wrong answers
// (how fast the solver decides is measured by the benchmark, not here).
constexpr SolverLimits QuickLimits{std::chrono::milliseconds(20), nullptr};
constexpr int SmallPositions = 2000 / SOLVER_TEST_SHARE;
constexpr std::int32_t SmallPositionTiles = 30;

struct SilentObserver final : GameCreateObserver {
    void ShowStep(std::int32_t) override {}
};

class Solver : public ::testing::Test {
protected:
    StandardBoard board;
    SeededRandomSource dealRandom{20261206};
    GameCreator creator{board.Geometry, dealRandom, board.Report.Errors};
    SilentObserver observer;

    TileArray NewDeal()
    {
        TileArray faces{};
        creator.GameCreate(faces, observer, false);
        return faces;
    }
    SolverAnswer Solve(const TileArray& faces, const TilePresence& present, const SolverLimits& limits = {})
    {
        return SolvePosition(board.Geometry, faces, present, limits);
    }
};

TEST_F(Solver, FreshDealsAreNeverLostAndTheirSequencesReplay)
{
    int undecided = 0;
    for (int deal = 0; deal < PositionsPerKind; ++deal) {
        const TileArray faces = NewDeal();
        const SolverAnswer answer = Solve(faces, AllPresent(), QuickLimits);
        // Every deal is built to be cleared.
        ASSERT_NE(answer.Verdict, SolverVerdict::Lost) << "deal " << deal;
        if (answer.Verdict == SolverVerdict::Undecided) {
            ++undecided;
            continue;
        }
        ASSERT_EQ(ReplayFault(board.Geometry, faces, AllPresent(), answer.Moves), "") << "deal " << deal;
    }
    RecordProperty("undecided", undecided);
    EXPECT_LT(undecided, PositionsPerKind);
}

TEST_F(Solver, EveryWinnableAnswerAfterRandomPlayReplays)
{
    std::mt19937_64 random(7);
    int lost = 0;
    int winnable = 0;
    for (int position = 0; position < PositionsPerKind; ++position) {
        const TileArray faces = NewDeal();
        TilePresence present = AllPresent();
        PlayRandomly(board.Geometry, faces, present, 1 + int(random() % 70), random);
        const SolverAnswer answer = Solve(faces, present, QuickLimits);
        if (answer.Verdict == SolverVerdict::Lost) ++lost;
        if (answer.Verdict != SolverVerdict::Winnable) continue;
        ++winnable;
        ASSERT_EQ(ReplayFault(board.Geometry, faces, present, answer.Moves), "") << "position " << position;
    }
    RecordProperty("undecided", PositionsPerKind - lost - winnable);
    // Random play loses some deals and leaves others open: both answers must occur.
    EXPECT_GT(lost, 0);
    EXPECT_GT(winnable, 0);
}

TEST_F(Solver, AgreesWithExhaustiveSearchOnSmallPositions)
{
    std::mt19937_64 random(11);
    int checked = 0;
    int lost = 0;
    while (checked < SmallPositions) {
        const TileArray faces = NewDeal();
        TilePresence present = AllPresent();
        const int movesToSmall = (TileCount - SmallPositionTiles) / 2;
        if (PlayRandomly(board.Geometry, faces, present, movesToSmall, random) < movesToSmall) continue;
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
