#pragma once
// The program's one uniform random generator. The game seeds it once from the clock;
// tests inject a fixed seed or a scripted sequence.
#include <cstdint>
#include <random>

namespace tessaron {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The next value, uniform in [0, 1).
    virtual double NextUniform() = 0;
};

class SeededRandomSource final : public RandomSource {
public:
    explicit SeededRandomSource(std::uint64_t seed) : engine_(seed) {}
    static SeededRandomSource FromClock();
    double NextUniform() override;

private:
    std::mt19937_64 engine_;
};

} // namespace tessaron
