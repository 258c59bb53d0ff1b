// The end of a move: a dead end, a win, and the hand-over to the hall of fame.
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
    EXPECT_TRUE(bench.Timer.IsActive());
    bench.Time.AdvanceSeconds(1);
    bench.Timer.Tick();
    EXPECT_EQ(bench.View.TimeGone, "0m26s");
    bench.Model.RedoNextMove();
    EXPECT_TRUE(bench.View.NoMovePossibleShown);
    EXPECT_EQ(bench.Sound.Events.back(), SoundGameLost);
}

class WinAgainstTheClock : public ::testing::Test {
protected:
    void SetUp() override
    {
        bench.Clock.ToggleTimingActive(bench.Settings);
        bench.Start();
    }
    void PlayToTheEnd()
    {
        for (int k = 72; k >= 1; --k) {
            bench.Time.AdvanceSeconds(2);
            bench.MovePair(k);
        }
    }
    PlayBench bench;
};

TEST_F(WinAgainstTheClock, HandsTheTimeTheDealAndTheMovesToTheHallOfFameOnce)
{
    PlayToTheEnd();
    ASSERT_EQ(bench.HallOfFame.Calls.size(), 1u);
    const auto& call = bench.HallOfFame.Calls.front();
    EXPECT_NEAR(call.GameTime * 86400.0, 71 * 2, 1e-3);  // from the first move to the last
    EXPECT_DOUBLE_EQ(call.GameTimeNow, bench.Time.Now());
    EXPECT_EQ(call.Faces, bench.Deal.Faces);
    EXPECT_EQ(call.Removed, bench.Model.RemovedTiles());
    EXPECT_EQ(bench.View.TimeGone, "2m22s");
    EXPECT_FALSE(bench.Timer.IsActive());
    EXPECT_EQ(bench.Sound.Events.back(), SoundGameWon);  // not entered: the usual won sound
}

// The hall of fame's answer decides what follows the win; answers 1 to 3 raise no won sound.
TEST_F(WinAgainstTheClock, HallOfFameAnswerDecidesWhatFollows)
{
    const TileArray other = DeadEndDeal(1);
    const std::string otherRecord = ConvertTilesToString(other, bench.Report.Errors);
    struct Case {
        std::int32_t Answer;
        std::string Tiles;
        bool NewDeal;
        std::int32_t Sound;
        OriginKind Kind;
    };
    for (const Case& c : {Case{HallOfFameClosed, "", false, 0, OriginKind::Origin},
                          Case{HallOfFameNewGame, "", true, SoundNewGame, OriginKind::NewGame},
                          Case{HallOfFameChallenge, otherRecord, false, SoundReplayGame, OriginKind::Origin},
                          Case{HallOfFameChallenge, "damaged", true, SoundNewGame, OriginKind::NewGame}}) {
        bench.Start();
        bench.HallOfFame.Answer = c.Answer;
        bench.HallOfFame.Tiles = c.Tiles;
        bench.HallOfFame.Origin = "Somebody";
        const int builds = bench.Deals.Builds;
        PlayToTheEnd();
        EXPECT_EQ(bench.Deals.Builds, builds + (c.NewDeal ? 1 : 0)) << c.Answer << c.Tiles;
        EXPECT_EQ(bench.View.Kind, c.Kind) << c.Answer << c.Tiles;
        if (c.Answer == HallOfFameClosed) {  // the board stays won, under the entry's origin
            EXPECT_EQ(bench.View.Origin, "Somebody");
            EXPECT_EQ(bench.Model.RemovedCount(), 144);
            EXPECT_NE(bench.Sound.Events.back(), SoundGameWon);
            continue;
        }
        EXPECT_EQ(bench.Sound.Events.back(), c.Sound) << c.Answer << c.Tiles;
        EXPECT_EQ(bench.View.VisibleCount(), 144);
        EXPECT_FALSE(bench.View.GameWonShown);
        if (c.Tiles == otherRecord) {
            EXPECT_EQ(bench.Model.TileFaces(), other);
        }
    }
}

} // namespace
} // namespace tessaron
