#include "board/Shuffle.h"
#include "board/LayoutCatalog.h"
#include "board/ShufflePlacement.h"
#include "board/LayoutBoard.h"
#include "board/StandardBoard.h"
#include "play/KnownDeals.h"
#include "solver/SolverChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#ifndef SHUFFLE_TEST_SHARE
#define SHUFFLE_TEST_SHARE 1
#endif

namespace tessaron {
namespace {

using namespace solverchecks;

// 10,000 stuck positions in all, in shards that CTest runs side by side.
constexpr int Shards = 4;
constexpr int PositionsPerShard = 10000 / Shards / SHUFFLE_TEST_SHARE;
constexpr SolverLimits QuickLimits{std::chrono::milliseconds(20 * SHUFFLE_TEST_SHARE), nullptr};
constexpr std::int32_t AnyFlower = FirstFlowerFace;  // with every tile a flower, any two match

class Shuffle : public ::testing::Test {
public:
    StandardBoard board;

    // Empty when the shuffle kept every removed tile's face and dealt exactly the faces in
    // play among the positions in play; else what differs.
    static std::string FacesMoved(const TileArray& before, const TileArray& after, const TilePresence& present)
    {
        std::vector<std::int32_t> inPlayBefore;
        std::vector<std::int32_t> inPlayAfter;
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
            if (!present[tile] && before[tile] != after[tile]) return "removed tile " + std::to_string(tile) + " changed";
            if (!present[tile]) continue;
            inPlayBefore.push_back(before[tile]);
            inPlayAfter.push_back(after[tile]);
        }
        std::sort(inPlayBefore.begin(), inPlayBefore.end());
        std::sort(inPlayAfter.begin(), inPlayAfter.end());
        return inPlayBefore == inPlayAfter ? "" : "the faces in play are not the same";
    }

