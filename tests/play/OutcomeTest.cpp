// The end of a move: a dead end, a win and the hand-over to the hall of fame; and the game
// kept between two runs.
#include "PlayBench.h"

#include "records/GameRecord.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

// A dead end shows the label, raises its sound and stops the clock; undo resumes the clock
// with the time spent stuck, and redo makes the dead-end test again.
TEST(DeadEnd, StopsTheClockUntilAnUndoAndRedoFindsItAgain)
{
    PlayBench bench;
    bench.Clock.ToggleTimingActive(bench.Settings);
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

// Each game won against the clock goes to the hall of fame once, with its deal and moves
// (its time is checked in ClockOverAGame); the answer decides what follows, and only a
// game the hall of fame did not show raises the won sound.
TEST(WinAgainstTheClock, HallOfFameGetsTheGameAndItsAnswerDecidesWhatFollows)
{
    PlayBench bench;
    bench.Clock.ToggleTimingActive(bench.Settings);
    const TileArray other = DeadEndDeal(1);
    const std::string otherRecord = ConvertTilesToString(other, bench.Report.Errors);
    struct Case {
        std::int32_t Answer;
        std::string Tiles;
        bool NewDeal;
        std::int32_t Sound;  // 0: anything but the won sound
        OriginKind Kind;
    };
    std::size_t games = 0;
    for (const Case& c : {Case{HallOfFameNotShown, "", false, SoundGameWon, OriginKind::NewGame},
                          Case{HallOfFameClosed, "", false, 0, OriginKind::Origin},
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
        if (c.Sound == 0) {
            EXPECT_NE(bench.Sound.Events.back(), SoundGameWon);
        } else {
            EXPECT_EQ(bench.Sound.Events.back(), c.Sound);
        }
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

// (Origin and sound of a resumed game are checked on the board window.)
TEST(CurrentGame, ClosingAndStartingAgainResumesTheSameDealFromTheFullBoard)
{
    PlayBench bench;
    bench.Start();
    bench.MovePair(72);
    bench.Model.GameSave();
    const auto& stored = bench.Store.Values();
    EXPECT_EQ(stored.at({"Board", "Game"}), ConvertTilesToString(bench.Deal.Faces, bench.Report.Errors));
    EXPECT_EQ(stored.count({"Board", "GameOrigin"}), 0u);

    PlayBench next;  // the next run, on the same store
    next.Store = bench.Store;
    next.Model.ResumeSavedGame();
    EXPECT_EQ(next.Model.TileFaces(), bench.Deal.Faces);
    EXPECT_EQ(next.Deals.Builds, 0);
    EXPECT_EQ(next.View.VisibleCount(), 144);
    EXPECT_EQ(next.View.TileCount, 144);
}

// Closing before the first deal leaves the stored game alone; a solved game is not kept.
TEST(CurrentGame, OnlyAStartedUnsolvedGameReplacesTheStoredOne)
{
    PlayBench bench;
    bench.Store.Write("Board", "Game", "kept");
    bench.Store.Write("Board", "GameOrigin", "old");
    const auto& stored = bench.Store.Values();
    bench.Model.GameSave();
    EXPECT_EQ(stored.at({"Board", "Game"}), "kept");
    bench.Start();
    for (int k = 72; k >= 1; --k) bench.MovePair(k);
    bench.Model.GameSave();
    EXPECT_EQ(stored.count({"Board", "Game"}) + stored.count({"Board", "GameOrigin"}), 0u);
}

} // namespace
} // namespace tessaron
