// The shuffle as a step of the game: undo, redo and restart across it, the deal kept as
// dealt, and the cost of a hint. (The arrangements themselves are checked in tests/board.)
#include "PlayBench.h"

#include "board/Rules.h"
#include "records/GameRecord.h"
#include "records/ProgressRecord.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaron {
namespace {

class ShuffleInPlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        bench.Clock.ToggleTimingActive(bench.Settings);
        bench.Deals.Deals.push_back(DeadEndDeal(1));
        bench.Start();
        bench.Move(88, 114);  // the dead end; the clock runs
        bench.Time.AdvanceSeconds(5);
    }
    ShuffleOutcome Shuffle()
    {
        SeededRandomSource random(11);
        return bench.Model.ShuffleTiles(random);
    }
    PlayBench bench;
    Play& model = bench.Model;
    const TileArray dealt = DeadEndDeal(1);
};

TEST_F(ShuffleInPlay, UndoTakesItBackRedoRepeatsItAndRestartDealsAsDealt)
{
    ASSERT_TRUE(model.AvailableCommands().Shuffle);
    const ShuffleOutcome outcome = Shuffle();
    ASSERT_EQ(outcome.Result, ShuffleResult::Shuffled);
    EXPECT_EQ(model.TileFaces(), outcome.Faces);
    EXPECT_NE(model.TileFaces(), dealt);
    EXPECT_EQ(bench.Sound.Events.back(), SoundTileInsertion);
    EXPECT_FALSE(bench.View.NoMovePossibleShown);
    EXPECT_FALSE(model.AvailableCommands().Shuffle);
    EXPECT_TRUE(model.AvailableCommands().Undo);

    model.UndoLastMove();  // the shuffle: the faces return, the move stays
    EXPECT_EQ(model.TileFaces(), dealt);
    EXPECT_EQ(model.RemovedCount(), 2);
    EXPECT_TRUE(bench.View.NoMovePossibleShown);
    model.UndoLastMove();  // the move
    EXPECT_EQ(model.RemovedCount(), 0);
    model.RedoNextMove();
    model.RedoNextMove();
    EXPECT_EQ(model.RemovedCount(), 2);
    EXPECT_EQ(model.TileFaces(), outcome.Faces);
    EXPECT_FALSE(model.AvailableCommands().Redo);

    const SolverMove first = outcome.Moves.front();
    bench.Move(first.First, first.Second);
    ASSERT_EQ(model.RemovedCount(), 4);
    model.RestartGame();
    EXPECT_EQ(model.TileFaces(), dealt);
    EXPECT_EQ(bench.View.VisibleCount(), 144);
    // Redo walks the whole way again, shuffle included.
    for (int step = 0; step < 3; ++step) model.RedoNextMove();
    EXPECT_EQ(model.RemovedCount(), 4);
    EXPECT_EQ(model.TileFaces(), outcome.Faces);
    // A game kept or saved holds the deal as dealt.
    EXPECT_EQ(model.DealtFaces(), dealt);
    model.GameSave();
    EXPECT_EQ(bench.Settings.LoadRegistryString("Board", "Game", ""),
              ConvertTilesToString(dealt, bench.Report.Errors));
}

// A shuffle costs what a hint costs: the clock is reset and stays off, and the win does not
// reach the hall of fame; a restart lifts the cost, and redoing the shuffle pays it again.
TEST_F(ShuffleInPlay, CountsLikeAHintUntilARestart)
{
    const ShuffleOutcome outcome = Shuffle();
    ASSERT_EQ(outcome.Result, ShuffleResult::Shuffled);
    EXPECT_TRUE(model.HintUsed());
    EXPECT_FALSE(bench.Timer.IsActive());
    EXPECT_EQ(bench.View.TimeGone, "");
    for (const SolverMove& move : outcome.Moves) bench.Move(move.First, move.Second);
    EXPECT_TRUE(model.GameWon());
    EXPECT_TRUE(bench.HallOfFame.Calls.empty());
    EXPECT_EQ(bench.Sound.Events.back(), SoundGameWon);
    EXPECT_FALSE(model.AvailableCommands().Shuffle);

    model.RestartGame();
    EXPECT_FALSE(model.HintUsed());
    model.RedoNextMove();
    EXPECT_FALSE(model.HintUsed());
    model.RedoNextMove();
    EXPECT_EQ(model.TileFaces(), outcome.Faces);
    EXPECT_TRUE(model.HintUsed());
}

