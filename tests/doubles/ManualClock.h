#pragma once
// A clock that stands still until the test moves it.
#include "shell/Clock.h"

namespace tessaron {

class ManualClock final : public Clock {
public:
    double Now() const override { return Moment; }
    double SteadySeconds() const override { return Steady; }
    // Time passes: both sources move on.
    void AdvanceSeconds(double seconds)
    {
        Moment += seconds / 86400.0;
        Steady += seconds;
    }
    // The wall clock is set (back, for a negative count); no time passes.
    void SetWallClockBySeconds(double seconds) { Moment += seconds / 86400.0; }

    // 5 March 2004, 07:08:09 unless the test sets another moment.
    double Moment = 38051.0 + (7 * 3600 + 8 * 60 + 9) / 86400.0;
    double Steady = 5000.0;
};

} // namespace tessaron
