#include "window/BoardGameRows.h"

#include "shell/Clock.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tessaron {

std::string EncodeKeptGameRow(const KeptGameRow& kept)
{
    const PlayCounts& c = kept.Counts;
    std::string text;
    for (const std::int64_t value : {kept.Id, std::int64_t(kept.Outcome), kept.TimeMs, std::int64_t(c.Moves),
                                     std::int64_t(c.Undos), std::int64_t(c.Hints), std::int64_t(c.Shuffles),
                                     std::int64_t(kept.PeekUsed), std::int64_t(kept.ClockOn)})
        text += (text.empty() ? "" : ",") + std::to_string(value);
    return text;
}

std::optional<KeptGameRow> DecodeKeptGameRow(const std::string& text)
{
    std::array<std::int64_t, 9> values{};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k > 0 && (at == end || *at++ != ',')) return std::nullopt;
        const auto [next, fault] = std::from_chars(at, end, values[k]);
        if (fault != std::errc() || values[k] < 0 || values[k] > INT32_MAX) return std::nullopt;
        at = next;
    }
    const std::int64_t outcome = values[1];
    if (at != end || values[0] == 0 || values[7] > 1 || values[8] > 1 ||
        (outcome != std::int64_t(GameOutcome::Playing) && outcome != std::int64_t(GameOutcome::Stuck)))
        return std::nullopt;
    return KeptGameRow{values[0],
                       GameOutcome(outcome),
                       values[2],
                       {std::int32_t(values[3]), std::int32_t(values[4]), std::int32_t(values[5]),
                        std::int32_t(values[6])},
                       values[7] != 0,
                       values[8] != 0};
}

void BoardGameRows::PositionChanged(GameHistory& history, const Play& play, bool clockOn,
                                    std::optional<double> clockSeconds, const std::function<GameRow()>& newRow)
{
    if (!play.DealExists()) return;
    bool goesOn = false;
    if (play.GamesStarted() != game_) {
        Leave(history);
        game_ = play.GamesStarted();
        row_ = newRow();
        row_.ClockOn = clockOn;
        firstMove_ = -1;
        keptMs_ = 0;
        keptCounts_ = {};
        goesOn = kept_ && keptGame_ == game_;
        if (goesOn) {
            // The kept game goes on in its own row, from the time and counters it was left with;
            // it is written at once, as the store may have taken it for cut off.
            row_.Id = kept_->Id;
            row_.PeekUsed = kept_->PeekUsed;
            keptMs_ = kept_->TimeMs;
            keptCounts_ = kept_->Counts;
            firstMove_ = time_.SteadySeconds();
            pausedAtFirstMove_ = pausedSeconds_();
            written_ = GameOutcome::Abandoned;
            kept_.reset();
        } else {
            CloseKept(history);
            row_.Outcome = GameOutcome::Playing;
            row_.Id = history.StartGame(row_);
            written_ = GameOutcome::Playing;
        }
    }
    if (written_ == GameOutcome::Won) return;
    // Time runs from the first move, as the game clock's does, whether or not it is shown, and
    // stands still in a pause; a game won against the clock takes the clock's own time.
    if (firstMove_ < 0 && play.RemovedCount() > 0) {
        firstMove_ = time_.SteadySeconds();
        pausedAtFirstMove_ = pausedSeconds_();
    }
    if (firstMove_ >= 0) row_.TimeMs = keptMs_ + std::int64_t(PlayedSeconds() * 1000.0);
    if (play.GameWon() && clockSeconds) row_.TimeMs = std::llround(*clockSeconds * 1000.0);
    const PlayCounts& counts = play.Counts();
    row_.Moves = keptCounts_.Moves + counts.Moves;
    row_.Undos = keptCounts_.Undos + counts.Undos;
    row_.Hints = keptCounts_.Hints + counts.Hints;
    row_.Shuffles = keptCounts_.Shuffles + counts.Shuffles;
    row_.PeekUsed = row_.PeekUsed || play.PeekMode();
    row_.ClockOn = clockOn;
    const GameOutcome now = play.GameWon()                                      ? GameOutcome::Won
                            : play.RemovedCount() > 0 && play.NoMovePossible() ? GameOutcome::Stuck
                                                                                : GameOutcome::Playing;
    if (now == written_) return;
    // A kept row the store no longer has (a new history file) becomes a row of its own.
    if (!Write(history, now) && goesOn) {
        row_.Id = history.StartGame(row_);
        if (now != GameOutcome::Playing) Write(history, now);
    }
}

double BoardGameRows::PlayedSeconds() const
{
    return std::max(0.0, time_.SteadySeconds() - firstMove_ - (pausedSeconds_() - pausedAtFirstMove_));
}

void BoardGameRows::Leave(GameHistory& history)
{
    if (written_ == GameOutcome::Playing) Write(history, GameOutcome::Abandoned);
    // A stuck game keeps its outcome; its counters are those it ended with.
}

std::optional<KeptGameRow> BoardGameRows::Keep(GameHistory* history)
{
    // Closed again before the kept game's row was reached: it is kept as it was.
    if (kept_ && keptGame_) return kept_;
    if (!history || row_.Id == 0 || written_ == GameOutcome::Won || written_ == GameOutcome::Abandoned)
        return std::nullopt;
    Write(*history, written_);
    return KeptGameRow{row_.Id, row_.Outcome, row_.TimeMs,
                       {row_.Moves, row_.Undos, row_.Hints, row_.Shuffles}, row_.PeekUsed, row_.ClockOn};
}

void BoardGameRows::Resume(const KeptGameRow& kept, std::optional<std::uint32_t> game)
{
    kept_ = kept;
    keptGame_ = game;
}

void BoardGameRows::CloseKept(GameHistory& history)
{
    if (!kept_) return;
    const KeptGameRow kept = *kept_;
    kept_.reset();
    if (kept.Outcome != GameOutcome::Playing) return;
    GameRow row;
    row.Outcome = GameOutcome::Abandoned;
    row.TimeMs = kept.TimeMs;
    row.Moves = kept.Counts.Moves;
    row.Undos = kept.Counts.Undos;
    row.Hints = kept.Counts.Hints;
    row.Shuffles = kept.Counts.Shuffles;
    row.PeekUsed = kept.PeekUsed;
    row.ClockOn = kept.ClockOn;
    history.FinishGame(kept.Id, row);
}

bool BoardGameRows::Write(GameHistory& history, GameOutcome outcome)
{
    row_.Outcome = outcome;
    written_ = outcome;
    return row_.Id != 0 && history.FinishGame(row_.Id, row_);
}

} // namespace tessaron
