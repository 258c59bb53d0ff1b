// The position of a game kept between two runs: taken from play and put back into it.
#include "board/Play.h"

#include <algorithm>

namespace tessaron {

GameProgress Play::Progress() const
{
    GameProgress progress;
    progress.RemovedCount = removedCount_;
    progress.RemovedCountMax = removedCountMax_;
    // Entries past both marks are left-overs of earlier lifts; nothing reads them again.
    const std::int32_t listed = std::max(removedCount_, removedCountMax_);
    for (std::int32_t k = 1; k <= listed; ++k) progress.RemovedTiles[k] = removed_[k];
    progress.PeekMode = peekMode_;
    progress.HintUsed = hintUsed_;
    progress.SelectedTile1 = selected1_;
    progress.SelectedTile2 = selected2_;
    progress.Shuffles = shuffles_;
    progress.ShufflesDone = std::int32_t(shufflesDone_);
    return progress;
}

bool Play::RestoreProgress(const GameProgress& progress)
{
    bool restored = false;
    Guarded(w_.Errors, BoardObject, "RestoreProgress", [&] {
        // Only the deal the progress was kept with, on its full board.
        if (!dealResumed_ || removedCount_ != 0 || !DealExists()) return;
        TilePresence present{};
        if (!ReplayGameProgress(w_.Geometry, dealt_, progress, present)) return;
        ResetSelection();
        for (std::int32_t tile = 1; tile <= TileCount; ++tile)
            if (!present[tile]) DrawTile(tile, false, false);
        shuffles_ = progress.Shuffles;
        shufflesDone_ = std::size_t(progress.ShufflesDone);
        ShowFaces(shufflesDone_ > 0 ? shuffles_[shufflesDone_ - 1].Faces : dealt_);
        removed_ = progress.RemovedTiles;
        removedCount_ = progress.RemovedCount;
        removedCountMax_ = progress.RemovedCountMax;
        peekMode_ = progress.PeekMode;
        hintUsed_ = progress.HintUsed;
        selected1_ = progress.SelectedTile1;
        selected2_ = progress.SelectedTile2;
        for (std::int32_t selected : {selected1_, selected2_})
            if (selected != 0) DrawTile(selected, true, true);
        UpdateTileCount();
        if (removedCount_ > 0 && !peekMode_ && NoMovePossible()) w_.View.ShowNoMovePossible(true);
        restored = true;
    });
    return restored;
}

} // namespace tessaron
