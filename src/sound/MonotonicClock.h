#pragma once
// Time that only moves forward, for measuring waits (the wall clock may jump). Tests move
// a clock of their own.
#include <chrono>

namespace tessaron {

class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual std::chrono::steady_clock::time_point Now() const = 0;
};

class SteadyMonotonicClock final : public MonotonicClock {
public:
    std::chrono::steady_clock::time_point Now() const override { return std::chrono::steady_clock::now(); }
};

} // namespace tessaron
