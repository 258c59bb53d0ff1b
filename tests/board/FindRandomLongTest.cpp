#include "board/GameCreator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace tessaron {
namespace {

// Hands out a fixed list of values (the last one repeats) and counts the draws.
class ScriptedRandomSource final : public RandomSource {
public:
    explicit ScriptedRandomSource(std::vector<double> values) : values_(std::move(values)) {}
    double NextUniform() override
    {
        const std::size_t index = std::min(Draws, values_.size() - 1);
        ++Draws;
        return values_[index];
    }

    std::size_t Draws = 0;

private:
    std::vector<double> values_;
};

// Up to 100 redraws avoid the excluded value; after that it steps one up, wrapping to lower.
TEST(FindRandomLong, ScriptedDrawsGiveTheDocumentedValues)
{
    struct Case {
        std::vector<double> Draws;
        std::int32_t Range, Lower, Excluded, Expected;
        std::size_t DrawsTaken;
    };
    for (const Case& c : {Case{{0.0}, 1, 7, 7, 7, 101}, Case{{0.1, 0.1, 0.5, 0.9}, 3, 5, 5, 6, 3},
                          Case{{0.99}, 3, 5, 7, 5, 101}, Case{{0.0}, 3, 5, 5, 6, 101}}) {
        ScriptedRandomSource random(c.Draws);
        EXPECT_EQ(FindRandomLong(random, c.Range, c.Lower, c.Excluded), c.Expected) << c.Excluded;
        EXPECT_EQ(random.Draws, c.DrawsTaken) << c.Excluded;
    }
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
