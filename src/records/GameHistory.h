#pragma once
// The history of every game started: one row per game, written when it starts and again
// when it ends. The game talks to this interface only; the real store is a SQLite file
// (SqliteGameHistory), tests use a double. A store that cannot be used tells its trouble
// once, through HistoryTrouble, and then answers as an empty history that keeps nothing.
#include "board/DealDifficulty.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessaron {

// Stored as these numbers; never renumber.
enum class GameOutcome { Playing = 0, Won = 1, Stuck = 2, Abandoned = 3 };

struct GameRow {
    std::int64_t Id = 0;                   // given by the store
    std::string Started;                   // local moment, "yyyymmddhhnnss"
    std::string LayoutKey;
    std::int32_t Number = 0;               // 0: a deal without a number
    std::optional<DealBand> Band;          // nothing: not rated
    std::optional<std::int32_t> DailyDay;  // the CalendarDay of a deal of the day
    GameOutcome Outcome = GameOutcome::Playing;
    std::int64_t TimeMs = 0;               // time played; 0 when not known
    std::int32_t Moves = 0;
    std::int32_t Undos = 0;
    std::int32_t Hints = 0;
    std::int32_t Shuffles = 0;
    bool PeekUsed = false;
    bool ClockOn = false;
    bool operator==(const GameRow&) const = default;
};

enum class HistoryFaultKind { CannotOpen = 1, Damaged, WriteFailed, NewerVersion };

struct HistoryFault {
    HistoryFaultKind Kind = HistoryFaultKind::CannotOpen;
    std::string Path;
    std::string Detail;  // the database's own words, may be empty
};

// The message for the player in the language whose strings start at stringBase.
std::string HistoryFaultText(const HistoryFault& fault, int stringBase);

// Where the store tells the window, once per run, that it cannot keep the history.
class HistoryTrouble {
public:
    virtual ~HistoryTrouble() = default;
    virtual void HistoryUnavailable(const HistoryFault& fault) = 0;
};

class GameHistory {
public:
    virtual ~GameHistory() = default;
    // Keeps a game just started (its Outcome is taken as Playing) and gives its id; 0 when
    // the history is not available. A game still Playing when the store is next opened was
    // cut off (the program was killed) and counts as abandoned.
    virtual std::int64_t StartGame(const GameRow& game) = 0;
    // Writes how game id ended: outcome, time and the counters of game (the rest is kept).
    // False when nothing was written: no game id is kept (or the history is not available).
    virtual bool FinishGame(std::int64_t id, const GameRow& game) = 0;
    // Every game kept, in the order they were started.
    virtual std::vector<GameRow> Games() = 0;
    // Forgets every game.
    virtual void Reset() = 0;
    virtual bool Available() const = 0;
};

} // namespace tessaron
