// The board model on deals whose course is known: selection, moves, undo, redo, peek, the
// clock, a dead end, a win handed to the hall of fame, the game kept between two runs.
// (fuzz_settings_board checks how the clock option is read and stored for any text.)
#include "PlayBench.h"

#include "board/Rules.h"
#include "records/GameRecord.h"
#include "window/TimeGone.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaron {
namespace {

class Moves : public ::testing::Test {
protected:
    void SetUp() override { bench.Start(); }
    PlayBench bench;
    Play& model = bench.Model;
};

// (Random play on the board window checks each tile's selected look after every action.)
TEST_F(Moves, SelectionRefusesDeselectsAndReplacesWithItsSounds)
{
    bench.Deals.Deals.push_back(ThreeFreeOfOneFace(bench.Deal.Faces));  // 88, 114, 144; 1 differs
    bench.Start();
    EXPECT_FALSE(model.SelectTile(2));  // under the top tile
    EXPECT_EQ(model.SelectedTile1(), 0);
    ASSERT_TRUE(model.SelectTile(88));
    EXPECT_FALSE(model.SelectTile(1));  // free, but another face
    EXPECT_TRUE(model.SelectTile(114));
    // A third matching tile replaces the second.
    EXPECT_TRUE(model.SelectTile(144));
    EXPECT_EQ(model.SelectedTile2(), 144);
    // Clicking the first tile again makes the second the first.
    EXPECT_TRUE(model.SelectTile(88));
    EXPECT_EQ(model.SelectedTile1(), 144);
    EXPECT_EQ(model.SelectedTile2(), 0);
    EXPECT_EQ(bench.Sound.Events, (std::vector<std::int32_t>{SoundTileLocked, SoundTileSelected, SoundTileLocked,
                                                             SoundTileSelected, SoundTileSelected, SoundTileSelected}));
}

// Undo shows the first-selected tile again before its partner. (Random play on the board
// window checks the available commands and the tile count after every action.)
TEST_F(Moves, SecondSelectedTileIsRecordedFirstAndUnavailableCommandsChangeNothing)
{
    model.DoMove();
    model.Peek();
    model.UndoLastMove();
    model.RedoNextMove();
    model.RestartGame();
    EXPECT_EQ(bench.View.VisibleCount(), 144);
    EXPECT_TRUE(bench.Sound.Events.empty());

    const auto [first, second] = bench.Deal.Pair(72);
    bench.Move(first, second);
    EXPECT_EQ(model.RemovedTiles()[1], second);
    EXPECT_EQ(model.RemovedTiles()[2], first);
    EXPECT_EQ(bench.Sound.Events.back(), SoundTileRemoval);
    bench.View.Draws.clear();
    model.UndoLastMove();
    EXPECT_EQ(bench.View.Draws, (std::vector<std::int32_t>{first, second}));
    EXPECT_EQ(bench.Sound.Events.back(), SoundTileInsertion);
}

// Redo replays the undone moves, after an undo as after a restart; a new move after an
// undo drops the rest of the redo list.
TEST_F(Moves, RedoReplaysTheUndoneMovesUntilANewMove)
{
    for (int k : {72, 71, 70}) bench.MovePair(k);
    const TileArray removed = model.RemovedTiles();
    model.UndoLastMove();
    const TilePresence afterOneUndo = model.Presence();
    model.UndoLastMove();
    bench.Sound.Clear();
    model.RedoNextMove();
    EXPECT_EQ(bench.View.Visible, afterOneUndo);
    EXPECT_EQ(bench.Sound.Events, (std::vector<std::int32_t>{SoundTileSelected, SoundTileSelected, SoundTileRemoval}));

    model.RestartGame();
    EXPECT_EQ(bench.View.VisibleCount(), 144);
    EXPECT_EQ(bench.Sound.Events.back(), SoundRestartGame);
    for (int step = 0; step < 3; ++step) model.RedoNextMove();
    EXPECT_EQ(model.RemovedCount(), 6);
    EXPECT_FALSE(model.AvailableCommands().Redo);
    EXPECT_TRUE(std::equal(removed.begin(), removed.begin() + 7, model.RemovedTiles().begin()));
    EXPECT_EQ(bench.Timer.Starts, 0) << "the clock option is off";

    model.UndoLastMove();
    model.UndoLastMove();
    bench.MovePair(71);
    EXPECT_EQ(model.RemovedCountMax(), 4);
    EXPECT_FALSE(model.AvailableCommands().Redo);
}

// Peek with a tile selected outside peek mode arms peek mode like the menu command (so undo
// never works on an odd removal list) and resets the clock; after a restart, redo must not
// take that single lift off as a move.
TEST_F(Moves, PeekOutsidePeekModeArmsItAndRedoStopsAtTheSingleLift)
{
    bench.Clock.ToggleTimingActive(bench.Settings);
    bench.MovePair(72);
    bench.MovePair(71);
    model.UndoLastMove();
    bench.Time.AdvanceSeconds(3);
    bench.Timer.Tick();
    ASSERT_EQ(bench.View.TimeGone, "3s");
    const std::int32_t partner = bench.Deal.Pair(71).first;
    std::int32_t stranger = 0;
    for (std::int32_t tile = 1; tile <= TileCount && stranger == 0; ++tile)
        if (model.IsPresent(tile) && !model.IsLocked(tile) && TilesAreNotMatching(model.TileFaces(), tile, partner))
            stranger = tile;
    ASSERT_NE(stranger, 0);
    model.SelectTile(stranger);
    model.Peek();
    EXPECT_TRUE(model.PeekMode());
    EXPECT_EQ(model.RemovedCount(), 3);
    EXPECT_FALSE(model.AvailableCommands().Undo);
    EXPECT_FALSE(bench.Timer.IsActive());
    EXPECT_EQ(bench.View.TimeGone, "");

    model.RestartGame();
    model.RedoNextMove();  // the first move is intact
    model.RedoNextMove();
    EXPECT_EQ(model.RemovedCount(), 2);
    EXPECT_FALSE(model.AvailableCommands().Redo);
    EXPECT_TRUE(bench.View.Visible[stranger]);
    EXPECT_TRUE(bench.View.Visible[partner]);
}

double Seconds(double s) { return s / 86400.0; }

// Seconds below 24 seconds, then minutes and seconds within the hour. The elapsed time is the
// difference of two clock readings, which is not exact: 24 seconds must still switch the form.
TEST(TimeGoneText, ShowsSecondsUnder24SecondsThenMinutesWithinTheHour)
{
    PlayBench bench;
    const double start = 45000.0 + Seconds(12345);
    for (const auto& [seconds, text] : std::vector<std::pair<int, std::string>>{
             {7, "7s"}, {23, "23s"}, {24, "0m24s"}, {65, "1m05s"}, {3600, "0m00s"}, {3725, "2m05s"}}) {
        EXPECT_EQ(FormatTimeGone(Seconds(seconds), bench.Texts), text);
        EXPECT_EQ(FormatTimeGone((start + Seconds(seconds)) - start, bench.Texts), text);
    }
}

class ClockOverAGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        bench.Clock.ToggleTimingActive(bench.Settings);
        bench.Start();
    }
    PlayBench bench;
};

