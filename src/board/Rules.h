#pragma once
// When a tile is free, when two faces match, and (for the deal generator) when a newly
// placed tile keeps another one locked.
// A position outside 1..144 (where 0 is not allowed) throws Failure(ErrSubscriptOutOfRange);
// the calling procedure's failure handler reports it.
#include "board/BoardGeometry.h"
#include "board/TileTypes.h"

#include <cstdint>
#include <vector>

namespace tessaron {

// True when none of the listed positions holds a tile in play (an empty list gives true).
bool TileFaceIsNotLocked(const TileList& list, const TilePresence& present);

// A tile is free when no tile lies on it and at least one of its two sides is clear.
// Whether the tile itself is present is not looked at.
bool TileIsLocked(const BoardGeometry& geometry, const TilePresence& present, std::int32_t tile);

// Ordinary faces match only themselves; any flower matches any flower, any season any
// season. A position of 0 never matches.
bool TilesAreNotMatching(const TileArray& faces, std::int32_t a, std::int32_t b);

// Whether a tile at lockingTile keeps the tile at tile locked, given which positions faces
// shows as filled (entry > 0). False when tile < 1.
bool TileLocksTile(const BoardGeometry& geometry, const TileArray& faces, std::int32_t lockingTile,
                   std::int32_t tile);

// The dead-end test: true when no two present, free tiles match.
bool NoMovePossible(const BoardGeometry& geometry, const TilePresence& present, const TileArray& faces);

// The pairs that could be taken off now: every two present, free tiles that match (three
// free tiles of one face are three pairs).
std::int32_t FreePairCount(const BoardGeometry& geometry, const TilePresence& present, const TileArray& faces);

// The present, free tiles other than tile that match it, ascending.
std::vector<std::int32_t> FreeMatches(const BoardGeometry& geometry, const TilePresence& present,
                                      const TileArray& faces, std::int32_t tile);

} // namespace tessaron
