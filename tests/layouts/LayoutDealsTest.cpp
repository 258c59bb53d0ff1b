// Play on every layout: its deals clear in reverse insertion order, the solver never calls a
// fresh deal lost and its sequences replay through the rules, and the keyboard focus reaches
// every free tile. One test per layout, so CTest runs them side by side.
#include "LayoutBoard.h"
#include "board/KeyboardFocus.h"
#include "board/LayoutCatalog.h"
#include "board/Solver.h"
#include "play/KnownDeals.h"
#include "solver/SolverChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#ifndef LAYOUT_TEST_SHARE
#define LAYOUT_TEST_SHARE 1
#endif

namespace tessaron {
namespace {

using namespace solverchecks;

constexpr int DealsPerLayout = 200 / LAYOUT_TEST_SHARE;

const LayoutCatalog& Catalog()
{
    static const LayoutCatalog catalog;
    return catalog;
}

TilePresence AllPresent()
{
    TilePresence present{};
    present.fill(true);
    present[0] = false;
    return present;
}

std::vector<SolverMove> ReverseInsertion(const KnownDeal& deal)
{
    std::vector<SolverMove> moves;
    for (int k = TileCount / 2; k >= 1; --k) moves.push_back({deal.Pair(k).first, deal.Pair(k).second});
    return moves;
}

class EveryLayout : public ::testing::TestWithParam<std::size_t> {
protected:
    const Layout& layout = Catalog().Layouts().at(GetParam());
    LayoutBoard board{layout};
};

TEST_P(EveryLayout, DealsAreWinnableAndTheSolverSequencesReplay)
{
    int undecided = 0;
    for (int seed = 1; seed <= DealsPerLayout; ++seed) {
        const KnownDeal deal = GenerateDeal(board.Geometry, board.Report.Errors, std::uint64_t(seed));
        ASSERT_TRUE(board.Report.Box.Boxes.empty()) << "seed " << seed;
        ASSERT_EQ(ReplayFault(board.Geometry, deal.Faces, AllPresent(), ReverseInsertion(deal)), "") << "seed " << seed;
        const SolverAnswer answer = SolvePosition(board.Geometry, deal.Faces, AllPresent());
        ASSERT_NE(answer.Verdict, SolverVerdict::Lost) << "seed " << seed;
        if (answer.Verdict == SolverVerdict::Undecided) {
            ++undecided;
            continue;
        }
        ASSERT_EQ(ReplayFault(board.Geometry, deal.Faces, AllPresent(), answer.Moves), "") << "seed " << seed;
    }
    // Undecided is no wrong answer, but a solver that decides nothing on a layout is broken.
    EXPECT_LT(undecided, DealsPerLayout);
    RecordProperty("undecided", undecided);
}

// From the first free tile in reading order, Right alone walks all of them, and Left walks
// each step back.
TEST_P(EveryLayout, KeyboardRingReachesEveryFreeTile)
{
    const KnownDeal deal = GenerateDeal(board.Geometry, board.Report.Errors, 1);
    TilePresence present = AllPresent();
    std::mt19937_64 random(7);
    for (int round = 0; round < 3; ++round) {
        if (round > 0) PlayRandomly(board.Geometry, deal.Faces, present, 15, random);
        const TilePresence candidates = FocusCandidates(board.Geometry, present);
        std::set<std::int32_t> expected;
        for (std::int32_t tile = 1; tile <= TileCount; ++tile)
            if (candidates[tile]) expected.insert(tile);
        // The walk starts where the reading order does: the top row's leftmost free tile.
        std::int32_t focus = *std::min_element(expected.begin(), expected.end(), [&](std::int32_t a, std::int32_t b) {
            return ReadsBefore(board.Geometry, a, b);
        });
        std::set<std::int32_t> reached{focus};
        for (std::size_t step = 1; step < expected.size(); ++step) {
            const std::int32_t next = NextFocusTile(board.Geometry, candidates, focus, FocusDirection::Right);
            ASSERT_NE(next, focus) << "stuck after " << step << " of " << expected.size();
            EXPECT_EQ(NextFocusTile(board.Geometry, candidates, next, FocusDirection::Left), focus);
            focus = next;
            reached.insert(focus);
        }
        EXPECT_EQ(reached, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, EveryLayout, ::testing::Range<std::size_t>(0, Catalog().Layouts().size()),
                         [](const auto& info) {
                             std::string name = Catalog().Layouts().at(info.param).Key;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
} // namespace tessaron
