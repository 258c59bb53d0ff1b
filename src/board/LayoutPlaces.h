#pragma once
// The checks a layout's places must pass and the order they are numbered in. A tile of one
// layer covers 2 x 2 half-tile units from its place.
#include "board/TileTypes.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tessaron {

struct ListedTile {
    TileLocation Place;
    std::int32_t Line = 0;  // where the text listed it
};

struct PlacesFault {
    enum class Kind { Overlapping, NotResting } What = Kind::Overlapping;
    std::int32_t Line = 0;       // the tile at fault
    std::int32_t OtherLine = 0;  // with Overlapping: the tile it overlaps
};

// Sound means: no two tiles of one layer share any area, and every tile above the table
// rests on the layer directly below, which covers each of the four half-tile units under
// it. The first fault in listing order, or nothing.
std::optional<PlacesFault> PlacesSoundnessFault(const std::vector<ListedTile>& tiles);

// The tiles in drawing order, where a smaller position is drawn in front: upper layers
// first; within a layer, a tile comes before every tile its picture overlaps (|dX| <= 2 and
// |dY| <= 2) that lies more to the right than up (larger X - Y), so a left neighbour hides
// the 3-D edge of its right neighbour and a lower row the edge of the row above. Otherwise
// the listing order stays: a layout listed in a right order keeps its numbering.
std::vector<ListedTile> InDrawingOrder(const std::vector<ListedTile>& tiles);

} // namespace tessaron
