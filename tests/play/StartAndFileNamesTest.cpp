// The command-line option of the show mode, and the origin text of a loaded game file.
#include "window/GameFileName.h"
#include "window/StartOptions.h"

#include <gtest/gtest.h>

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

TEST(GameFileOrigin, IsTheNameWithoutItsGameFileExtension)
{
    EXPECT_EQ(GameFileOrigin("Puzzle.tsg"), "Puzzle");
    EXPECT_EQ(GameFileOrigin("Puzzle.TSG"), "Puzzle");
    EXPECT_EQ(GameFileOrigin("my.game.tsg"), "my.game");
    // Names that are not cut so: kept whole instead of failing or losing characters.
    EXPECT_EQ(GameFileOrigin("Puzzle"), "Puzzle");
    EXPECT_EQ(GameFileOrigin("ab"), "ab");
    EXPECT_EQ(GameFileOrigin(".tsg"), ".tsg");
}

} // namespace
} // namespace tessaron
