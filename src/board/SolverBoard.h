#pragma once
// What the solver needs to know about the layout, as sets of positions: the neighbours
// that lock each position, those it locks, and everything that lies above or below it,
// directly or not.
#include "board/BoardGeometry.h"
#include "board/TileSet.h"

#include <array>

namespace tessaron {

struct SolverBoard {
    explicit SolverBoard(const BoardGeometry& geometry);

    // A tile is free when no tile in play lies on it and one of its sides is clear.
    bool IsFree(std::int32_t tile, const TileSet& present) const
    {
        const Neighbours& around = Around[tile];
        if (around.Above.Intersects(present)) return false;
        return !around.LeftHand.Intersects(present) || !around.RightHand.Intersects(present);
    }

    struct Neighbours {
        TileSet Above;
        TileSet LeftHand;
        TileSet RightHand;
        TileSet AllAbove;  // above, and above those, up to the top
        TileSet AllBelow;
        TileSet Unlocks;   // the tiles that may come free when this one leaves
    };
    std::array<Neighbours, TileCount + 1> Around{};

private:
    // Fills all with everything reached by taking step again and again.
    void Close(TileSet Neighbours::*step, TileSet Neighbours::*all);
};

} // namespace tessaron
