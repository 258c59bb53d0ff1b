// Layouts read from text: the classic file is today's board, a refused text names its source
// and line, positions are numbered in drawing order, and every built-in layout is sound and
// admitted.
#include "LayoutBoard.h"
#include "StandardBoard.h"
#include "board/LayoutAdmission.h"
#include "board/LayoutCatalog.h"
#include "shell/StringTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

namespace tessaron {

void PrintTo(const LayoutFault& fault, std::ostream* out)
{
    *out << LayoutFaultText(fault, EnglishStringBase) << " (kind " << int(fault.Kind) << ")";
}

namespace {

std::string Text(const std::string& body)
{
    return "tessaron-layout 1\nkey test\nname-en Test\nname-de Probe\n" + body;
}

// 144 tiles in nine rows of 16 on the table.
std::string PlainRows()
{
    std::string rows;
    for (int y = 0; y < 18; y += 2) rows += "row 0 " + std::to_string(y) + " 0 16\n";
    return rows;
}

// Eight rows of 16 below row 0, which a case fills with 16 tiles of its own.
std::string EightRows()
{
    std::string rows;
    for (int y = 2; y < 18; y += 2) rows += "row 0 " + std::to_string(y) + " 0 16\n";
    return rows;
}

bool SameList(const TileList& a, const TileList& b)
{
    return a.Count == b.Count && std::equal(a.Tile.begin(), a.Tile.begin() + a.Count, b.Tile.begin());
}

// Game records index the classic layout's positions: its file must give today's board, place
// for place, pixel for pixel and neighbour for neighbour.
TEST(LayoutFile, ClassicFileGivesTheBoardOfTheBuiltInLayoutText)
{
    const LayoutCatalog catalog;
    ASSERT_EQ(catalog.Classic().Key, ClassicLayoutKey);
    LayoutBoard read(catalog.Classic());
    StandardBoard today;
    ASSERT_EQ(read.Geometry.PositionCount(), TileCount);
    EXPECT_TRUE(read.Report.Box.Boxes.empty());
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        const TileLocation& a = read.Geometry.Location(tile);
        const TileLocation& b = today.Geometry.Location(tile);
        EXPECT_EQ((std::array{a.X, a.Y, a.Layer}), (std::array{b.X, b.Y, b.Layer})) << tile;
        EXPECT_EQ(read.Geometry.Place(tile).Left, today.Geometry.Place(tile).Left) << tile;
        EXPECT_EQ(read.Geometry.Place(tile).Top, today.Geometry.Place(tile).Top) << tile;
        const TileRelation& r = read.Geometry.Relation(tile);
        const TileRelation& s = today.Geometry.Relation(tile);
        EXPECT_TRUE(SameList(r.Above, s.Above) && SameList(r.Below, s.Below) && SameList(r.LeftHand, s.LeftHand) &&
                    SameList(r.RightHand, s.RightHand))
            << tile;
    }
}

TEST(LayoutFile, RefusedTextNamesSourceLineAndReason)
{
    struct Case {
        std::string Text;
        std::int32_t Line;
        LayoutFaultKind Kind;
        std::int32_t Detail = 0;
    };
    const std::string plain = PlainRows();
    for (const Case& c : {
             Case{"", 1, LayoutFaultKind::NotALayout},
             Case{std::string(LayoutTextLimit + 1, '#'), 1, LayoutFaultKind::TooLarge, 65536},
             Case{Text("# " + std::string(LayoutLineLimit, 'x')), 5, LayoutFaultKind::LineTooLong, 200},
             Case{Text("row 0 0 0\n"), 5, LayoutFaultKind::NotUnderstood},
             Case{Text("tile 0 0 0 junk\n"), 5, LayoutFaultKind::NotUnderstood},
             Case{Text("tile -2 0 0\n"), 5, LayoutFaultKind::NotUnderstood},
             Case{Text("tile 0 0\x01 0\n"), 5, LayoutFaultKind::NotUnderstood},
             Case{Text("\nrow 92 0 0 5\n"), 6, LayoutFaultKind::OutOfRange},
             Case{Text("tile 0 0 10\n"), 5, LayoutFaultKind::OutOfRange},
             Case{"tessaron-layout 1\nkey Big\n", 2, LayoutFaultKind::BadKey},
             Case{"tessaron-layout 1\nname-de \xC3\x28\n", 2, LayoutFaultKind::BadName},
             Case{Text("key again\n"), 5, LayoutFaultKind::HeaderTwice},
             Case{"tessaron-layout 1\r\nkey test\r\nname-en Test\r\n" + plain, 12, LayoutFaultKind::HeaderMissing},
             Case{Text(plain + "tile 40 0 0\n"), 14, LayoutFaultKind::WrongTileCount, 145},
             Case{Text("row 0 0 0 10\n"), 5, LayoutFaultKind::WrongTileCount, 10},
             Case{Text("tile 30 0 1\nrow 0 0 0 15\n" + EightRows()), 5, LayoutFaultKind::NotResting},
             // Half of it rests on the row, half on nothing.
             Case{Text("tile 1 0 1\nrow 2 0 0 15\n" + EightRows()), 5, LayoutFaultKind::NotResting},
             Case{Text("row 0 0 0 15\ntile 29 1 0\n" + EightRows()), 6, LayoutFaultKind::Overlapping, 5},
         }) {
        const LayoutReading reading = ReadLayout(c.Text, "mine.layout");
        ASSERT_TRUE(std::holds_alternative<LayoutFault>(reading)) << c.Text.substr(0, 80);
        EXPECT_EQ(std::get<LayoutFault>(reading), (LayoutFault{"mine.layout", c.Line, c.Kind, c.Detail}))
            << c.Text.substr(0, 80);
    }
    const LayoutFault fault{"my^1.layout", 7, LayoutFaultKind::Overlapping, 3};
    EXPECT_EQ(LayoutFaultText(fault, EnglishStringBase),
              "my^1.layout, line 7: this tile overlaps the tile of line 3 on its layer");
    EXPECT_EQ(LayoutFaultText(fault, GermanStringBase),
              "my^1.layout, Zeile 7: dieser Stein überdeckt den Stein aus Zeile 3 auf seiner Ebene");
}

// A smaller position is drawn in front: the upper layer first, then within a layer the left
// of two touching tiles and the lower of two rows, whatever order the text lists them in.
TEST(LayoutFile, PositionsAreNumberedInDrawingOrder)
{
    std::string rows;
    for (int y = 0; y < 16; y += 2) rows += "row 2 " + std::to_string(y) + " 0 16\n";
    const LayoutReading reading =
        ReadLayout(Text("tile 34 5 0\nrow 2 16 0 12\nrow 2 0 1 2\ntile 0 5 0\n" + rows), "order.layout");
    ASSERT_TRUE(std::holds_alternative<Layout>(reading));
    const std::vector<TileLocation>& places = std::get<Layout>(reading).Places;
    const auto position = [&](std::int32_t x, std::int32_t y, std::int32_t layer) {
        for (std::size_t i = 0; i < places.size(); ++i)
            if (places[i].X == x && places[i].Y == y && places[i].Layer == layer) return std::int32_t(i + 1);
        return 0;
    };
    EXPECT_EQ(position(2, 0, 1), 1);
    EXPECT_EQ(position(4, 0, 1), 2);
    EXPECT_EQ(position(2, 16, 0), 3);  // the lowest row first
    EXPECT_LT(position(0, 5, 0), position(2, 6, 0));   // left of a lower tile
    EXPECT_LT(position(32, 6, 0), position(34, 5, 0));  // right of both rows it touches
    EXPECT_LT(position(32, 4, 0), position(34, 5, 0));
}

// Checked another way than the reader does: a raised tile's overlaps with the tiles below it
// add up to its whole area, and no two tiles of a layer overlap.
TEST(BuiltInLayouts, AreSoundDistinctAndAdmitted)
{
    const LayoutCatalog catalog;
    ASSERT_EQ(catalog.Layouts().size(), BuiltInLayoutTexts().size());
    EXPECT_GE(catalog.Layouts().size(), 25u);
    std::set<std::string> keys;
    std::set<std::string> names;
    for (const Layout& layout : catalog.Layouts()) {
        SCOPED_TRACE(layout.Key);
        keys.insert(layout.Key);
        names.insert(layout.EnglishName);
        names.insert(layout.GermanName);
        LayoutBoard board(layout);
        ASSERT_EQ(board.Geometry.PositionCount(), TileCount);
        EXPECT_TRUE(board.Report.Box.Boxes.empty());
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
            const TileLocation& at = board.Geometry.Location(tile);
            std::int32_t coveredBelow = 0;
            const TileList& below = board.Geometry.Relation(tile).Below;
            for (std::int32_t i = 0; i < below.Count; ++i) {
                const TileLocation& under = board.Geometry.Location(below.Tile[i]);
                coveredBelow += (2 - std::abs(under.X - at.X)) * (2 - std::abs(under.Y - at.Y));
            }
            EXPECT_EQ(coveredBelow, at.Layer > 0 ? 4 : 0) << tile;
            for (std::int32_t other = 1; other < tile; ++other) {
                const TileLocation& o = board.Geometry.Location(other);
                EXPECT_FALSE(o.Layer == at.Layer && std::abs(o.X - at.X) < 2 && std::abs(o.Y - at.Y) < 2)
                    << tile << " " << other;
                EXPECT_GE(o.Layer, at.Layer) << tile << " " << other;
            }
        }
        const LayoutTrial trial = TryLayout(layout, TrialDeals, 1);
        EXPECT_TRUE(IsAdmitted(trial)) << trial.MeanAttempts(TrialDeals) << " attempts on average";
    }
    EXPECT_EQ(keys.size(), catalog.Layouts().size());
    EXPECT_EQ(names.size(), 2 * catalog.Layouts().size());
}

