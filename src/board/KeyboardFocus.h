#pragma once
// Where the keyboard focus goes on the board: the arrow keys walk among the free tiles (in
// peek mode among all tiles in play) by where their pictures lie on the screen, and the focus
// moves on to a nearby candidate whenever the tile it rests on stops being one.
#include "board/BoardGeometry.h"
#include "board/TileTypes.h"

#include <cstdint>

namespace tessaron {

enum class FocusDirection { Left, Right, Up, Down };

// The tiles the focus may rest on: present and free, or in peek mode, where any tile in play
// can be lifted, every present one.
TilePresence FocusCandidates(const BoardGeometry& geometry, const TilePresence& present, bool peekMode = false);

// The tile an arrow key leads to from current. Left and Right read the free tiles like a
// text: row by row from the top (the grid row, whatever the layer), each row from left to
// right by the picture's screen place, going on at the next row after the end of one, so
// that Right alone visits every candidate. Up and Down take, among the candidates whose
// picture lies at least a quarter tile that way, the nearest by the distance along the
// direction plus twice the distance across it (in tile steps); ties go to the higher layer,
// then to the smaller position. Returns current when no candidate lies that way, and the
// nearest candidate when current is not one itself (0 when there is none).
std::int32_t NextFocusTile(const BoardGeometry& geometry, const TilePresence& candidates, std::int32_t current,
                           FocusDirection direction);

// True when a comes before b in the reading order of Left and Right.
bool ReadsBefore(const BoardGeometry& geometry, std::int32_t a, std::int32_t b);

// The candidate whose picture lies nearest to the place of near (a position that may have
// left play); with near 0, the smallest candidate position (the upper layers come first).
// 0 when there is no candidate.
std::int32_t NearestFocusTile(const BoardGeometry& geometry, const TilePresence& candidates, std::int32_t near);

} // namespace tessaron
