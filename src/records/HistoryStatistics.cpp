#include "records/HistoryStatistics.h"

#include "board/DailyDeal.h"

#include <algorithm>

namespace tessaron {

namespace {

// A game in progress is not over yet; a deal left before anything was done on it (a new game
// asked for at once, a start closed again) was looked at, not played.
bool Counted(const GameRow& game)
{
    if (game.Outcome == GameOutcome::Playing) return false;
    return game.Outcome != GameOutcome::Abandoned || game.Moves > 0 || game.PeekUsed;
}

// Adds games one at a time, in start order.
struct StatisticsTally {
    GameStatistics Statistics;
    std::int64_t TimeTotalMs = 0;
    std::int32_t TimedWins = 0;

    void Add(const GameRow& game)
    {
        if (!Counted(game)) return;
        GameStatistics& s = Statistics;
        ++s.Played;
        if (game.Outcome != GameOutcome::Won) {
            s.CurrentStreak = 0;
            return;
        }
        ++s.Won;
        s.BestStreak = std::max(s.BestStreak, ++s.CurrentStreak);
        if (game.TimeMs > 0) {
            s.BestTimeMs = TimedWins == 0 ? game.TimeMs : std::min(s.BestTimeMs, game.TimeMs);
            TimeTotalMs += game.TimeMs;
            ++TimedWins;
        }
    }

    GameStatistics Result() const
    {
        GameStatistics s = Statistics;
        if (s.Played > 0) s.WinRate = double(s.Won) / s.Played;
        if (TimedWins > 0) s.AverageTimeMs = TimeTotalMs / TimedWins;
        return s;
    }
};

void SortDistinct(std::vector<std::int32_t>& days)
{
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
}

} // namespace

HistorySummary SummarizeHistory(std::span<const GameRow> games, std::int32_t today, std::size_t lastWonCount)
{
    StatisticsTally all;
    std::map<std::string, StatisticsTally> perLayout;
    std::array<StatisticsTally, DealBandCount> perBand;
    HistorySummary summary;
    std::vector<std::int64_t> wonTimes;
    for (const GameRow& game : games) {
        all.Add(game);
        perLayout[game.LayoutKey].Add(game);
        if (game.Band) perBand[std::size_t(*game.Band)].Add(game);
        if (game.DailyDay && Counted(game)) {
            summary.DailyDaysPlayed.push_back(*game.DailyDay);
            if (game.Outcome == GameOutcome::Won) summary.DailyDaysWon.push_back(*game.DailyDay);
        }
        if (game.Outcome == GameOutcome::Won && game.TimeMs > 0) wonTimes.push_back(game.TimeMs);
    }
    summary.All = all.Result();
    for (const auto& [key, tally] : perLayout)
        if (tally.Statistics.Played > 0) summary.PerLayout[key] = tally.Result();
    for (std::size_t band = 0; band < perBand.size(); ++band) summary.PerBand[band] = perBand[band].Result();
    SortDistinct(summary.DailyDaysPlayed);
    SortDistinct(summary.DailyDaysWon);
    summary.DailyCurrentStreak = CurrentDayStreak(summary.DailyDaysWon, today);
    summary.DailyBestStreak = BestDayStreak(summary.DailyDaysWon);
    const std::size_t shown = std::min(lastWonCount, wonTimes.size());
    summary.LastWonTimesMs.assign(wonTimes.end() - std::ptrdiff_t(shown), wonTimes.end());
    return summary;
}

} // namespace tessaron
