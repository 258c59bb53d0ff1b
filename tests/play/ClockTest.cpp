// The game clock over a game and the texts of elapsed times. (How the clock option is read
// and stored is checked by fuzz_settings_board for any stored text.)
#include "PlayBench.h"

#include "window/TimeGone.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

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

} // namespace
} // namespace tessaron
