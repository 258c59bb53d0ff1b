// The game clock over a game, the clock option, and the texts of elapsed times.
#include "PlayBench.h"

#include "window/TimeGone.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

double Seconds(double s) { return s / 86400.0; }

TEST(TimeGoneText, ShowsSecondsUnder24SecondsThenMinutesWithinTheHour)
{
    PlayBench bench;
    EXPECT_EQ(FormatTimeGone(Seconds(7), bench.Texts), "7s");
    EXPECT_EQ(FormatTimeGone(Seconds(23), bench.Texts), "23s");
    EXPECT_EQ(FormatTimeGone(Seconds(24), bench.Texts), "0m24s");
    EXPECT_EQ(FormatTimeGone(Seconds(30), bench.Texts), "0m30s");
    EXPECT_EQ(FormatTimeGone(Seconds(65), bench.Texts), "1m05s");
    EXPECT_EQ(FormatTimeGone(Seconds(3725), bench.Texts), "2m05s");
}

// The difference of two clock readings is not exact; 24 seconds still switch the form.
TEST(TimeGoneText, ElapsedTimeFromTwoReadingsIsRoundedToWholeSeconds)
{
    PlayBench bench;
    for (int s = 0; s < 2 * 3600; s += 7) {
        const double start = 45000.0 + Seconds(12345);
        const double elapsed = (start + Seconds(s)) - start;
        const int withinHour = s % 3600;
        const std::string seconds = std::to_string(withinHour % 60);
        const std::string expected = s < 24 ? seconds + "s"
                                            : std::to_string(withinHour / 60) + "m" +
                                                  (withinHour % 60 < 10 ? "0" : "") + seconds + "s";
        ASSERT_EQ(FormatTimeGone(elapsed, bench.Texts), expected) << s;
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

TEST_F(ClockOverAGame, FirstMoveStartsFromZeroAndLaterMovesRunOn)
{
    bench.Time.AdvanceSeconds(100);  // time before the first move does not count
    bench.MovePair(72);
    EXPECT_TRUE(bench.Timer.IsActive());
    EXPECT_EQ(bench.View.TimeGone, "");  // first shown at the first tick
    bench.Time.AdvanceSeconds(1);
    bench.Timer.Tick();
    EXPECT_EQ(bench.View.TimeGone, "1s");
    bench.Time.AdvanceSeconds(29);
    bench.MovePair(71);
    bench.Timer.Tick();
    EXPECT_EQ(bench.View.TimeGone, "0m30s");
}

TEST_F(ClockOverAGame, RestartResetsAndTheNextMoveStartsFromZero)
{
    bench.MovePair(72);
    bench.Time.AdvanceSeconds(50);
    bench.Timer.Tick();
    bench.Model.RestartGame();
    EXPECT_FALSE(bench.Timer.IsActive());
    EXPECT_EQ(bench.View.TimeGone, "");
    bench.MovePair(72);
    bench.Time.AdvanceSeconds(2);
    bench.Timer.Tick();
    EXPECT_EQ(bench.View.TimeGone, "2s");
}

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

TEST(ClockOption, OffKeepsTheClockSilentForAWholeGame)
{
    PlayBench bench;
    bench.Start();
    for (int k = 72; k >= 1; --k) {
        bench.Time.AdvanceSeconds(1);
        bench.MovePair(k);
        EXPECT_FALSE(bench.Timer.Tick());
    }
    EXPECT_EQ(bench.Timer.Starts, 0);
    EXPECT_EQ(bench.View.TimeGone, "");
}

TEST(ClockOption, IsOnForAnyStoredTextButZero)
{
    PlayBench bench;
    bench.Clock.LoadTimingActive(bench.Settings);
    EXPECT_FALSE(bench.Clock.TimingActive());  // nothing stored
    for (const auto& [stored, on] : std::vector<std::pair<std::string, bool>>{{"1", true}, {"0", false}, {"", true}}) {
        bench.Store.Write("Board", "TimingActive", stored);
        bench.Clock.LoadTimingActive(bench.Settings);
        EXPECT_EQ(bench.Clock.TimingActive(), on) << '"' << stored << '"';
    }
}

TEST(ClockOption, ToggleStoresOneAndRemovesTheValueForZero)
{
    PlayBench bench;
    bench.Clock.ToggleTimingActive(bench.Settings);
    EXPECT_EQ(bench.Store.Values().at({"Board", "TimingActive"}), "1");
    bench.Clock.ToggleTimingActive(bench.Settings);
    EXPECT_FALSE(bench.Clock.TimingActive());
    EXPECT_EQ(bench.Store.Values().count({"Board", "TimingActive"}), 0u);
}

} // namespace
} // namespace tessaron
