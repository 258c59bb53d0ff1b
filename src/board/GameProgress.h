#pragma once
// The position reached in a game, as kept between two runs when the player wants it: the
// removal list with its undo and redo marks, peek mode, the hint flag, the selection and
// the clock's elapsed time. It belongs to one deal and is only ever applied to that deal.
#include "board/BoardGeometry.h"
#include "board/TileTypes.h"

#include <cstdint>

namespace tessaron {

struct GameProgress {
    TileArray RemovedTiles{};
    std::int32_t RemovedCount = 0;
    std::int32_t RemovedCountMax = 0;
    bool PeekMode = false;
    bool HintUsed = false;  // the clock stays off and a win does not rank
    std::int32_t SelectedTile1 = 0;
    std::int32_t SelectedTile2 = 0;
    double GameTime = 0;  // the clock's elapsed time, in days
    bool operator==(const GameProgress&) const = default;
};

// Replays the progress on the full board of faces through the rules: outside peek mode
// every removal is a pair of free matching tiles in the order play records them, in peek
// mode every removal a tile still in play; the selection is what a click could have made.
// On success present holds the tiles left in play; otherwise it is left as it was.
bool ReplayGameProgress(const BoardGeometry& geometry, const TileArray& faces, const GameProgress& progress,
                        TilePresence& present);

} // namespace tessaron
