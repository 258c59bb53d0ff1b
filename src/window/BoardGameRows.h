#pragma once
// The history's row of the game on the board. A game gets its row when it starts; the row is
// written again when the game reaches its end (won, or stuck at a dead end) and when the
// player leaves it (a new game, a loaded one, closing): a game left in play is abandoned, one
// left at a dead end stays stuck. Won is final. The row follows the model: every change of the
// position reaches PositionChanged, and a new game shows as Play::GamesStarted moving on.
// A game whose progress is kept at close is not left: its row stays as it is and goes on at
// the next start when that progress is restored; when it is not, the row is abandoned then.
#include "board/Play.h"
#include "records/GameHistory.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tessaron {

class Clock;

// Keeps nothing and says it keeps nothing: the board without a history.
class NoGameHistory final : public GameHistory {
public:
    std::int64_t StartGame(const GameRow&) override { return 0; }
    bool FinishGame(std::int64_t, const GameRow&) override { return false; }
    std::vector<GameRow> Games() override { return {}; }
    void Reset() override {}
    bool Available() const override { return false; }
};

// What the row of a game kept at close has: its id and what FinishGame writes.
struct KeptGameRow {
    std::int64_t Id = 0;
    GameOutcome Outcome = GameOutcome::Playing;
    std::int64_t TimeMs = 0;
    PlayCounts Counts;
    bool PeekUsed = false;
    bool ClockOn = false;
    bool operator==(const KeptGameRow&) const = default;
};

// "id,outcome,time,moves,undos,hints,shuffles,peek,clock"; nothing from a damaged text.
std::string EncodeKeptGameRow(const KeptGameRow& kept);
std::optional<KeptGameRow> DecodeKeptGameRow(const std::string& text);

class BoardGameRows {
public:
    // pausedSeconds: the steady seconds the game has stood paused so far, a pause going on
    // included; the history's time leaves them out.
    BoardGameRows(const Clock& time, std::function<double()> pausedSeconds)
        : time_(time), pausedSeconds_(std::move(pausedSeconds))
    {
    }

    // newRow gives who a game just started is (when, layout, number, band, day); asked only
    // then. clockOn: "Play against the clock" now; clockSeconds: the time the game clock
    // measured for a game it timed to its win (the hall of fame's time, pauses left out).
    void PositionChanged(GameHistory& history, const Play& play, bool clockOn, std::optional<double> clockSeconds,
                         const std::function<GameRow()>& newRow);
    // The game on the board is left (the window closes): abandoned unless it ended.
    void Leave(GameHistory& history);
    // The window closes with the game's progress kept: its row is written as it stands and
    // stays open; what goes on with it is given (nothing for a won game or one without a row).
    // history: null when it was never opened.
    std::optional<KeptGameRow> Keep(GameHistory* history);
    // At the start, the row of the game kept at the last close: when game is the
    // Play::GamesStarted of the game its progress was restored to, that game's row goes on
    // (time and counters from where they were); else (nothing) the row is abandoned at the
    // next write, unless it had ended.
    void Resume(const KeptGameRow& kept, std::optional<std::uint32_t> game);

    // The row as last written or about to be (Id 0 before the first game).
    const GameRow& Current() const { return row_; }

private:
    // False when the store has no such row.
    bool Write(GameHistory& history, GameOutcome outcome);
    void CloseKept(GameHistory& history);
    double PlayedSeconds() const;

    const Clock& time_;
    std::function<double()> pausedSeconds_;
    GameRow row_;
    std::uint32_t game_ = 0;            // Play::GamesStarted of the game in row_
    GameOutcome written_ = GameOutcome::Won;  // nothing to write before the first game
    double firstMove_ = -1;             // steady seconds at the first move, -1 before it
    double pausedAtFirstMove_ = 0;      // pausedSeconds_ then
    std::int64_t keptMs_ = 0;           // time and counters of a kept game before this run
    PlayCounts keptCounts_;
    std::optional<KeptGameRow> kept_;   // a kept row not yet gone on or closed
    std::optional<std::uint32_t> keptGame_;
};

} // namespace tessaron
