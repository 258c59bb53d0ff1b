#pragma once
// Finds an order in which the positions in play can be taken off in pairs, whatever faces
// they show: the shape a shuffle deals its faces onto. Faces play no part here, because any
// two faces of one group may be dealt to any pair of positions.
#include "board/BoardGeometry.h"
#include "board/RandomSource.h"
#include "board/Solver.h"
#include "board/TileTypes.h"

#include <cstdint>
#include <vector>

namespace tessaron {

enum class PlacementResult {
    Found,          // Pairs clear the positions in play
    Impossible,     // no order of pairs clears them (e.g. one tile stacked on another, alone)
    GaveUp,         // the search ran out of its allowance before deciding
};

struct PairPlacement {
    PlacementResult Result = PlacementResult::GaveUp;
    // With Found: the pairs in the order they are taken off; both tiles of each are free then.
    std::vector<SolverMove> Pairs;
    // Fills of the positions by the backward method that ran into a dead end first.
    std::int32_t FailedFills = 0;
    // Whether the exhaustive search, not the backward method, decided.
    bool Searched = false;
};

// The positions are filled backwards as a deal is built: pair by pair, each tile into a
// position in play that is legal to fill at that moment, so that taking the pairs off in
// reverse order clears them. After a few fills that run into a dead end, a search over the
// orders of removal decides (it is exact, within a generous allowance of positions).
PairPlacement PlacePairs(const BoardGeometry& geometry, const TilePresence& present, RandomSource& random);

// The search alone: exact, as if every tile matched every other, unless it runs out of its
// allowance of positions. Found when some order of pairs clears the positions in play.
PairPlacement SearchPairOrder(const BoardGeometry& geometry, const TilePresence& present, RandomSource& random);

// Whether the pairs, taken off in order, are each two free tiles in play and clear the board
// (faces aside).
bool PairsClearPositions(const BoardGeometry& geometry, TilePresence present, const std::vector<SolverMove>& pairs);

// A whole number from 0 to count - 1, drawn from random.
std::int32_t RandomIndex(RandomSource& random, std::int32_t count);

} // namespace tessaron
