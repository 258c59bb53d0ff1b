// The command-line option of the show mode, the origin text of a loaded game file, and
// the rule for the board's stored place.
#include "window/GameFileName.h"
#include "window/StartOptions.h"
#include "window/WindowPlace.h"

#include <gtest/gtest.h>

#include <string>
#include <optional>
#include <utility>
#include <vector>

namespace tessaron {
namespace {

TEST(GameCreateShowOption, IsFoundInAnyCaseAnywhereOnTheCommandLine)
{
    EXPECT_TRUE(HasGameCreateShowOption({"-GameCreateShow"}));
    EXPECT_TRUE(HasGameCreateShowOption({"-gamecreateshow"}));
    EXPECT_TRUE(HasGameCreateShowOption({"x", "/opt-GAMECREATESHOW-now"}));
    EXPECT_FALSE(HasGameCreateShowOption({}));
    EXPECT_FALSE(HasGameCreateShowOption({"-GameCreate", "Show"}));
}

TEST(LayoutStartOption, IsTheKeyAfterTheOptionEmptyWhenItIsMissing)
{
    using Key = std::optional<std::string>;
    EXPECT_EQ(LayoutStartOption({"--layout", "long-wall"}), Key("long-wall"));
    EXPECT_EQ(LayoutStartOption({"-GameCreateShow", "--layout", "column", "--layout", "x"}), Key("column"));
    EXPECT_EQ(LayoutStartOption({"--layout"}), Key(""));
    EXPECT_EQ(LayoutStartOption({"--layouts", "column"}), std::nullopt);
    EXPECT_EQ(LayoutStartOption({}), std::nullopt);
}

TEST(GameFileOrigin, IsTheNameWithoutItsGameFileExtension)
{
    // The last three are not cut so: kept whole instead of failing or losing characters.
    for (const auto& [name, origin] : std::vector<std::pair<std::string, std::string>>{
             {"Puzzle.tsg", "Puzzle"}, {"Puzzle.TSG", "Puzzle"}, {"my.game.tsg", "my.game"},
             {"Puzzle", "Puzzle"}, {"ab", "ab"}, {".tsg", ".tsg"}})
        EXPECT_EQ(GameFileOrigin(name), origin) << name;
}

// A desktop of two screens, the second left of the main one: from -1920 to 1920. A
// window 600 long stays at least partly on it for edges from -2519 to 1919.
TEST(WindowPlace, StoredEdgeIsTakenExactlyWhileTheWindowTouchesTheDesktop)
{
    for (const auto& [edge, taken] : std::vector<std::pair<double, bool>>{
             {-1500, true}, {-2519, true}, {-2520, false}, {0, true}, {1919, true}, {1920, false}})
        EXPECT_EQ(EdgeKeepsWindowOnDesktop(edge, 600, -1920, 3840), taken) << edge;
}

} // namespace
} // namespace tessaron
