#pragma once
// The made-up history of the history benchmarks: 10,000 games over four layouts and every
// band, a third of them deals of the day, most of them won.
#include "records/GameHistory.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace tessaron {

constexpr std::int32_t HistoryGames = 10000;
constexpr std::array<const char*, 4> Layouts{"classic", "open-plain", "diamond", "step-pyramid"};

inline GameRow PlayedGame(std::int32_t i)
{
    GameRow game;
    game.Started = "20260101120000";
    game.LayoutKey = Layouts[std::size_t(i % 4)];
    game.Number = i * 7919 % 2147483647 + 1;
    game.Band = DealBand(i % DealBandCount);
    if (i % 3 == 0) game.DailyDay = 20000 + i / 3;
    game.Outcome = i % 5 == 0 ? GameOutcome::Stuck : i % 7 == 0 ? GameOutcome::Abandoned : GameOutcome::Won;
    game.TimeMs = 90000 + (i * 104729) % 600000;
    game.Moves = 72 + i % 20;
    game.Undos = i % 9;
    game.ClockOn = i % 2 == 0;
    return game;
}

// A benchmark without its history measures nothing: it says why and ends.
struct StopOnHistoryTrouble final : HistoryTrouble {
    void HistoryUnavailable(const HistoryFault& fault) override
    {
        std::fprintf(stderr, "history unavailable: %s\n", fault.Detail.c_str());
        std::exit(1);
    }
};

} // namespace tessaron
