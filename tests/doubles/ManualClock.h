#pragma once
// A clock that stands still until the test moves it.
#include "shell/Clock.h"

namespace tessaron {

class ManualClock final : public Clock {
public:
    double Now() const override { return Moment; }
    void AdvanceSeconds(double seconds) { Moment += seconds / 86400.0; }

    // 5 March 2004, 07:08:09 unless the test sets another moment.
    double Moment = 38051.0 + (7 * 3600 + 8 * 60 + 9) / 86400.0;
};

} // namespace tessaron
