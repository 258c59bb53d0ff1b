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
        ++counts_.Undos;
        if (ShuffleToUndo()) {
            // The faces return to where they lay before the shuffle, dead end and all.
            --shufflesDone_;
            ShowFaces(shufflesDone_ > 0 ? shuffles_[shufflesDone_ - 1].Faces : dealt_);
            if (removedCount_ > 0 && NoMovePossible()) w_.View.ShowNoMovePossible(true);
            return;
        }
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
        if (ShuffleToRedo()) {
            HideMessages();
            w_.Sound.SoundStart(SoundTileInsertion);
            ShowFaces(shuffles_[shufflesDone_++].Faces);
            CountHelp();
            return;
        }
        // The recorded move is replayed with its own selection order: first-selected first.
        const bool firstAccepted = ChooseTile(removed_.at(removedCount_ + 2), PlayOptions{});
        const bool secondAccepted = ChooseTile(removed_.at(removedCount_ + 1), PlayOptions{});
        if (!firstAccepted || !secondAccepted || selected1_ == 0 || selected2_ == 0) {
            ResetSelection();
            return;
        }
        ++counts_.Moves;
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
        // The deal as dealt; the shuffles stay for redo.
        shufflesDone_ = 0;
        ShowFaces(dealt_);
        UpdateTileCount();
        peekMode_ = false;
        hintUsed_ = false;
        w_.Clock.TimerReset();
    });
}

void Play::CountHint()
{
    if (!AvailableCommands().Hint) return;
    ++counts_.Hints;
    CountHelp();
}

void Play::CountHelp()
{
    w_.Clock.TimerReset();
    hintUsed_ = true;
}

ShuffleOutcome Play::ShuffleTiles(RandomSource& random)
{
    ShuffleOutcome outcome;
    outcome.Faces = faces_;
    Guarded(w_.Errors, BoardObject, "mnuGameShuffle_Click", [&] {
        // The solver's word is the caller's: a shuffle asked for here is always allowed when
        // the board is not being built, not in peek mode and not won.
        if (!DealExists() || building_ || peekMode_ || removedCount_ >= TileCount) return;
        outcome = ShuffleFaces(w_.Geometry, faces_, present_, random);
        if (outcome.Result != ShuffleResult::Shuffled) return;
        HideMessages();
        w_.Sound.SoundStart(SoundTileInsertion);
        ResetSelection();
        // A new step drops the steps that waited for redo, shuffles and moves alike.
        shuffles_.resize(shufflesDone_);
        shuffles_.push_back({removedCount_, present_, outcome.Faces});
        removedCountMax_ = removedCount_;
        ShowFaces(shuffles_[shufflesDone_++].Faces);
        ++counts_.Shuffles;
        CountHelp();
    });
    return outcome;
}

bool Play::ShuffleToUndo() const
{
    return shufflesDone_ > 0 && shuffles_[shufflesDone_ - 1].RemovedCount == removedCount_;
}

bool Play::ShuffleToRedo() const
{
    // The tiles in play must be the ones it was made on; a peek may have changed the list.
    return shufflesDone_ < shuffles_.size() && shuffles_[shufflesDone_].RemovedCount == removedCount_ &&
           shuffles_[shufflesDone_].Present == present_;
}

void Play::ShowFaces(const TileArray& faces)
{
    faces_ = faces;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (present_[tile]) DrawTile(tile, false, true);
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
