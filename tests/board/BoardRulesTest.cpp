// The built-in layout and the rules on it: positions and their places, relations,
// when a tile is free, which faces match, and when no move is left.
#include "board/BoardGeometry.h"
#include "board/Rules.h"
#include "StandardBoard.h"
#include "shell/Failure.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace tessaron {
namespace {

class BoardLayout : public ::testing::Test {
protected:
    StandardBoard board;
    const BoardGeometry& geometry = board.Geometry;
    TilePresence present = AllPresent();
    bool Locked(std::int32_t tile) { return TileIsLocked(geometry, present, tile); }
};

TEST_F(BoardLayout, Gives144PositionsInFiveLayersDrawnTopLayerFirstOnTheirGridAndPixelPlaces)
{
    ASSERT_EQ(geometry.PositionCount(), 144);
    EXPECT_TRUE(board.Report.Box.Boxes.empty());
    std::array<int, 5> perLayer{};
    for (std::int32_t tile = 1; tile <= 144; ++tile) {
        ++perLayer.at(geometry.Location(tile).Layer);
        // Smaller numbers are drawn in front, so no tile may come before one above it.
        if (tile > 1) {
            EXPECT_LE(geometry.Location(tile).Layer, geometry.Location(tile - 1).Layer) << tile;
        }
    }
    EXPECT_EQ(perLayer, (std::array<int, 5>{87, 36, 16, 4, 1}));

    struct Case {
        std::int32_t Tile, X, Y, Layer, Left, Top;
    };
    for (const Case& c : {Case{1, 13, 7, 4, 268, 192}, Case{88, 0, 7, 0, 18, 208}, Case{113, 26, 7, 0, 486, 208},
                          Case{144, 24, 0, 0, 450, 26}}) {
        const TileLocation& at = geometry.Location(c.Tile);
        const PixelPlace& place = geometry.Place(c.Tile);
        EXPECT_EQ((std::array{at.X, at.Y, at.Layer, place.Left, place.Top}),
                  (std::array{c.X, c.Y, c.Layer, c.Left, c.Top}))
            << c.Tile;
    }
}

// A damaged layout is reported under the step that met the damage; what was built before
// stays. An item cut off after its third number is no damage, and gives no tile.
TEST(BoardLayoutParts, DamagedLayoutsAreReportedAndKeepWhatWasBuilt)
{
    struct Case {
        const char* Layout;
        std::int32_t Positions;
        std::vector<std::string> Titles;
    };
    for (const Case& c : {
             Case{"00,02,00,03;01,04,00", 3, {}},
             Case{"00,00,00,99;00,00,02,99", 144, {"frmBoard.CreateTileLocations"}},
             Case{"00,02,00,02;0x,02,02,01", 2, {"frmBoard.CreateTileLocations"}},
             // Five tiles stacked in one place under one tile of the next layer.
             Case{"01,00,00,01;00,00,00,01;00,00,00,01;00,00,00,01;00,00,00,01;00,00,00,01", 6,
                  {"frmBoard.CreateTileRelations"}},
         }) {
        RecordingErrorReport report;
        BoardGeometry geometry(report.Errors);
        geometry.CreateTileRelations(c.Layout, 36.0f, 52.0f);
        EXPECT_EQ(geometry.PositionCount(), c.Positions) << c.Layout;
        EXPECT_EQ(report.Titles(), c.Titles) << c.Layout;
    }
}

// Lists ascend, and only the known places have more than one entry on a side or below.
// (fuzz_layout, whose corpus holds this layout, checks that relations are mutual.)
TEST_F(BoardLayout, RelationsAreAscendingAndShort)
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
TEST_F(BoardLayout, FreedomFollowsCoverAndNeighbours)
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
    for (const auto& [a, b, matching] : {std::tuple{35, 38, true}, std::tuple{38, 39, false},
                                        std::tuple{39, 42, true}, std::tuple{12, 12, true},
                                        std::tuple{12, 13, false}, std::tuple{34, 35, false}}) {
        EXPECT_EQ(match(a, b), matching) << a << " " << b;
        EXPECT_EQ(match(b, a), matching) << b << " " << a;
    }
    faces[5] = faces[0] = 12;
    EXPECT_TRUE(TilesAreNotMatching(faces, 0, 5));
    EXPECT_TRUE(TilesAreNotMatching(faces, 5, 0));
}

// Stuck means no two free tiles in play match: a matching tile underneath, locked between
// neighbours or already removed does not count; flowers match by their kind.
TEST_F(BoardLayout, StuckUnlessTwoFreeTilesInPlayMatch)
{
    present = {};
    TileArray faces{};
    const auto place = [&](std::int32_t tile, std::int32_t face) {
        present[tile] = true;
        faces[tile] = face;
    };
    const auto stuck = [&] { return NoMovePossible(geometry, present, faces); };

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
    place(144, 38);
    place(69, 36);
    EXPECT_FALSE(stuck()) << "two flowers match";
}

// The helpers' counts: every two free tiles that match are a pair (three of a face are
// three pairs), a locked match counts for nothing, flowers match flowers only.
TEST_F(BoardLayout, FreePairsAndFreeMatchesCountOnlyFreeMatchingTiles)
{
    struct Case {
        const char* Name;
        std::vector<std::pair<std::int32_t, std::int32_t>> Faces;  // changed from the row below
        std::int32_t Pairs;
        std::int32_t Tile;
        std::vector<std::int32_t> Matches;
    };
    const std::vector<Case> cases = {
        {"no two free tiles match", {}, 0, 58, {}},
        {"three free of a face", {{62, 1}, {144, 1}}, 3, 58, {62, 144}},
        {"a locked match", {{60, 1}, {62, 1}}, 1, 58, {62}},
        {"a flower and a season", {{144, 39}}, 0, 69, {}},
        {"two flowers", {{144, 35}}, 1, 69, {144}},
    };
    for (const Case& c : cases) {
        // A row 58..62 (its ends free), and 69 and 144 free on their own.
        present = {};
        TileArray faces{};
        for (std::int32_t tile : {58, 59, 60, 61, 62, 69, 144}) present[tile] = true;
        for (std::int32_t tile = 58; tile <= 62; ++tile) faces[tile] = tile - 57;
        faces[69] = 36;
        faces[144] = 6;
        for (const auto& [tile, face] : c.Faces) faces[tile] = face;
        ASSERT_TRUE(!Locked(58) && Locked(60) && !Locked(62) && !Locked(69) && !Locked(144));
        EXPECT_EQ(FreePairCount(geometry, present, faces), c.Pairs) << c.Name;
        EXPECT_EQ(FreeMatches(geometry, present, faces, c.Tile), c.Matches) << c.Name;
    }
}

} // namespace
} // namespace tessaron
