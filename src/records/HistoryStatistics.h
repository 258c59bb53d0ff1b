#pragma once
// What the statistics window shows, worked out from the rows of the history.
#include "records/GameHistory.h"

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace tessaron {

// Over the games that ended (won, stuck or abandoned); a game still playing is not counted.
struct GameStatistics {
    std::int32_t Played = 0;
    std::int32_t Won = 0;
    double WinRate = 0.0;  // Won / Played, 0 with nothing played
    // Wins in a row among the games in start order: the run at the end, and the longest.
    std::int32_t CurrentStreak = 0;
    std::int32_t BestStreak = 0;
    // Over the won games with a known time; 0 when there is none.
    std::int64_t BestTimeMs = 0;
    std::int64_t AverageTimeMs = 0;
    bool operator==(const GameStatistics&) const = default;
};

struct HistorySummary {
    GameStatistics All;
    std::map<std::string, GameStatistics> PerLayout;  // by layout key
    std::array<GameStatistics, DealBandCount> PerBand{};
    // Deals of the day: their days (CalendarDay values, ascending, each once).
    std::vector<std::int32_t> DailyDaysPlayed;
    std::vector<std::int32_t> DailyDaysWon;
    std::int32_t DailyCurrentStreak = 0;
    std::int32_t DailyBestStreak = 0;
    // The times of the last won games with a known time, oldest first.
    std::vector<std::int64_t> LastWonTimesMs;
};

inline constexpr std::size_t LastWonTimesShown = 30;

// games in start order; today is the CalendarDay of the local date.
HistorySummary SummarizeHistory(std::span<const GameRow> games, std::int32_t today,
                                std::size_t lastWonCount = LastWonTimesShown);

} // namespace tessaron
