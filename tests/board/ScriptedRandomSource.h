#pragma once
// A random source that hands out a fixed list of values (the last one repeats) and counts
// how often it was asked.
#include "board/RandomSource.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace tessaron {

class ScriptedRandomSource final : public RandomSource {
public:
    explicit ScriptedRandomSource(std::vector<double> values) : values_(std::move(values)) {}

    double NextUniform() override
    {
        const std::size_t index = Draws < values_.size() ? Draws : values_.size() - 1;
        ++Draws;
        return values_[index];
    }

    std::size_t Draws = 0;

private:
    std::vector<double> values_;
};

} // namespace tessaron
