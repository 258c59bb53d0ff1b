#include "board/GameCreator.h"
#include "ScriptedRandomSource.h"

#include <gtest/gtest.h>

#include <array>

namespace tessaron {
namespace {

TEST(FindRandomLong, SingleValueThatIsExcludedIsReturnedAfter101Draws)
{
    ScriptedRandomSource random({0.0});
    EXPECT_EQ(FindRandomLong(random, 1, 7, 7), 7);
    EXPECT_EQ(random.Draws, 101u);
}

TEST(FindRandomLong, FirstDrawThatIsNotExcludedIsTaken)
{
    ScriptedRandomSource random({0.1, 0.1, 0.5, 0.9});
    EXPECT_EQ(FindRandomLong(random, 3, 5, 5), 6);  // 5, 5, then 5 + floor(1.5)
    EXPECT_EQ(random.Draws, 3u);
}

TEST(FindRandomLong, EndlessExcludedDrawsWrapToLower)
{
    ScriptedRandomSource random({0.99});
    EXPECT_EQ(FindRandomLong(random, 3, 5, 7), 5);  // 7 + 1 reaches 8 = 5 + 3
    EXPECT_EQ(random.Draws, 101u);

    ScriptedRandomSource low({0.0});
    EXPECT_EQ(FindRandomLong(low, 3, 5, 5), 6);
}

TEST(FindRandomLong, GeneratorThatReachesOneStaysInRange)
{
    ScriptedRandomSource random({1.0});
    EXPECT_EQ(FindRandomLong(random, 4, 35, 0), 38);
}

TEST(FindRandomLong, SeededDrawsCoverTheRangeAndAvoidTheExcludedValue)
{
    SeededRandomSource random(99);
    std::array<int, 8> seen{};
    for (int i = 0; i < 6000; ++i) {
        const std::int32_t value = FindRandomLong(random, 6, 1, 3);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 6);
        ++seen[value];
    }
    EXPECT_EQ(seen[3], 0);
    for (std::int32_t value : {1, 2, 4, 5, 6}) EXPECT_NEAR(seen[value], 1200, 150) << value;
}

} // namespace
} // namespace tessaron
