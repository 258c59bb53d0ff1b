#include "board/SolverBoard.h"

namespace tessaron {

namespace {

bool IsPosition(std::int32_t tile) { return tile >= 1 && tile <= TileCount; }

TileSet ToTileSet(const TileList& list)
{
    TileSet set;
    for (std::int32_t i = 0; i < list.Count && i < std::int32_t(list.Tile.size()); ++i)
        if (IsPosition(list.Tile[i])) set.Add(list.Tile[i]);
    return set;
}

} // namespace

SolverBoard::SolverBoard(const BoardGeometry& geometry)
{
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        const TileRelation& relation = geometry.Relation(tile);
        Neighbours& around = Around[tile];
        around.Above = ToTileSet(relation.Above);
        around.LeftHand = ToTileSet(relation.LeftHand);
        around.RightHand = ToTileSet(relation.RightHand);
    }
    // Everything above a tile: what lies on it and, recursively, on those. A layout whose
    // relations went round in a circle would stop at the tile met again.
    Close(&Neighbours::Above, &Neighbours::AllAbove);
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        const Neighbours& around = Around[tile];
        ForEachTile(around.AllAbove, [&](std::int32_t above) { Around[above].AllBelow.Add(tile); });
        TileSet locks = around.Above;
        locks |= around.LeftHand;
        locks |= around.RightHand;
        ForEachTile(locks, [&](std::int32_t lock) { Around[lock].Unlocks.Add(tile); });
    }
}

void SolverBoard::Close(TileSet Neighbours::*step, TileSet Neighbours::*all)
{
    std::array<char, TileCount + 1> state{};  // 0 not yet, 1 under way, 2 done
    auto fill = [&](auto& self, std::int32_t tile) -> void {
        if (state[tile] != 0) return;
        state[tile] = 1;
        Neighbours& around = Around[tile];
        around.*all = around.*step;
        ForEachTile(around.*step, [&](std::int32_t next) {
            self(self, next);
            around.*all |= Around[next].*all;
        });
        state[tile] = 2;
    };
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) fill(fill, tile);
}

} // namespace tessaron
