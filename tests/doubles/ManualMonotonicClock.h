#pragma once
// A monotonic clock that stands still until the test moves it.
#include "sound/MonotonicClock.h"

namespace tessaron {

class ManualMonotonicClock final : public MonotonicClock {
public:
    std::chrono::steady_clock::time_point Now() const override { return Moment; }
    void Advance(std::chrono::steady_clock::duration by) { Moment += by; }

    std::chrono::steady_clock::time_point Moment{std::chrono::hours(1)};
};

} // namespace tessaron
