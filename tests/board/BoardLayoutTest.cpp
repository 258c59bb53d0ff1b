#include "board/BoardGeometry.h"
#include "StandardBoard.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tessaron {
namespace {

TEST(BoardLayout, Gives144PositionsInFiveLayersDrawnTopLayerFirstOnTheirGridAndPixelPlaces)
{
    StandardBoard board;
    const BoardGeometry& geometry = board.Geometry;
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

TEST(BoardLayoutParts, HalfPixelsRoundToEven)
{
    RecordingErrorReport report;
    BoardGeometry geometry(report.Errors);
    geometry.CreateTileLocations("00,00,00,02;00,02,02,01", 37.0f, 53.0f);
    ASSERT_EQ(geometry.PositionCount(), 3);
    EXPECT_EQ(geometry.Place(1).Left, 18);  // 18.5
    EXPECT_EQ(geometry.Place(1).Top, 26);   // 26.5
    EXPECT_EQ(geometry.Place(2).Left, 55);  // 18 + 37
    EXPECT_EQ(geometry.Place(3).Left, 56);  // 55.5
    EXPECT_EQ(geometry.Place(3).Top, 80);   // 79.5
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

} // namespace
} // namespace tessaron
