#include "board/Rules.h"
#include "StandardBoard.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

class DeadEnd : public ::testing::Test {
protected:
    StandardBoard board;
    TilePresence present{};
    TileArray faces{};

    void Place(std::int32_t tile, std::int32_t face)
    {
        present[tile] = true;
        faces[tile] = face;
    }
    bool Stuck() { return NoMovePossible(board.Geometry, present, faces); }
};

TEST_F(DeadEnd, MatchingPairWithOneTileUnderTheOtherIsStuck)
{
    Place(1, 7);
    Place(2, 7);
    EXPECT_TRUE(Stuck());
    present[1] = false;
    faces[1] = 7;
    Place(3, 7);  // 2 and 3 now lie side by side, both free
    EXPECT_FALSE(Stuck());
}

TEST_F(DeadEnd, FreeTilesThatDoNotMatchAreStuck)
{
    Place(58, 1);
    Place(69, 36);
    Place(88, 40);
    faces[114] = 1;  // a removed tile keeps its face but is not in play
    EXPECT_TRUE(Stuck());
    Place(144, 38);
    EXPECT_FALSE(Stuck()) << "two flowers match";
    present[144] = false;
    Place(133, 42);
    EXPECT_FALSE(Stuck()) << "two seasons match";
}

TEST_F(DeadEnd, MatchingTilesLockedBetweenNeighboursAreStuck)
{
    // 59 and 61 match but each lies between two present tiles.
    for (std::int32_t tile = 58; tile <= 62; ++tile) Place(tile, tile - 50);
    faces[61] = 9;
    EXPECT_TRUE(Stuck());
}

} // namespace
} // namespace tessaron
