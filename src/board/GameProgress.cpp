#include "board/GameProgress.h"

#include "board/Rules.h"

#include <algorithm>

namespace tessaron {

namespace {

bool IsBoardPosition(std::int32_t tile) { return tile >= 1 && tile <= TileCount; }

bool CountsAreConsistent(const GameProgress& p)
{
    if (p.RemovedCount < 0 || p.RemovedCount > TileCount) return false;
    if (p.RemovedCountMax < 0 || p.RemovedCountMax > TileCount) return false;
    // Do move records pairs and only it moves the redo mark; peek lifts single tiles
    // past that mark, so only in peek mode may the count be odd or beyond the mark.
    if (p.RemovedCountMax % 2 != 0) return false;
    if (!p.PeekMode && (p.RemovedCount % 2 != 0 || p.RemovedCount > p.RemovedCountMax)) return false;
    // A fully cleared board is a won game, which is never kept.
    if (p.RemovedCount == TileCount && !p.PeekMode) return false;
    if (p.GameTime < 0 || p.GameTime >= 1) return false;
    const std::int32_t listed = std::max(p.RemovedCount, p.RemovedCountMax);
    for (std::int32_t k = 1; k <= TileCount; ++k)
        if (IsBoardPosition(p.RemovedTiles[k]) != (k <= listed)) return false;
    return p.RemovedTiles[0] == 0;
}

bool SelectionIsPossible(const BoardGeometry& geometry, const TileArray& faces, const GameProgress& p,
                         const TilePresence& present)
{
    const std::int32_t first = p.SelectedTile1;
    const std::int32_t second = p.SelectedTile2;
    if (first == 0) return second == 0;
    if (!IsBoardPosition(first) || !present[first]) return false;
    // In peek mode any tile in play may be picked, and only one.
    if (p.PeekMode) return second == 0;
    if (TileIsLocked(geometry, present, first)) return false;
    if (second == 0) return true;
    return IsBoardPosition(second) && second != first && present[second] && !TileIsLocked(geometry, present, second) &&
           !TilesAreNotMatching(faces, first, second);
}

// Each shuffle deals the faces in play of the step before it (the deal for the first) anew
// among the same positions: the faces of removed tiles stay, the ones in play are the same
// faces in another order. Done shuffles lie at or below the count. A waiting one may lie
// anywhere (a redo after peeks and a restart may pass it by); play redoes it only on the
// tiles it was made on.
bool ShufflesAreConsistent(const TileArray& dealt, const GameProgress& p)
{
    const std::vector<ShuffleStep>& steps = p.Shuffles;
    if (p.ShufflesDone < 0 || std::size_t(p.ShufflesDone) > steps.size()) return false;
    if (steps.size() > std::size_t(TileCount)) return false;
    const TileArray* before = &dealt;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const ShuffleStep& step = steps[k];
        if (step.RemovedCount < 0 || step.RemovedCount >= TileCount || step.RemovedCount % 2 != 0) return false;
        if (k > 0 && step.RemovedCount < steps[k - 1].RemovedCount) return false;
        if (k < std::size_t(p.ShufflesDone) && step.RemovedCount > p.RemovedCount) return false;
        if (step.Present[0] || step.Faces[0] != 0) return false;
        if (std::count(step.Present.begin() + 1, step.Present.end(), true) != TileCount - step.RemovedCount)
            return false;
        std::vector<std::int32_t> inPlayBefore;
        std::vector<std::int32_t> inPlayAfter;
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
            if (step.Present[tile]) {
                inPlayBefore.push_back((*before)[tile]);
                inPlayAfter.push_back(step.Faces[tile]);
            } else if (step.Faces[tile] != (*before)[tile]) {
                return false;
            }
        }
        std::sort(inPlayBefore.begin(), inPlayBefore.end());
        std::sort(inPlayAfter.begin(), inPlayAfter.end());
        if (inPlayBefore != inPlayAfter) return false;
        before = &step.Faces;
    }
    return true;
}

} // namespace

bool ReplayGameProgress(const BoardGeometry& geometry, const TileArray& faces, const GameProgress& progress,
                        TilePresence& present)
{
    if (!CountsAreConsistent(progress) || !ShufflesAreConsistent(faces, progress)) return false;
    TilePresence board{};
    std::fill(board.begin() + 1, board.end(), true);
    // The faces lying on the board: the deal's until the first shuffle done.
    const TileArray* shown = &faces;
    std::size_t nextShuffle = 0;
    const auto shuffleAt = [&](std::int32_t count) {
        for (; nextShuffle < std::size_t(progress.ShufflesDone); ++nextShuffle) {
            const ShuffleStep& step = progress.Shuffles[nextShuffle];
            if (step.RemovedCount != count) return true;
            if (step.Present != board) return false;
            shown = &step.Faces;
        }
        return true;
    };
    const TileArray& removed = progress.RemovedTiles;
    for (std::int32_t k = 1; k <= progress.RemovedCount; ++k) {
        const std::int32_t tile = removed[k];
        // Outside peek mode the pair is taken at its first entry (the second-selected tile).
        if (!progress.PeekMode && k % 2 == 0) continue;
        if (!shuffleAt(k - 1) || !board[tile]) return false;
        if (!progress.PeekMode) {
            // Both tiles were free together, before either went.
            const std::int32_t partner = removed[k + 1];
            if (!board[partner] || tile == partner || TilesAreNotMatching(*shown, tile, partner) ||
                TileIsLocked(geometry, board, tile) || TileIsLocked(geometry, board, partner))
                return false;
            board[partner] = false;
        }
        board[tile] = false;
    }
    if (!shuffleAt(progress.RemovedCount) || nextShuffle != std::size_t(progress.ShufflesDone)) return false;
    if (!SelectionIsPossible(geometry, *shown, progress, board)) return false;
    present = board;
    return true;
}

} // namespace tessaron
