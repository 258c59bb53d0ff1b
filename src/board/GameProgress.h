#pragma once
// The position reached in a game, as kept between two runs when the player wants it: the
// removal list with its undo and redo marks, the shuffles made, peek mode, the hint flag,
// the selection and the clock's elapsed time. It belongs to one deal and is only ever
// applied to that deal.
#include "board/BoardGeometry.h"
#include "board/TileTypes.h"

#include <cstdint>
#include <vector>

namespace tessaron {

// A shuffle as a step of the game's history: made at RemovedCount on the tiles then in play
// (Present), it laid out Faces (the faces of removed tiles as they were).
struct ShuffleStep {
    std::int32_t RemovedCount = 0;
    TilePresence Present{};
    TileArray Faces{};
    bool operator==(const ShuffleStep&) const = default;
};

struct GameProgress {
    TileArray RemovedTiles{};
    std::int32_t RemovedCount = 0;
    std::int32_t RemovedCountMax = 0;
    bool PeekMode = false;
    bool HintUsed = false;  // the clock stays off and a win does not rank
    std::int32_t SelectedTile1 = 0;
    std::int32_t SelectedTile2 = 0;
    double GameTime = 0;  // the clock's elapsed time, in days
    // The shuffles in the order made; the first ShufflesDone lie on the board, the rest wait for redo.
    std::vector<ShuffleStep> Shuffles;
    std::int32_t ShufflesDone = 0;
    bool operator==(const GameProgress&) const = default;
};

// Replays the progress on the full board of the dealt faces through the rules: outside peek
// mode every removal is a pair of free matching tiles in the order play records them (on the
// faces of the shuffles done before it), in peek mode every removal a tile still in play;
// each shuffle rearranges only the faces in play, a shuffle done on exactly the tiles in play
// at its count; the selection is what a click could have made. On success present holds the
// tiles left in play; otherwise it is left as it was.
bool ReplayGameProgress(const BoardGeometry& geometry, const TileArray& faces, const GameProgress& progress,
                        TilePresence& present);

} // namespace tessaron