// A kept progress holds the shuffles: the next run lies the same faces out, and undo takes
// the shuffle back to the faces as dealt, redo lays it out again.
TEST_F(ShuffleInPlay, KeptProgressHoldsTheShuffle)
{
    const ShuffleOutcome outcome = Shuffle();
    ASSERT_EQ(outcome.Result, ShuffleResult::Shuffled);
    bench.Move(outcome.Moves[0].First, outcome.Moves[0].Second);
    model.GameSave();
    SaveGameProgress(bench.Settings, model.Progress());

    PlayBench next;
    next.Store = bench.Store;
    next.Model.ResumeSavedGame();
    const std::optional<GameProgress> kept = LoadGameProgress(next.Settings, next.Geometry, next.Model.TileFaces());
    ASSERT_TRUE(kept);
    EXPECT_EQ(*kept, model.Progress());
    ASSERT_TRUE(next.Model.RestoreProgress(*kept));
    EXPECT_EQ(next.Model.TileFaces(), outcome.Faces);
    EXPECT_EQ(next.View.Visible, bench.View.Visible);
    TileArray shown = outcome.Faces;  // the faces drawn on the tiles in play
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (next.View.Visible[tile]) shown[tile] = next.View.Faces[tile];
    EXPECT_EQ(shown, outcome.Faces);
    EXPECT_TRUE(next.Model.HintUsed());
    next.Model.UndoLastMove();  // the move
    next.Model.UndoLastMove();  // the shuffle
    EXPECT_EQ(next.Model.RemovedCount(), 2);
    EXPECT_EQ(next.Model.TileFaces(), dealt);
    EXPECT_TRUE(next.View.NoMovePossibleShown);
    next.Model.RedoNextMove();
    next.Model.RedoNextMove();
    EXPECT_EQ(next.Model.TileFaces(), outcome.Faces);
    EXPECT_EQ(next.Model.RemovedCount(), 4);

    // Taken back before the close, the shuffle waits for redo in the next run too.
    model.UndoLastMove();
    model.UndoLastMove();
    const GameProgress waiting = model.Progress();
    const auto decoded = DecodeProgress(EncodeProgress(waiting), "000000", bench.Geometry, dealt,
                                        EncodeProgressShuffles(waiting));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, waiting);
    EXPECT_EQ(decoded->ShufflesDone, 0);
}

