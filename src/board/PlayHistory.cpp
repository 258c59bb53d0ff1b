// Peek, undo, redo and restart: the operations that walk the removal list.
#include "board/Play.h"

#include "board/Rules.h"

namespace tessaron {

void Play::Peek()
{
    if (!AvailableCommands().Peek) return;
    // Every single lift happens in peek mode, so undo and redo (which work in pairs) stay
    // unavailable as long as the removal list may hold an odd entry.
    if (!peekMode_) {
        w_.Clock.TimerReset();
        peekMode_ = true;
    }
    LiftSelectedTile();
}

void Play::LiftSelectedTile()
{
    Guarded(w_.Errors, BoardObject, "cmdRemoveTile_Click", [&] {
        DrawTile(selected1_, false, false);
        removed_.at(++removedCount_) = selected1_;
        selected1_ = 0;
    });
}

void Play::RestoreLastRemovedTile()
{
    Guarded(w_.Errors, BoardObject, "RestoreLastRemovedTile", [&] {
        if (removedCount_ < 1) return;
        DrawTile(removed_.at(removedCount_), false, true);
        --removedCount_;
    });
}

void Play::UndoLastMove()
{
    if (!AvailableCommands().Undo) return;
    Guarded(w_.Errors, BoardObject, "cmdUndoLastMove_Click", [&] {
        HideMessages();
        w_.Sound.SoundStart(SoundTileInsertion);
        ResetSelection();
        RestoreLastRemovedTile();
        RestoreLastRemovedTile();
        UpdateTileCount();
        // Back at the full board the clock is left alone: the next move sets it up afresh.
        if (removedCount_ > 0 && !hintUsed_) w_.Clock.TimerStart();
    });
}

bool Play::NextRedoIsAMove() const
{
    // The two entries behind RemovedCount must still be a pair that could be taken off now;
    // a peek after an undo may have overwritten one of them.
    if (removedCount_ + 2 > removedCountMax_) return false;
    const std::int32_t first = removed_[removedCount_ + 2];
    const std::int32_t second = removed_[removedCount_ + 1];
    return first != second && IsPresent(first) && IsPresent(second) && !IsLocked(first) && !IsLocked(second) &&
           !TilesAreNotMatching(faces_, first, second);
}

void Play::RedoNextMove()
{
    if (!AvailableCommands().Redo) return;
    Guarded(w_.Errors, BoardObject, "cmdRedoNextMove_Click", [&] {
        ResetSelection();
        // The recorded move is replayed with its own selection order: first-selected first.
        const bool firstAccepted = ChooseTile(removed_.at(removedCount_ + 2), PlayOptions{});
        const bool secondAccepted = ChooseTile(removed_.at(removedCount_ + 1), PlayOptions{});
        if (!firstAccepted || !secondAccepted || selected1_ == 0 || selected2_ == 0) {
            ResetSelection();
            return;
        }
        RemoveSelectedTiles();
    });
}

void Play::RestartGame()
{
    if (!AvailableCommands().Restart) return;
    Guarded(w_.Errors, BoardObject, "mnuGameRestartGame_Click", [&] {
        HideMessages();
        w_.Sound.SoundStart(SoundRestartGame);
        ResetSelection();
        // Bounded, so a failing restore cannot loop for ever.
        for (std::int32_t left = removedCount_; left > 0 && removedCount_ > 0; --left) RestoreLastRemovedTile();
        UpdateTileCount();
        peekMode_ = false;
        hintUsed_ = false;
        w_.Clock.TimerReset();
    });
}

void Play::CountHint()
{
    if (!AvailableCommands().Hint) return;
    w_.Clock.TimerReset();
    hintUsed_ = true;
}

void Play::SelectPair(std::int32_t first, std::int32_t second)
{
    ResetSelection();
    const bool accepted = ChooseTile(first, PlayOptions{}) && ChooseTile(second, PlayOptions{});
    if (!accepted || selected1_ != first || selected2_ != second) ResetSelection();
}

void Play::HideMessages()
{
    w_.View.ShowGameWon(false);
    w_.View.ShowNoMovePossible(false);
    w_.Sound.SoundStop();
}

} // namespace tessaron
