#include "board/Rules.h"
#include "StandardBoard.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

// Stuck means no two free tiles in play match: a matching tile underneath, locked between
// neighbours or already removed does not count; flowers and seasons match their own kind.
TEST(DeadEnd, StuckUnlessTwoFreeTilesInPlayMatch)
{
    StandardBoard board;
    TilePresence present{};
    TileArray faces{};
    const auto place = [&](std::int32_t tile, std::int32_t face) {
        present[tile] = true;
        faces[tile] = face;
    };
    const auto stuck = [&] { return NoMovePossible(board.Geometry, present, faces); };

    place(1, 7);
    place(2, 7);  // under 1
    EXPECT_TRUE(stuck());
    present[1] = false;
    place(3, 7);  // 2 and 3 now lie side by side, both free
    EXPECT_FALSE(stuck());

    present = {};
    for (std::int32_t tile = 58; tile <= 62; ++tile) place(tile, tile - 50);
    faces[61] = 9;  // matches 59, but each lies between two present tiles
    faces[114] = 8;  // matches 58, but removed
    EXPECT_TRUE(stuck());
    place(88, 40);
    place(144, 38);
    EXPECT_TRUE(stuck()) << "a flower and a season";
    place(69, 36);
    EXPECT_FALSE(stuck()) << "two flowers match";
    present[69] = false;
    place(133, 42);
    EXPECT_FALSE(stuck()) << "two seasons match";
}

} // namespace
} // namespace tessaron