// The wall clock set back an hour in mid-game: the time shown and the time ranked run on
// as if nothing happened; only the moment of solving follows the wall clock.
TEST_F(ClockOverAGame, WallClockSetBackChangesNeitherTheTimeShownNorTheTimeRanked)
{
    bench.MovePair(72);
    bench.Time.AdvanceSeconds(10);
    bench.Time.SetWallClockBySeconds(-3600);
    bench.Time.AdvanceSeconds(1);
    bench.Timer.Tick();
    EXPECT_EQ(bench.View.TimeGone, "11s");
    for (int k = 71; k >= 1; --k) {
        bench.Time.AdvanceSeconds(1);
        bench.MovePair(k);
    }
    ASSERT_EQ(bench.HallOfFame.Calls.size(), 1u);
    EXPECT_NEAR(bench.HallOfFame.Calls[0].GameTime, Seconds(11 + 71), Seconds(1) / 100);
    EXPECT_DOUBLE_EQ(bench.HallOfFame.Calls[0].GameTimeNow, bench.Time.Now());
    EXPECT_EQ(bench.View.TimeGone, "1m22s");
}

// Undo back to the full board neither stops nor resets the clock, a restart does; either
// way the next move sets it up afresh, so the time before that move does not count.
TEST_F(ClockOverAGame, UndoToTheFullBoardLeavesTheClockAloneAndRestartResetsIt)
{
    bench.MovePair(72);
    bench.Time.AdvanceSeconds(10);
    bench.Timer.Tick();
    bench.Model.UndoLastMove();
    EXPECT_TRUE(bench.Timer.IsActive());
    EXPECT_EQ(bench.View.TimeGone, "10s");
    bench.Time.AdvanceSeconds(5);
    bench.MovePair(72);
    bench.Time.AdvanceSeconds(2);
    bench.Timer.Tick();
    EXPECT_EQ(bench.View.TimeGone, "2s");

    bench.Model.RestartGame();
    EXPECT_FALSE(bench.Timer.IsActive());
    EXPECT_EQ(bench.View.TimeGone, "");
    bench.Time.AdvanceSeconds(7);
    bench.MovePair(72);
    bench.Time.AdvanceSeconds(3);
    bench.Timer.Tick();
    EXPECT_EQ(bench.View.TimeGone, "3s");
}

