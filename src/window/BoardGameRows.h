#pragma once
// The history's row of the game on the board. A game gets its row when it starts; the row is
// written again when the game reaches its end (won, or stuck at a dead end) and when the
// player leaves it (a new game, a loaded one, closing): a game left in play is abandoned, one
// left at a dead end stays stuck. Won is final. The row follows the model: every change of the
// position reaches PositionChanged, and a new game shows as Play::GamesStarted moving on.
#include "board/Play.h"
#include "records/GameHistory.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace tessaron {

class Clock;

// Keeps nothing and says it keeps nothing: the board without a history.
class NoGameHistory final : public GameHistory {
public:
    std::int64_t StartGame(const GameRow&) override { return 0; }
    void FinishGame(std::int64_t, const GameRow&) override {}
    std::vector<GameRow> Games() override { return {}; }
    void Reset() override {}
    bool Available() const override { return false; }
};

class BoardGameRows {
public:
    explicit BoardGameRows(const Clock& time) : time_(time) {}

    // newRow gives who a game just started is (when, layout, number, band, day); asked only
    // then. clockOn: "Play against the clock" now; clockSeconds: the time the game clock
    // measured for a game it timed to its win (the hall of fame's time, pauses left out).
    void PositionChanged(GameHistory& history, const Play& play, bool clockOn, std::optional<double> clockSeconds,
                         const std::function<GameRow()>& newRow);
    // The game on the board is left (the window closes): abandoned unless it ended.
    void Leave(GameHistory& history);

    // The row as last written or about to be (Id 0 before the first game).
    const GameRow& Current() const { return row_; }

private:
    void Write(GameHistory& history, GameOutcome outcome);

    const Clock& time_;
    GameRow row_;
    std::uint32_t game_ = 0;            // Play::GamesStarted of the game in row_
    GameOutcome written_ = GameOutcome::Won;  // nothing to write before the first game
    double firstMove_ = -1;             // steady seconds at the first move, -1 before it
};

} // namespace tessaron
