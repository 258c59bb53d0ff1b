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

} // namespace

bool ReplayGameProgress(const BoardGeometry& geometry, const TileArray& faces, const GameProgress& progress,
                        TilePresence& present)
{
    if (!CountsAreConsistent(progress)) return false;
    TilePresence board{};
    std::fill(board.begin() + 1, board.end(), true);
    const TileArray& removed = progress.RemovedTiles;
    for (std::int32_t k = 1; k <= progress.RemovedCount; ++k) {
        const std::int32_t tile = removed[k];
        // Outside peek mode the pair is taken at its first entry (the second-selected tile).
        if (!progress.PeekMode && k % 2 == 0) continue;
        if (!board[tile]) return false;
        if (!progress.PeekMode) {
            // Both tiles were free together, before either went.
            const std::int32_t partner = removed[k + 1];
            if (!board[partner] || tile == partner || TilesAreNotMatching(faces, tile, partner) ||
                TileIsLocked(geometry, board, tile) || TileIsLocked(geometry, board, partner))
                return false;
            board[partner] = false;
        }
        board[tile] = false;
    }
    if (!SelectionIsPossible(geometry, faces, progress, board)) return false;
    present = board;
    return true;
}

} // namespace tessaron
