#pragma once
// A game lost by one move, which two undos win again, for the tests of what helps out of a
// lost game (the hint's undo count, the demo's way out).
#include "board/BoardGeometry.h"
#include "board/Play.h"
#include "board/Rules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace tessaron {

// The deal with positions 1, 2, 88 and 114 made one ordinary face. Taking 88 and 114 off
// loses the game: 1 lies on 2, so the last two of the face can never be taken together.
inline TileArray StackedPairDeal(TileArray faces)
{
    const std::array<std::int32_t, 4> targets{1, 2, 88, 114};
    auto isTarget = [&](std::int32_t tile) { return std::find(targets.begin(), targets.end(), tile) != targets.end(); };
    std::int32_t face = 0;
    for (std::int32_t tile = 1; tile <= TileCount && face == 0; ++tile)
        if (faces[tile] <= LastOrdinaryFace) face = faces[tile];
    // Swapping keeps the deal valid: every face keeps its count.
    for (std::int32_t target : targets)
        for (std::int32_t other = 1; other <= TileCount && faces[target] != face; ++other)
            if (!isTarget(other) && faces[other] == face) std::swap(faces[target], faces[other]);
    return faces;
}

// Some pair that can be taken off now, other than the stacked one.
inline std::pair<std::int32_t, std::int32_t> FreePair(const Play& play, const BoardGeometry& geometry)
{
    for (std::int32_t a = 3; a <= TileCount; ++a)
        for (std::int32_t b = a + 1; b <= TileCount; ++b)
            if (play.IsPresent(a) && play.IsPresent(b) && !TileIsLocked(geometry, play.Presence(), a) &&
                !TileIsLocked(geometry, play.Presence(), b) && !TilesAreNotMatching(play.TileFaces(), a, b))
                return {a, b};
    return {0, 0};
}

// A deal whose positions the solver decides in milliseconds.
inline constexpr std::uint64_t SolvedQuickly = 99;

} // namespace tessaron
