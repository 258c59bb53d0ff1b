#include "board/Rules.h"
#include "StandardBoard.h"
#include "shell/Failure.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace tessaron {
namespace {

class TileRelations : public ::testing::Test {
protected:
    StandardBoard board;
    const BoardGeometry& geometry = board.Geometry;
    TilePresence present = AllPresent();
    bool Locked(std::int32_t tile) { return TileIsLocked(geometry, present, tile); }
};

// Lists are ascending, and only the places the layout is known for have more than one entry
// on a side or below. (That each relation is seen from both ends is checked by fuzz_layout,
// whose corpus holds this layout.)
TEST_F(TileRelations, RelationsAreAscendingAndShort)
{
    for (std::int32_t tile = 1; tile <= 144; ++tile) {
        const TileRelation& relation = geometry.Relation(tile);
        for (const TileList* list : {&relation.Above, &relation.Below, &relation.LeftHand, &relation.RightHand})
            for (std::int32_t i = 1; i < list->Count; ++i) EXPECT_LT(list->Tile[i - 1], list->Tile[i]) << tile;
        EXPECT_LE(relation.Above.Count, 1) << tile;
        EXPECT_LE(relation.Below.Count, tile == 1 ? 4 : 1) << tile;
        EXPECT_LE(relation.LeftHand.Count, tile == 113 ? 2 : 1) << tile;
        EXPECT_LE(relation.RightHand.Count, tile == 88 ? 2 : 1) << tile;
    }
}

// 35 tiles are free on the full board and any tile alone is; a tile is free only uncovered
// and with every neighbour of one side gone. Positions outside the board are index failures.
TEST_F(TileRelations, FreedomFollowsCoverAndNeighbours)
{
    std::vector<std::int32_t> free;
    for (std::int32_t tile = 1; tile <= 144; ++tile) {
        if (!Locked(tile)) free.push_back(tile);
        TilePresence alone{};
        alone[tile] = true;
        EXPECT_FALSE(TileIsLocked(geometry, alone, tile)) << tile;
    }
    EXPECT_EQ(free, (std::vector<std::int32_t>{1,  6,  9,  10, 13,  14,  17,  18,  21,  22,  27,  28,
                                               33, 34, 39, 40, 45,  46,  51,  52,  57,  58,  69,  70,
                                               77, 78, 87, 88, 114, 115, 124, 125, 132, 133, 144}));
    present[3] = false;
    EXPECT_TRUE(Locked(2)) << "a side is clear, but 1 lies on it";
    present[1] = false;
    EXPECT_FALSE(Locked(2));
    present[100] = false;
    EXPECT_TRUE(Locked(113)) << "112 still lies to the left, 114 to the right";
    present[112] = false;
    EXPECT_FALSE(Locked(113));

    for (std::int32_t tile : {0, -1, 145}) {
        try {
            Locked(tile);
            ADD_FAILURE() << "no failure for " << tile;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number(), ErrSubscriptOutOfRange);
        }
    }
}

// Flowers match flowers, seasons seasons, the others only themselves, both ways; an
// empty position (0) never matches.
TEST(FaceMatching, FollowsTheKindsBothWaysAndNeverAtPositionZero)
{
    TileArray faces{};
    const auto match = [&](std::int32_t a, std::int32_t b) {
        faces[10] = a;
        faces[20] = b;
        return !TilesAreNotMatching(faces, 10, 20);
    };
    for (const auto& [a, b, matching] : {std::tuple{35, 38, true}, std::tuple{38, 39, false}, std::tuple{39, 42, true},
                                        std::tuple{12, 12, true}, std::tuple{12, 13, false}, std::tuple{34, 35, false}}) {
        EXPECT_EQ(match(a, b), matching) << a << " " << b;
        EXPECT_EQ(match(b, a), matching) << b << " " << a;
    }
    faces[5] = faces[0] = 12;
    EXPECT_TRUE(TilesAreNotMatching(faces, 0, 5));
    EXPECT_TRUE(TilesAreNotMatching(faces, 5, 0));
}

} // namespace
} // namespace tessaron
