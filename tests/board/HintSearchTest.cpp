// The search behind Hint: the undo history solved backwards, and what an earlier answer tells
// about a later position. A scripted solve decides which positions of the history are winnable.
#include "board/HintSearch.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaron {
namespace {

struct HistoryCase {
    int Moves;
    int LastWinnable;   // positions after at most this many moves are winnable; -1: none
    int Undecided;      // the position after this many moves cannot be decided; -1: none
    bool KnownLost;
    SolverVerdict Verdict;
    SolverVerdict Earlier;
    int Undos;
};

TEST(HintSearch, HistoryIsSolvedBackwardsToTheNearestWinnablePosition)
{
    const HistoryCase cases[] = {
        {6, 3, -1, false, SolverVerdict::Lost, SolverVerdict::Winnable, 3},
        {6, 5, -1, true, SolverVerdict::Lost, SolverVerdict::Winnable, 1},
        {6, -1, -1, false, SolverVerdict::Lost, SolverVerdict::Lost, 0},
        {6, 1, 4, false, SolverVerdict::Lost, SolverVerdict::Undecided, 0},
        {6, 6, -1, false, SolverVerdict::Winnable, SolverVerdict::Undecided, 0},
    };
    for (const HistoryCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "moves " << c.Moves << ", last winnable " << c.LastWinnable);
        // Tile k was taken off k-th; after m moves tiles 1..2m are gone.
        PositionQuestion question{.RemovedCount = 2 * c.Moves, .CountUndos = true, .KnownLost = c.KnownLost};
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
            question.RemovedTiles[tile] = tile <= 2 * c.Moves ? tile : 0;
            question.Present[tile] = tile > 2 * c.Moves;
        }
        std::vector<int> asked;
        const PositionAnswer answer = AnswerPosition(question, [&](const TileArray&, const TilePresence& present) {
            int gone = 0;
            while (gone < TileCount && !present[gone + 1]) ++gone;
            // Undos put back the tiles taken off last, and nothing else.
            for (std::int32_t tile = gone + 1; tile <= TileCount; ++tile) EXPECT_TRUE(present[tile]) << tile;
            const int moves = gone / 2;
            asked.push_back(moves);
            const SolverVerdict verdict = moves == c.Undecided      ? SolverVerdict::Undecided
                                          : moves <= c.LastWinnable ? SolverVerdict::Winnable
                                                                    : SolverVerdict::Lost;
            return SolverAnswer{.Verdict = verdict, .Moves = {}};
        });
        EXPECT_EQ(answer.Verdict, c.Verdict);
        EXPECT_EQ(answer.Earlier, c.Earlier);
        EXPECT_EQ(answer.UndosToWinnable, c.Undos);
        // Nearest first, each position once, the current one only when not known.
        for (std::size_t i = 1; i < asked.size(); ++i) EXPECT_EQ(asked[i], asked[i - 1] - 1);
        ASSERT_FALSE(asked.empty());
        EXPECT_EQ(asked.front(), c.KnownLost ? c.Moves - 1 : c.Moves);
    }
}

// A shuffle is an undo step of its own: behind it the faces lie as before it.
TEST(HintSearch, UndosBehindAShuffleSeeTheFacesAsTheyLayThen)
{
    TileArray dealt{};
    TileArray shuffled{};
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        dealt[tile] = tile;
        shuffled[tile] = TileCount + 1 - tile;
    }
    // Three moves took tiles 1..6; the shuffle came after the second.
    PositionQuestion question{.Faces = shuffled, .RemovedCount = 6, .CountUndos = true, .KnownLost = true};
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        question.RemovedTiles[tile] = tile <= 6 ? tile : 0;
        question.Present[tile] = tile > 6;
    }
    TilePresence afterTwo{};
    for (std::int32_t tile = 5; tile <= TileCount; ++tile) afterTwo[tile] = true;
    question.Shuffles = {ShuffleStep{4, afterTwo, shuffled}};
    question.DealtFaces = dealt;

    std::vector<std::pair<bool, int>> asked;  // (dealt faces, tiles gone) of each position solved
    const PositionAnswer answer = AnswerPosition(question, [&](const TileArray& faces, const TilePresence& present) {
        const int gone = int(std::count(present.begin() + 1, present.end(), false));
        asked.emplace_back(faces == dealt, gone);
        // Only the position before the shuffle, with its own faces, can be won.
        const bool winnable = faces == dealt && gone == 4;
        return SolverAnswer{.Verdict = winnable ? SolverVerdict::Winnable : SolverVerdict::Lost, .Moves = {}};
    });
    EXPECT_EQ(answer.Earlier, SolverVerdict::Winnable);
    EXPECT_EQ(answer.UndosToWinnable, 2);
    EXPECT_EQ(asked, (std::vector<std::pair<bool, int>>{{false, 4}, {true, 4}}));
    EXPECT_FALSE(PositionAfterUndos(question, 5));  // three moves and a shuffle, no more
    const std::optional<EarlierPosition> start = PositionAfterUndos(question, 4);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->Faces, dealt);
    EXPECT_EQ(std::count(start->Present.begin() + 1, start->Present.end(), true), TileCount);
}

TEST(HintSearch, LaterPositionsFollowFromAnEarlierAnswerOnlyAfterMoves)
{
    TilePresence before{};
    before.fill(true);
    const PositionAnswer winnable{.Verdict = SolverVerdict::Winnable, .Moves = {{10, 20}, {30, 40}}};
    const PositionAnswer lost{.Verdict = SolverVerdict::Lost, .Moves = {}};

    auto without = [&](std::initializer_list<std::int32_t> tiles) {
        TilePresence after = before;
        for (std::int32_t tile : tiles) after[tile] = false;
        return after;
    };
    const std::optional<PositionAnswer> rest = AnswerAfterMoves(winnable, before, without({20, 10}));
    ASSERT_TRUE(rest);
    EXPECT_EQ(rest->Verdict, SolverVerdict::Winnable);
    ASSERT_EQ(rest->Moves.size(), 1u);
    EXPECT_EQ(rest->Moves[0].First, 30);
    EXPECT_FALSE(AnswerAfterMoves(winnable, before, without({30, 40})));  // another pair: unknown

    const std::optional<PositionAnswer> stillLost = AnswerAfterMoves(lost, before, without({5, 6, 7, 8}));
    ASSERT_TRUE(stillLost);
    EXPECT_EQ(stillLost->Verdict, SolverVerdict::Lost);
    // An undo brings tiles back: nothing follows, whatever was known.
    EXPECT_FALSE(AnswerAfterMoves(lost, without({5, 6}), before));
    EXPECT_FALSE(AnswerAfterMoves(lost, before, before));
    // A peek lifts one tile, which no move does: nothing follows either.
    EXPECT_FALSE(AnswerAfterMoves(lost, before, without({5})));
    EXPECT_FALSE(AnswerAfterMoves(lost, before, without({5, 6, 7})));
}

} // namespace
} // namespace tessaron
