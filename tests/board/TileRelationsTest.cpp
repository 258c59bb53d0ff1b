#include "board/Rules.h"
#include "StandardBoard.h"
#include "shell/Failure.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaron {
namespace {

std::vector<std::int32_t> Entries(const TileList& list)
{
    return {list.Tile.begin(), list.Tile.begin() + list.Count};
}

using Tiles = std::vector<std::int32_t>;

class TileRelations : public ::testing::Test {
protected:
    StandardBoard board;
    const BoardGeometry& geometry = board.Geometry;
    const TileRelation& Of(std::int32_t tile) { return geometry.Relation(tile); }
};

TEST_F(TileRelations, TopTileRestsOnLayerThreeAndHalfRowTilesTouchTwoRows)
{
    EXPECT_EQ(Entries(Of(1).Below), (Tiles{2, 3, 4, 5}));
    EXPECT_EQ(Entries(Of(5).Above), Tiles{1});
    EXPECT_EQ(Entries(Of(88).RightHand), (Tiles{89, 101}));
    EXPECT_EQ(Entries(Of(113).LeftHand), (Tiles{100, 112}));
    EXPECT_EQ(Entries(Of(113).RightHand), Tiles{114});
    EXPECT_EQ(Of(58).LeftHand.Count, 0);
}

// Every relation is seen from both ends, lists are ascending, and only the places the
// layout is known for have more than one entry on a side or below.
TEST_F(TileRelations, RelationsAreMutualAscendingAndShort)
{
    for (std::int32_t tile = 1; tile <= 144; ++tile) {
        const TileRelation& relation = Of(tile);
        for (const TileList* list : {&relation.Above, &relation.Below, &relation.LeftHand, &relation.RightHand})
            for (std::int32_t i = 1; i < list->Count; ++i) EXPECT_LT(list->Tile[i - 1], list->Tile[i]) << tile;
        for (std::int32_t other : Entries(relation.Above)) EXPECT_TRUE(Of(other).Below.Contains(tile));
        for (std::int32_t other : Entries(relation.Below)) EXPECT_TRUE(Of(other).Above.Contains(tile));
        for (std::int32_t other : Entries(relation.LeftHand)) EXPECT_TRUE(Of(other).RightHand.Contains(tile));
        for (std::int32_t other : Entries(relation.RightHand)) EXPECT_TRUE(Of(other).LeftHand.Contains(tile));

        EXPECT_LE(relation.Above.Count, 1) << tile;
        EXPECT_LE(relation.Below.Count, tile == 1 ? 4 : 1) << tile;
        EXPECT_LE(relation.LeftHand.Count, tile == 113 ? 2 : 1) << tile;
        EXPECT_LE(relation.RightHand.Count, tile == 88 ? 2 : 1) << tile;
    }
}

class FreedomRules : public TileRelations {
protected:
    TilePresence present = AllPresent();
    bool Locked(std::int32_t tile) { return TileIsLocked(geometry, present, tile); }
};

TEST_F(FreedomRules, FullBoardHasExactly35FreeTiles)
{
    Tiles free;
    for (std::int32_t tile = 1; tile <= 144; ++tile)
        if (!Locked(tile)) free.push_back(tile);
    EXPECT_EQ(free, (Tiles{1,  6,  9,  10, 13, 14, 17, 18,  21,  22,  27,  28,  33,  34,  39,  40,  45, 46,
                           51, 52, 57, 58, 69, 70, 77, 78, 87, 88, 114, 115, 124, 125, 132, 133, 144}));
}

TEST_F(FreedomRules, TileIsFreeOnlyUncoveredWithAllNeighboursOfOneSideGone)
{
    present[3] = false;
    EXPECT_TRUE(Locked(2)) << "a side is clear, but 1 lies on it";
    present[1] = false;
    EXPECT_FALSE(Locked(2));
    present[100] = false;
    EXPECT_TRUE(Locked(113)) << "112 still lies to the left, 114 to the right";
    present[112] = false;
    EXPECT_FALSE(Locked(113));
}

TEST_F(FreedomRules, AloneOnTheBoardEveryTileIsFree)
{
    for (std::int32_t tile = 1; tile <= 144; ++tile) {
        TilePresence alone{};
        alone[tile] = true;
        EXPECT_FALSE(TileIsLocked(geometry, alone, tile)) << tile;
    }
}

TEST_F(FreedomRules, PositionOutsideTheBoardIsAnIndexFailure)
{
    for (std::int32_t tile : {0, -1, 145}) {
        try {
            Locked(tile);
            ADD_FAILURE() << "no failure for " << tile;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number(), ErrSubscriptOutOfRange);
        }
    }
}

class FaceMatching : public ::testing::Test {
protected:
    TileArray faces{};
    bool Match(std::int32_t faceA, std::int32_t faceB)
    {
        faces[10] = faceA;
        faces[20] = faceB;
        return !TilesAreNotMatching(faces, 10, 20);
    }
};

TEST_F(FaceMatching, FlowersMatchFlowersSeasonsMatchSeasonsOthersThemselvesBothWays)
{
    EXPECT_TRUE(Match(35, 38));
    EXPECT_FALSE(Match(38, 39));
    EXPECT_TRUE(Match(39, 42));
    EXPECT_TRUE(Match(12, 12));
    EXPECT_FALSE(Match(12, 13));
    EXPECT_FALSE(Match(34, 35));
    for (std::int32_t a = 1; a <= FaceCount; ++a)
        for (std::int32_t b = 1; b <= FaceCount; ++b) EXPECT_EQ(Match(a, b), Match(b, a)) << a << " " << b;
}

TEST_F(FaceMatching, PositionZeroNeverMatches)
{
    faces[5] = faces[0] = 12;
    EXPECT_TRUE(TilesAreNotMatching(faces, 0, 5));
    EXPECT_TRUE(TilesAreNotMatching(faces, 5, 0));
}

class TileLocking : public TileRelations {
protected:
    TileArray faces{};
    bool Locks(std::int32_t lockingTile, std::int32_t tile)
    {
        return TileLocksTile(geometry, faces, lockingTile, tile);
    }
};

TEST_F(TileLocking, TopLocksAlwaysASideNeighbourOnlyWithTheOtherSideFilled)
{
    EXPECT_TRUE(Locks(1, 2));
    EXPECT_FALSE(Locks(2, 1)) << "a tile below does not lock";
    // 59 lies between 58 and 60 in the front row.
    EXPECT_FALSE(Locks(58, 59));
    faces[60] = 7;
    EXPECT_TRUE(Locks(58, 59));
    EXPECT_FALSE(Locks(60, 59)) << "58 is still empty";
    EXPECT_FALSE(Locks(61, 59)) << "not a neighbour";
    faces[114] = 3;
    EXPECT_TRUE(Locks(100, 113)) << "either row beside the half-row tile locks it";
    EXPECT_TRUE(Locks(112, 113));
    faces.fill(1);
    for (std::int32_t lockingTile = 0; lockingTile <= 144; ++lockingTile) EXPECT_FALSE(Locks(lockingTile, 0));
}

} // namespace
} // namespace tessaron
