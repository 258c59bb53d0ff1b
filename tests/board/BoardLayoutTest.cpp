#include "board/BoardGeometry.h"
#include "StandardBoard.h"
#include "shell/Failure.h"

#include <gtest/gtest.h>

#include <array>

namespace tessaron {
namespace {

TEST(LayoutParsing, BuiltInLayoutHolds23ItemsOf144Tiles)
{
    std::int32_t offset = 0;
    int items = 0;
    int tiles = 0;
    for (;;) {
        std::array<std::int32_t, 4> item{};
        bool exhausted = false;
        for (auto& value : item)
            if ((exhausted = ExtractLayoutItem(value, BoardLayout, offset))) break;
        if (exhausted) break;
        ++items;
        tiles += item[3];
    }
    EXPECT_EQ(BoardLayout.size(), 275u);
    EXPECT_EQ(items, 23);
    EXPECT_EQ(tiles, 144);
}

TEST(LayoutParsing, LastNumberIsReadAt273AndTheNextCallFindsTheEnd)
{
    std::int32_t value = -1;
    std::int32_t offset = 273;
    EXPECT_FALSE(ExtractLayoutItem(value, BoardLayout, offset));
    EXPECT_EQ(value, 12);
    EXPECT_EQ(offset, 276);

    EXPECT_TRUE(ExtractLayoutItem(value, BoardLayout, offset));
    EXPECT_EQ(value, 12) << "the end of the text leaves the value alone";
}

TEST(LayoutParsing, TextThatIsNotANumberIsATypeMismatch)
{
    std::int32_t value = 0;
    std::int32_t offset = 0;
    try {
        ExtractLayoutItem(value, "0x,01", offset);
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Number(), ErrTypeMismatch);
    }
}

class BoardLayout : public ::testing::Test {
protected:
    StandardBoard board;
    const BoardGeometry& geometry = board.Geometry;
};

TEST_F(BoardLayout, Gives144PositionsInFiveLayersDrawnTopLayerFirst)
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
}

TEST_F(BoardLayout, KnownPositionsSitOnTheirGridPlaces)
{
    auto place = [&](std::int32_t tile) {
        const TileLocation& at = geometry.Location(tile);
        return std::array<std::int32_t, 3>{at.X, at.Y, at.Layer};
    };
    EXPECT_EQ(place(1), (std::array<std::int32_t, 3>{13, 7, 4}));
    EXPECT_EQ(place(88), (std::array<std::int32_t, 3>{0, 7, 0}));
    EXPECT_EQ(place(113), (std::array<std::int32_t, 3>{26, 7, 0}));
    EXPECT_EQ(place(114), (std::array<std::int32_t, 3>{28, 7, 0}));
    EXPECT_EQ(place(144), (std::array<std::int32_t, 3>{24, 0, 0}));
}

TEST_F(BoardLayout, PixelPlacesFor40By56Pictures)
{
    auto pixels = [&](std::int32_t tile) {
        return std::array<std::int32_t, 2>{geometry.Place(tile).Left, geometry.Place(tile).Top};
    };
    EXPECT_EQ(pixels(1), (std::array<std::int32_t, 2>{268, 192}));
    EXPECT_EQ(pixels(88), (std::array<std::int32_t, 2>{18, 208}));
    EXPECT_EQ(pixels(144), (std::array<std::int32_t, 2>{450, 26}));
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
    EXPECT_EQ(geometry.Place(2).Top, 26);
    EXPECT_EQ(geometry.Location(2).X, 2);
    EXPECT_EQ(geometry.Place(3).Left, 56);  // 55.5
    EXPECT_EQ(geometry.Place(3).Top, 80);   // 79.5

    geometry.CreateTileLocations("00,00,00,02", 36.5f, 52.0f);
    EXPECT_EQ(geometry.Place(2).Left - geometry.Place(1).Left, 36) << "a step of 36.5 rounds to 36";
}

TEST(BoardLayoutParts, ItemCutOffAfterItsThirdNumberGivesNoTile)
{
    RecordingErrorReport report;
    BoardGeometry geometry(report.Errors);
    geometry.CreateTileRelations("00,02,00,03;01,04,00", 36.0f, 52.0f);
    EXPECT_EQ(geometry.PositionCount(), 3);
    EXPECT_TRUE(report.Box.Boxes.empty());
    EXPECT_EQ(geometry.Relation(1).RightHand.Count, 1);
    EXPECT_EQ(geometry.Relation(4).LeftHand.Count, 0) << "an unused entry takes no part in the relations";
}

TEST(BoardLayoutParts, MoreThan144TilesIsReportedAndKeepsThe144)
{
    RecordingErrorReport report;
    BoardGeometry geometry(report.Errors);
    geometry.CreateTileLocations("00,00,00,99;00,00,02,99", 36.0f, 52.0f);
    EXPECT_EQ(geometry.PositionCount(), 144);
    ASSERT_EQ(report.Titles(), std::vector<std::string>{"frmBoard.CreateTileLocations"});
    EXPECT_NE(report.Box.Boxes[0].Text.find("9 (Subscript out of range)"), std::string::npos);
}

TEST(BoardLayoutParts, BadNumberIsReportedUnderCreateTileLocations)
{
    RecordingErrorReport report;
    BoardGeometry geometry(report.Errors);
    geometry.CreateTileRelations("00,02,00,02;0x,02,02,01", 36.0f, 52.0f);
    EXPECT_EQ(geometry.PositionCount(), 2) << "the items before the bad one stay";
    EXPECT_EQ(report.Titles(), std::vector<std::string>{"frmBoard.CreateTileLocations"});
}

TEST(BoardLayoutParts, FifthNeighbourInOneListIsReportedUnderCreateTileRelations)
{
    RecordingErrorReport report;
    BoardGeometry geometry(report.Errors);
    // Five tiles stacked in one place under one tile of the next layer.
    geometry.CreateTileRelations("01,00,00,01;00,00,00,01;00,00,00,01;00,00,00,01;00,00,00,01;00,00,00,01",
                                 36.0f, 52.0f);
    EXPECT_EQ(report.Titles(), std::vector<std::string>{"frmBoard.CreateTileRelations"});
    EXPECT_EQ(geometry.Relation(1).Below.Count, 4);
}

} // namespace
} // namespace tessaron