    // Whether no order of pairs clears the positions, whatever the faces: checked by trying
    // every order with every tile matching every other.
    bool NoArrangementClears(TilePresence present) const
    {
        TileArray allMatch{};
        allMatch.fill(AnyFlower);
        ExhaustiveSearch exhaustive(board.Geometry, allMatch);
        return !exhaustive.CanClear(present);
    }
};

class ShuffleShard : public Shuffle, public ::testing::WithParamInterface<int> {};

// Fresh deals played at random until no move is left. Every shuffle deals the same faces
// onto the same positions, its own sequence and the solver's clear the board, and the same
// seed gives the same shuffle. Where no arrangement can be cleared (a tile on another with
// nothing to pair it with) the faces stay and an exhaustive search agrees.
TEST_P(ShuffleShard, StuckPositionsShuffleIntoWinnableArrangements)
{
    std::mt19937_64 playRandom(31 + GetParam());
    int shuffled = 0;
    int impossible = 0;
    int undecided = 0;
    for (std::uint64_t seed = 5150 + GetParam() * 1000000; shuffled + impossible < PositionsPerShard; ++seed) {
        const TileArray faces = GenerateDeal(board.Geometry, board.Report.Errors, seed).Faces;
        TilePresence present = AllPresent();
        PlayRandomly(board.Geometry, faces, present, TileCount / 2, playRandom);
        if (TilesInPlay(present) == 0) continue;  // cleared, not stuck
        const std::string at = "seed " + std::to_string(seed);

        SeededRandomSource random(seed);
        const ShuffleOutcome outcome = ShuffleFaces(board.Geometry, faces, present, random);
        SeededRandomSource sameRandom(seed);
        const ShuffleOutcome again = ShuffleFaces(board.Geometry, faces, present, sameRandom);
        ASSERT_EQ(again.Faces, outcome.Faces) << at;
        ASSERT_EQ(again.Moves.size(), outcome.Moves.size()) << at;

        if (outcome.Result == ShuffleResult::NoWinnableArrangement) {
            ++impossible;
            ASSERT_EQ(outcome.Faces, faces) << at;
            ASSERT_TRUE(TilesInPlay(present) > 24 || NoArrangementClears(present)) << at;
            continue;
        }
        ASSERT_EQ(outcome.Result, ShuffleResult::Shuffled) << at << ": " << ShuffleResultText(outcome.Result);
        ++shuffled;
        ASSERT_EQ(FacesMoved(faces, outcome.Faces, present), "") << at;
        ASSERT_EQ(ReplayFault(board.Geometry, outcome.Faces, present, outcome.Moves), "") << at;
        const SolverAnswer answer = SolvePosition(board.Geometry, outcome.Faces, present, QuickLimits);
        ASSERT_NE(answer.Verdict, SolverVerdict::Lost) << at;
        undecided += answer.Verdict == SolverVerdict::Undecided ? 1 : 0;
        if (answer.Verdict == SolverVerdict::Winnable) {
            ASSERT_EQ(ReplayFault(board.Geometry, outcome.Faces, present, answer.Moves), "") << at;
        }
    }
    EXPECT_GT(shuffled, PositionsPerShard * 9 / 10);
    EXPECT_GT(impossible, 0) << "no stuck position had tiles that cannot be cleared";
    EXPECT_LT(undecided, shuffled / 10);
}

INSTANTIATE_TEST_SUITE_P(StuckPositions, ShuffleShard, ::testing::Range(0, Shards));

// Every layout of the catalog, a few stuck positions each (the classic one has the 10,000
// above): the shuffle deals the same faces onto the same positions, and both its own
// sequence and the solver's, replayed through the rules, clear the board.
TEST(ShuffleOnLayouts, StuckPositionsOnEveryLayoutShuffleIntoWinnableArrangements)
{
    constexpr int PositionsPerLayout = 10;
    const LayoutCatalog catalog;
    std::mt19937_64 playRandom(17);
    for (const Layout& layout : catalog.Layouts()) {
        LayoutBoard board(layout);
        int positions = 0;
        for (std::uint64_t seed = 900; positions < PositionsPerLayout && seed < 960; ++seed) {
            const TileArray faces = GenerateDeal(board.Geometry, board.Report.Errors, seed).Faces;
            TilePresence present = AllPresent();
            PlayRandomly(board.Geometry, faces, present, TileCount / 2, playRandom);
            if (TilesInPlay(present) == 0) continue;  // cleared, not stuck
            ++positions;
            const std::string at = layout.Key + ", seed " + std::to_string(seed);
            SeededRandomSource random(seed);
            const ShuffleOutcome outcome = ShuffleFaces(board.Geometry, faces, present, random);
            if (outcome.Result == ShuffleResult::NoWinnableArrangement) {
                TileArray allMatch{};
                allMatch.fill(AnyFlower);
                ExhaustiveSearch exhaustive(board.Geometry, allMatch);
                ASSERT_TRUE(TilesInPlay(present) > 24 || !exhaustive.CanClear(present)) << at;
                continue;
            }
            ASSERT_EQ(outcome.Result, ShuffleResult::Shuffled) << at << ": " << ShuffleResultText(outcome.Result);
            ASSERT_EQ(Shuffle::FacesMoved(faces, outcome.Faces, present), "") << at;
            ASSERT_EQ(ReplayFault(board.Geometry, outcome.Faces, present, outcome.Moves), "") << at;
            const SolverAnswer answer = SolvePosition(board.Geometry, outcome.Faces, present, SolverLimits{});
            ASSERT_EQ(answer.Verdict, SolverVerdict::Winnable) << at;
            ASSERT_EQ(ReplayFault(board.Geometry, outcome.Faces, present, answer.Moves), "") << at;
        }
        EXPECT_EQ(positions, PositionsPerLayout) << layout.Key << ": too few stuck positions";
    }
}

// Small hand-made positions, each faces by position, and what the shuffle makes of them.
TEST_F(Shuffle, SmallAndWholeBoardsShuffleOrSayWhyNot)
{
    struct Case {
        const char* Name;
        std::vector<std::pair<std::int32_t, std::int32_t>> Tiles;  // position, face
        ShuffleResult Expected;
    };
    // 58..69 is the front row of the table with nothing on it; 2 lies on 11 on 36, 3 on 12.
    const std::vector<Case> cases = {
        {"nothing in play", {}, ShuffleResult::Shuffled},
        {"two flowers and two seasons in a row", {{58, 35}, {59, 40}, {60, 38}, {61, 42}}, ShuffleResult::Shuffled},
        {"a stack of two beside a pair at the row's ends", {{2, 7}, {11, 9}, {58, 9}, {69, 7}}, ShuffleResult::Shuffled},
        {"a row with a gap", {{58, 3}, {60, 4}, {61, 4}, {63, 3}}, ShuffleResult::Shuffled},
        {"a tile on another, nothing else", {{2, 7}, {11, 7}}, ShuffleResult::NoWinnableArrangement},
        {"two stacks side by side", {{2, 7}, {11, 9}, {3, 9}, {12, 7}}, ShuffleResult::Shuffled},
        {"a stack of three and a loose tile", {{2, 7}, {11, 7}, {36, 9}, {58, 9}}, ShuffleResult::NoWinnableArrangement},
        {"a flower and a season", {{58, 36}, {69, 40}}, ShuffleResult::Unpairable},
        {"three of a face", {{58, 5}, {59, 5}, {69, 5}}, ShuffleResult::Unpairable},
    };
    for (const Case& c : cases) {
        TileArray faces = GenerateDeal(board.Geometry, board.Report.Errors, 77).Faces;
        TilePresence present{};
        for (const auto& [tile, face] : c.Tiles) {
            faces[tile] = face;
            present[tile] = true;
        }
        SeededRandomSource random(99);
        const ShuffleOutcome outcome = ShuffleFaces(board.Geometry, faces, present, random);
        EXPECT_EQ(outcome.Result, c.Expected) << c.Name << ": " << ShuffleResultText(outcome.Result);
        if (outcome.Result == ShuffleResult::Shuffled) {
            EXPECT_EQ(FacesMoved(faces, outcome.Faces, present), "") << c.Name;
            EXPECT_EQ(ReplayFault(board.Geometry, outcome.Faces, present, outcome.Moves), "") << c.Name;
        } else {
            EXPECT_EQ(outcome.Faces, faces) << c.Name << ": a failed shuffle changed the faces";
        }
    }

    // The whole of a fresh deal, and its flowers and seasons dealt afresh too.
    const TileArray deal = GenerateDeal(board.Geometry, board.Report.Errors, 78).Faces;
    SeededRandomSource random(100);
    const ShuffleOutcome whole = ShuffleFaces(board.Geometry, deal, AllPresent(), random);
    ASSERT_EQ(whole.Result, ShuffleResult::Shuffled);
    EXPECT_EQ(FacesMoved(deal, whole.Faces, AllPresent()), "");
    EXPECT_EQ(ReplayFault(board.Geometry, whole.Faces, AllPresent(), whole.Moves), "");
    EXPECT_NE(whole.Faces, deal);
}

// The search that decides when the backward fill keeps running into dead ends: on small
// positions (left by random play with every tile matching) it finds a way exactly when an
// exhaustive search does, and its way clears the board.
TEST_F(Shuffle, SearchAgreesWithExhaustiveSearchOnSmallPositions)
{
    TileArray allMatch{};
    allMatch.fill(AnyFlower);
    std::mt19937_64 playRandom(5);
    SeededRandomSource random(6);
    int found = 0;
    int impossible = 0;
    for (int position = 0; position < 600 / SHUFFLE_TEST_SHARE + 20; ++position) {
        TilePresence present = AllPresent();
        const int tilesLeft = 2 + 2 * int(playRandom() % 10);
        PlayRandomly(board.Geometry, allMatch, present, (TileCount - tilesLeft) / 2, playRandom);
        const PairPlacement placement = SearchPairOrder(board.Geometry, present, random);
        ASSERT_NE(placement.Result, PlacementResult::GaveUp) << "position " << position;
        ASSERT_EQ(placement.Result == PlacementResult::Impossible, NoArrangementClears(present))
            << "position " << position;
        if (placement.Result == PlacementResult::Found) {
            ASSERT_TRUE(PairsClearPositions(board.Geometry, present, placement.Pairs)) << "position " << position;
        }
        ++(placement.Result == PlacementResult::Found ? found : impossible);
    }
    EXPECT_GT(found, 0);
    EXPECT_GT(impossible, 0);
}

// Offered exactly when the game in normal play can no longer be won.
TEST_F(Shuffle, IsOfferedOnlyWhenNormalPlayIsStuck)
{
    struct Case {
        const char* Name;
        ShuffleConditions Conditions;
        bool Offered;
    };
    const auto stuck = [](auto change) {
        ShuffleConditions conditions{.DealExists = true, .NoMovePossible = true};
        change(conditions);
        return conditions;
    };
    const std::vector<Case> cases = {
        {"no free pair left", stuck([](auto&) {}), true},
        {"the solver says lost", stuck([](auto& c) { c.NoMovePossible = false; c.Verdict = SolverVerdict::Lost; }), true},
        {"free pairs, not decided", stuck([](auto& c) { c.NoMovePossible = false; }), false},
        {"free pairs, winnable", stuck([](auto& c) { c.NoMovePossible = false; c.Verdict = SolverVerdict::Winnable; }), false},
        {"in peek mode", stuck([](auto& c) { c.PeekMode = true; }), false},
        {"while a deal is built", stuck([](auto& c) { c.Building = true; }), false},
        {"after a win", stuck([](auto& c) { c.GameWon = true; }), false},
        {"before any deal", stuck([](auto& c) { c.DealExists = false; }), false},
    };
    for (const Case& c : cases) EXPECT_EQ(ShuffleIsAvailable(c.Conditions), c.Offered) << c.Name;
}

} // namespace
} // namespace tessaron
