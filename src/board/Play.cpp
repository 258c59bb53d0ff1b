#include "board/Play.h"

#include "board/Rules.h"

namespace tessaron {

namespace {

bool IsPosition(std::int32_t tile) { return tile >= 1 && tile <= TileCount; }
} // namespace

Play::Play(const PlayWiring& wiring) : w_(wiring) {}

bool Play::IsPresent(std::int32_t tile) const { return IsPosition(tile) && present_[tile]; }

bool Play::IsLocked(std::int32_t tile) const { return TileIsLocked(w_.Geometry, present_, tile); }

void Play::DrawTile(std::int32_t tile, bool selected, bool visible)
{
    present_.at(tile) = visible;
    w_.View.DrawTile(tile, faces_.at(tile), selected, visible);
}

bool Play::SelectTile(std::int32_t tile)
{
    const bool accepted = ChooseTile(tile, options_);
    if (accepted && options_.PairOnSecondClick && selected2_ == tile && selected1_ != 0) DoMove();
    return accepted;
}

bool Play::ChooseTile(std::int32_t tile, const PlayOptions& options)
{
    bool accepted = false;
    Guarded(w_.Errors, BoardObject, "SelectTile", [&] {
        // A hidden picture cannot be clicked; redo over stale entries may still ask.
        if (!IsPresent(tile)) {
            w_.Sound.SoundStart(SoundTileLocked);
            return;
        }
        if (peekMode_) {
            if (selected1_ != 0) DrawTile(selected1_, false, true);
            selected1_ = tile;
            DrawTile(tile, true, true);
            accepted = true;
        } else if (IsLocked(tile)) {
            accepted = false;
        } else if (tile == selected1_) {
            // A remaining second tile becomes the first and stays bright.
            DrawTile(tile, false, true);
            selected1_ = selected2_;
            selected2_ = 0;
            accepted = true;
        } else if (tile == selected2_) {
            DrawTile(tile, false, true);
            selected2_ = 0;
            accepted = true;
        } else if (selected1_ != 0) {
            if (!TilesAreNotMatching(faces_, selected1_, tile)) {
                // A third matching tile replaces the second one.
                if (selected2_ != 0) DrawTile(selected2_, false, true);
                selected2_ = tile;
                DrawTile(tile, true, true);
                accepted = true;
            } else if (options.ClickMovesSelection) {
                ResetSelection();
                selected1_ = tile;
                DrawTile(tile, true, true);
                accepted = true;
            }
        } else {
            selected1_ = tile;
            DrawTile(tile, true, true);
            accepted = true;
        }
        w_.Sound.SoundStart(accepted ? SoundTileSelected : SoundTileLocked);
    });
    return accepted;
}

void Play::ResetSelection()
{
    if (selected2_ > 0) {
        DrawTile(selected2_, false, true);
        selected2_ = 0;
    }
    if (selected1_ >= 1) {
        DrawTile(selected1_, false, true);
        selected1_ = 0;
    }
}

void Play::DoMove()
{
    if (!AvailableCommands().DoMove) return;
    // The first move of a game (or of a restarted or fully undone board) starts the clock
    // from zero; later moves let it run on.
    if (hintUsed_) {
        // The clock stays off for the rest of a game played with help.
    } else if (removedCount_ == 0) {
        w_.Clock.TimerSetup();
    } else {
        w_.Clock.TimerStart();
    }
    // Counted first: a win inside RemoveSelectedTiles reports the game with this move.
    ++counts_.Moves;
    RemoveSelectedTiles();
    removedCountMax_ = removedCount_;
    shuffles_.resize(shufflesDone_);  // a new move drops the shuffles waiting for redo
}

void Play::RemoveSelectedTiles()
{
    Guarded(w_.Errors, BoardObject, "RemoveSelectedTiles", [&] {
        // The second-selected tile is recorded first, so undo restores the first-selected one first.
        for (std::int32_t* selected : {&selected2_, &selected1_}) {
            DrawTile(*selected, false, false);
            removed_.at(++removedCount_) = *selected;
            *selected = 0;
        }
        UpdateTileCount();
        if (removedCount_ != TileCount) {
            if (NoMovePossible()) {
                w_.Clock.TimerStop();
                w_.View.ShowNoMovePossible(true);
                w_.Sound.SoundStart(SoundGameLost);
            } else {
                w_.Sound.SoundStart(SoundTileRemoval);
            }
        } else {
            GameWonReached();
        }
    });
}

void Play::GameWonReached()
{
    w_.Clock.TimerStop();
    w_.View.ShowGameWon(true);
    if (!w_.Clock.TimingActive() || hintUsed_) {
        w_.Sound.SoundStart(SoundGameWon);
        return;
    }
    w_.Clock.UpdateGameTime();
    switch (w_.HallOfFame.InsertGame(w_.Clock.GameTime(), dealt_, removed_, w_.Clock.GameTimeNow())) {
    case HallOfFameNotShown:
        w_.Sound.SoundStart(SoundGameWon);
        break;
    case HallOfFameClosed:
        gameOrigin_ = w_.HallOfFame.SelectedGameOrigin();
        ShowOrigin();
        break;
    case HallOfFameNewGame:
        NewGame();
        break;
    case HallOfFameChallenge:
        ReplaySelectedHallOfFameGame();
        break;
    default:
        break;
    }
}

bool Play::NoMovePossible() const
{
    bool none = false;
    Guarded(w_.Errors, BoardObject, "NoMovePossible",
            [&] { none = tessaron::NoMovePossible(w_.Geometry, present_, faces_); });
    return none;
}

std::int32_t Play::FreePairCount() const { return tessaron::FreePairCount(w_.Geometry, present_, faces_); }

std::vector<std::int32_t> Play::FreeMatches(std::int32_t tile) const
{
    return tessaron::FreeMatches(w_.Geometry, present_, faces_, tile);
}

void Play::UpdateTileCount() { w_.View.ShowTileCount(TileCount - removedCount_); }

CommandAvailability Play::AvailableCommands(SolverVerdict verdict) const
{
    CommandAvailability a;
    a.DoMove = selected1_ > 0 && selected2_ != 0;
    a.Peek = selected1_ > 0 && selected2_ == 0;
    a.Undo = !peekMode_ && (removedCount_ > 0 || ShuffleToUndo());
    a.Redo = !peekMode_ && (ShuffleToRedo() || (removedCount_ < removedCountMax_ && NextRedoIsAMove()));
    a.Restart = removedCount_ > 0 || shufflesDone_ > 0;
    a.TimingOption = removedCount_ == 0;
    a.Hint = DealExists() && !building_ && !peekMode_ && removedCount_ < TileCount;
    a.Demo = a.Hint;
    a.Shuffle = ShuffleIsAvailable({.DealExists = DealExists(),
                                    .Building = building_,
                                    .PeekMode = peekMode_,
                                    .GameWon = removedCount_ == TileCount,
                                    .NoMovePossible = DealExists() && NoMovePossible(),
                                    .Verdict = verdict});
    return a;
}

} // namespace tessaron