// A damaged shuffle refuses the whole progress.
TEST_F(ShuffleInPlay, DamagedShufflesRefuseTheProgress)
{
    const ShuffleOutcome outcome = Shuffle();
    ASSERT_EQ(outcome.Result, ShuffleResult::Shuffled);
    bench.Move(outcome.Moves[0].First, outcome.Moves[0].Second);
    const GameProgress played = model.Progress();
    const std::string progress = EncodeProgress(played);
    const std::string good = EncodeProgressShuffles(played);  // "1|2,<presence><faces>"
    ASSERT_TRUE(DecodeProgress(progress, "000000", bench.Geometry, dealt, good));
    // Without its shuffle the move after it does not fit the faces as dealt.
    EXPECT_FALSE(DecodeProgress(progress, "000000", bench.Geometry, dealt));

    const std::size_t presence = good.find(',') + 1;
    const std::size_t faces = presence + TileCount;
    const auto replaced = [&](std::size_t at, char c) { return good.substr(0, at) + c + good.substr(at + 1); };
    const auto swapped = [&](std::int32_t a, std::int32_t b) {
        std::string text = good;
        std::swap(text[faces + std::size_t(a - 1)], text[faces + std::size_t(b - 1)]);
        return text;
    };
    const std::int32_t gone = played.RemovedTiles[1];  // a tile of the move made before the shuffle
    std::int32_t inPlay = 0;  // a tile in play whose face differs from gone's
    for (std::int32_t tile = 1; tile <= TileCount && inPlay == 0; ++tile)
        if (played.Shuffles[0].Present[tile] && TilesAreNotMatching(outcome.Faces, tile, gone)) inPlay = tile;
    struct Case {
        const char* What;
        std::string Shuffles;
    };
    for (const Case& c : std::vector<Case>{
             {"no done count", good.substr(good.find('|'))},
             {"more done than made", "2" + good.substr(1)},
             {"no shuffle after the count", "0"},
             {"an odd count", "1|3" + good.substr(good.find(','))},
             {"a count past the position", "1|6" + good.substr(good.find(','))},
             {"a presence that is not 0 or 1", replaced(presence, '2')},
             {"a presence other than the board's", replaced(presence + std::size_t(gone - 1), '1')},
             {"a face changed on a removed tile", swapped(gone, inPlay)},
             {"a face that is no face", replaced(faces, '~')},
             {"faces too short", good.substr(0, good.size() - 1)},
             {"a trailing separator", good + "|"},
             {"a leading zero", "01" + good.substr(1)},
         }) {
        EXPECT_FALSE(DecodeProgress(progress, "000000", bench.Geometry, dealt, c.Shuffles)) << c.What;
    }
}

// What the history counts of a game since it started: pairs taken off by Do move and redo,
// undos (a shuffle's too), hints charged and shuffles made; a restart is the same game, a new
// deal another one with nothing counted.
TEST_F(ShuffleInPlay, CountsWhatThePlayerDidSinceTheGameStarted)
{
    const std::uint32_t game = model.GamesStarted();
    EXPECT_EQ(model.Counts(), (PlayCounts{1, 0, 0, 0}));
    ASSERT_EQ(Shuffle().Result, ShuffleResult::Shuffled);
    model.UndoLastMove();  // the shuffle
    model.UndoLastMove();  // the move
    model.RedoNextMove();  // the move again
    model.RedoNextMove();  // the shuffle again: not made anew
    ASSERT_TRUE(model.AvailableCommands().Hint);
    model.CountHint();
    model.RestartGame();
    EXPECT_EQ(model.Counts(), (PlayCounts{2, 2, 1, 1}));
    EXPECT_EQ(model.GamesStarted(), game);
    bench.Deals.Deals.push_back(DeadEndDeal(2));
    bench.Start();
    EXPECT_EQ(model.Counts(), PlayCounts{});
    EXPECT_EQ(model.GamesStarted(), game + 1);
}

// Not offered, and refused when asked, while play goes on or in peek mode.
TEST(ShuffleOffered, OnlyWhenTheGameCannotBeWonOutsidePeekMode)
{
    PlayBench bench;
    bench.Start();
    SeededRandomSource random(3);
    EXPECT_FALSE(bench.Model.AvailableCommands().Shuffle);
    EXPECT_TRUE(bench.Model.AvailableCommands(SolverVerdict::Lost).Shuffle);
    bench.Model.SelectTile(bench.Deal.Pair(72).first);
    bench.Model.Peek();
    EXPECT_FALSE(bench.Model.AvailableCommands(SolverVerdict::Lost).Shuffle);
    const TileArray before = bench.Model.TileFaces();
    EXPECT_EQ(bench.Model.ShuffleTiles(random).Result, ShuffleResult::NotFound);
    EXPECT_EQ(bench.Model.TileFaces(), before);
}

} // namespace
} // namespace tessaron
