#pragma once
// The board's vocabulary. Positions run 1 to 144 and index every board array (element 0
// is unused: position 0 means no position). Faces run 1 to 42.
#include <array>
#include <cstdint>

namespace tessaron {

constexpr std::int32_t TileCount = 144;
constexpr std::int32_t FaceCount = 42;
constexpr std::int32_t LastOrdinaryFace = 34;   // 1..34 match only themselves
constexpr std::int32_t FirstFlowerFace = 35;    // 35..38 flowers, any two match
constexpr std::int32_t FirstSeasonFace = 39;    // 39..42 seasons, any two match

// An array 1..144 of positions or faces; element 0 is unused.
using TileArray = std::array<std::int32_t, TileCount + 1>;
// Whether each position holds a tile in play; element 0 is unused.
using TilePresence = std::array<bool, TileCount + 1>;

struct TileLocation {
    std::int32_t X = 0;      // column in half-tile units
    std::int32_t Y = 0;      // row in half-tile units
    std::int32_t Layer = 0;  // 0 = the table
};

struct PixelPlace {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
};

struct TileList {
    std::int32_t Count = 0;
    std::array<std::int32_t, 4> Tile{};  // entries 0..Count-1, ascending
    bool Contains(std::int32_t position) const
    {
        for (std::int32_t i = 0; i < Count; ++i)
            if (Tile[i] == position) return true;
        return false;
    }
};

struct TileRelation {
    TileList Above;      // one layer higher, overlapping
    TileList Below;      // one layer lower, overlapping
    TileList LeftHand;   // same layer, touching on the left
    TileList RightHand;  // same layer, touching on the right
};

} // namespace tessaron