TEST(LayoutAdmission, EveryTrialDealBuiltWithinTheMeanAttempts)
{
    struct Case {
        LayoutTrial Trial;
        bool Admitted;
    };
    for (const Case& c : {Case{{20, 160, 30}, true}, Case{{20, 161, 30}, false}, Case{{19, 20, 200}, false},
                          Case{{20, 20, 1}, true}}) {
        EXPECT_EQ(IsAdmitted(c.Trial), c.Admitted) << c.Trial.DealsBuilt << " " << c.Trial.Attempts;
    }
}

// A pyramid of 7 x 7 up to one top tile on four, with a gate on each side: sound, but the
// builder nearly always ends with the top as the only place for a pair's second tile while
// the first lies under it.
std::string PointedPyramid()
{
    std::string text = Text("tile 0 8 0\ntile 16 8 0\ntile 8 0 0\ntile 8 16 0\n");
    for (int k = 0; k < 7; ++k)
        for (int j = 0; j < 7 - k; ++j)
            text += "row " + std::to_string(2 + k) + " " + std::to_string(2 + k + 2 * j) + " " + std::to_string(k) +
                    " " + std::to_string(7 - k) + "\n";
    return text;
}

// A refused layout leaves the catalog as it was; an admitted one joins it at the end.
TEST(LayoutCatalogAdd, RefusesDamagedAndTakenKeysAndAddsTheRest)
{
    LayoutCatalog catalog;
    const std::size_t builtIn = catalog.Layouts().size();
    const auto added = [&](const std::string& text) { return catalog.AddLayout(text, "user.layout"); };
    EXPECT_EQ(added(Text("tile 0 0 0\n")).value().Kind, LayoutFaultKind::WrongTileCount);
    const std::string taken = "tessaron-layout 1\n\nkey classic\nname-en Mine\nname-de Meins\n" + PlainRows();
    EXPECT_EQ(added(taken), (LayoutFault{"user.layout", 3, LayoutFaultKind::KeyTaken, 0}));
    EXPECT_EQ(added(PointedPyramid()), (LayoutFault{"user.layout", 1, LayoutFaultKind::TooManyAttempts, 200}));
    EXPECT_EQ(catalog.Layouts().size(), builtIn);
    EXPECT_EQ(added(Text(PlainRows())), std::nullopt);
    ASSERT_EQ(catalog.Layouts().size(), builtIn + 1);
    EXPECT_EQ(catalog.Find("test"), &catalog.Layouts().back());
    EXPECT_EQ(catalog.Find("classic"), &catalog.Classic());
}

} // namespace
} // namespace tessaron
