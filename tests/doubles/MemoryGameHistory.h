#pragma once
// The game history in memory, for tests of what keeps or shows it. MakeUnavailable() makes
// it behave like a store that could not be opened: it reports once and keeps nothing.
#include "records/GameHistory.h"

#include <vector>

namespace tessaron {

class MemoryGameHistory final : public GameHistory {
public:
    std::int64_t StartGame(const GameRow& game) override
    {
        if (!available_) return 0;
        GameRow& row = Rows.emplace_back(game);
        row.Id = ++lastId_;
        row.Outcome = GameOutcome::Playing;
        return row.Id;
    }
    bool FinishGame(std::int64_t id, const GameRow& game) override
    {
        bool written = false;
        for (GameRow& row : Rows)
            if (available_ && row.Id == id) {
                written = true;
                row.Outcome = game.Outcome;
                row.TimeMs = game.TimeMs;
                row.Moves = game.Moves;
                row.Undos = game.Undos;
                row.Hints = game.Hints;
                row.Shuffles = game.Shuffles;
                row.PeekUsed = game.PeekUsed;
                row.ClockOn = game.ClockOn;
            }
        return written;
    }
    std::vector<GameRow> Games() override { return Rows; }
    void Reset() override { Rows.clear(); }
    bool Available() const override { return available_; }

    void MakeUnavailable(HistoryTrouble& trouble, HistoryFault fault)
    {
        if (available_) trouble.HistoryUnavailable(fault);
        available_ = false;
        Rows.clear();
    }

    std::vector<GameRow> Rows;

private:
    std::int64_t lastId_ = 0;
    bool available_ = true;
};

// Keeps every fault the history reported.
struct RecordingHistoryTrouble final : HistoryTrouble {
    void HistoryUnavailable(const HistoryFault& fault) override { Faults.push_back(fault); }
    std::vector<HistoryFault> Faults;
};

} // namespace tessaron
