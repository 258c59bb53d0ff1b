#include "window/BoardGameRows.h"

#include "shell/Clock.h"

#include <cmath>

namespace tessaron {

void BoardGameRows::PositionChanged(GameHistory& history, const Play& play, bool clockOn,
                                    std::optional<double> clockSeconds, const std::function<GameRow()>& newRow)
{
    if (!play.DealExists()) return;
    if (play.GamesStarted() != game_) {
        Leave(history);
        game_ = play.GamesStarted();
        row_ = newRow();
        row_.Outcome = GameOutcome::Playing;
        row_.ClockOn = clockOn;
        firstMove_ = -1;
        row_.Id = history.StartGame(row_);
        written_ = GameOutcome::Playing;
    }
    if (written_ == GameOutcome::Won) return;
    // Time runs from the first move, as the game clock's does, whether or not it is shown; a
    // game won against the clock takes the clock's own time.
    if (firstMove_ < 0 && play.RemovedCount() > 0) firstMove_ = time_.SteadySeconds();
    if (firstMove_ >= 0) row_.TimeMs = std::int64_t((time_.SteadySeconds() - firstMove_) * 1000.0);
    if (play.GameWon() && clockSeconds) row_.TimeMs = std::llround(*clockSeconds * 1000.0);
    const PlayCounts& counts = play.Counts();
    row_.Moves = counts.Moves;
    row_.Undos = counts.Undos;
    row_.Hints = counts.Hints;
    row_.Shuffles = counts.Shuffles;
    row_.PeekUsed = row_.PeekUsed || play.PeekMode();
    row_.ClockOn = clockOn;
    const GameOutcome now = play.GameWon()                                      ? GameOutcome::Won
                            : play.RemovedCount() > 0 && play.NoMovePossible() ? GameOutcome::Stuck
                                                                                : GameOutcome::Playing;
    if (now != written_) Write(history, now);
}

void BoardGameRows::Leave(GameHistory& history)
{
    if (written_ == GameOutcome::Playing) Write(history, GameOutcome::Abandoned);
    // A stuck game keeps its outcome; its counters are those it ended with.
}

void BoardGameRows::Write(GameHistory& history, GameOutcome outcome)
{
    row_.Outcome = outcome;
    written_ = outcome;
    if (row_.Id != 0) history.FinishGame(row_.Id, row_);
}

} // namespace tessaron