// A dead end shows the label, raises its sound and stops the clock; undo resumes the clock
// with the time spent stuck, and redo makes the dead-end test again.
TEST_F(ClockOverAGame, DeadEndStopsTheClockUntilAnUndoAndRedoFindsItAgain)
{
    bench.Deals.Deals.push_back(DeadEndDeal(2));
    bench.Start();
    bench.Move(88, 114);  // the clock starts here
    bench.Time.AdvanceSeconds(5);
    bench.Move(89, 101);
    ASSERT_TRUE(bench.View.NoMovePossibleShown);
    EXPECT_EQ(bench.Sound.Events.back(), SoundGameLost);
    EXPECT_FALSE(bench.Timer.IsActive());

    bench.Time.AdvanceSeconds(20);
    bench.Model.UndoLastMove();
    EXPECT_FALSE(bench.View.NoMovePossibleShown);
    bench.Time.AdvanceSeconds(1);
    bench.Timer.Tick();
    EXPECT_EQ(bench.View.TimeGone, "0m26s");
    bench.Model.RedoNextMove();
    EXPECT_TRUE(bench.View.NoMovePossibleShown);
    EXPECT_EQ(bench.Sound.Events.back(), SoundGameLost);
}

// Each won game goes to the hall of fame once, with its deal and moves (its time is checked
// above); the answer decides what follows, and only a game the hall of fame did not show
// raises the won sound (the last move raises none).
TEST_F(ClockOverAGame, WonGameGoesToTheHallOfFameWhoseAnswerDecidesWhatFollows)
{
    const TileArray other = DeadEndDeal(1);
    const std::string otherRecord = ConvertTilesToString(other, bench.Report.Errors);
    struct Case {
        std::int32_t Answer;
        std::string Tiles;
        bool NewDeal;
        std::int32_t Sound;  // the last one raised
        OriginKind Kind;
    };
    std::size_t games = 0;
    for (const Case& c : {Case{HallOfFameNotShown, "", false, SoundGameWon, OriginKind::NewGame},
                          Case{HallOfFameClosed, "", false, SoundTileSelected, OriginKind::Origin},
                          Case{HallOfFameNewGame, "", true, SoundNewGame, OriginKind::NewGame},
                          Case{HallOfFameChallenge, otherRecord, false, SoundReplayGame, OriginKind::Origin},
                          Case{HallOfFameChallenge, "damaged", true, SoundNewGame, OriginKind::NewGame}}) {
        SCOPED_TRACE(testing::Message() << c.Answer << c.Tiles);
        bench.Start();
        bench.HallOfFame.Answer = c.Answer;
        bench.HallOfFame.Tiles = c.Tiles;
        bench.HallOfFame.Origin = "Somebody";
        const int builds = bench.Deals.Builds;
        for (int k = 72; k >= 1; --k) {
            bench.Time.AdvanceSeconds(2);
            bench.MovePair(k);
        }
        ASSERT_EQ(bench.HallOfFame.Calls.size(), ++games);
        EXPECT_EQ(bench.HallOfFame.Calls.back().Faces, bench.Deal.Faces);
        EXPECT_EQ(bench.Deals.Builds, builds + (c.NewDeal ? 1 : 0));
        EXPECT_EQ(bench.View.Kind, c.Kind);
        EXPECT_EQ(bench.Sound.Events.back(), c.Sound);
        const bool stays = c.Answer == HallOfFameNotShown || c.Answer == HallOfFameClosed;
        EXPECT_EQ(bench.View.GameWonShown, stays);
        EXPECT_EQ(bench.View.VisibleCount(), stays ? 0 : 144);
        if (stays) {  // the board stays won, the clock stopped
            EXPECT_EQ(bench.HallOfFame.Calls.back().Removed, bench.Model.RemovedTiles());
            EXPECT_FALSE(bench.Timer.IsActive());
        }
        if (c.Answer == HallOfFameClosed) {
            EXPECT_EQ(bench.View.Origin, "Somebody");
        }
        if (c.Tiles == otherRecord) {
            EXPECT_EQ(bench.Model.TileFaces(), other);
        }
    }
}

// Closing before the first deal leaves the stored game alone; a started game is stored and
// the next run resumes it from the full board; a solved game is not kept. (Origin and sound
// of a resumed game are checked on the board window.)
TEST(CurrentGame, OnlyAStartedUnsolvedGameIsKeptAndResumesFromTheFullBoard)
{
    PlayBench bench;
    const auto& stored = bench.Store.Values();
    bench.Store.Write("Board", "Game", "kept");
    bench.Store.Write("Board", "GameOrigin", "old");
    bench.Model.GameSave();
    EXPECT_EQ(stored.at({"Board", "Game"}), "kept");

    bench.Start();
    bench.MovePair(72);
    bench.Model.GameSave();
    EXPECT_EQ(stored.at({"Board", "Game"}), ConvertTilesToString(bench.Deal.Faces, bench.Report.Errors));
    EXPECT_EQ(stored.count({"Board", "GameOrigin"}), 0u);
    PlayBench next;  // the next run, on the same store
    next.Store = bench.Store;
    next.Model.ResumeSavedGame();
    EXPECT_EQ(next.Model.TileFaces(), bench.Deal.Faces);
    EXPECT_EQ(next.Deals.Builds, 0);
    EXPECT_EQ(next.View.VisibleCount(), 144);

    for (int k = 71; k >= 1; --k) bench.MovePair(k);
    bench.Model.GameSave();
    EXPECT_EQ(stored.count({"Board", "Game"}), 0u);
}

} // namespace
} // namespace tessaron
