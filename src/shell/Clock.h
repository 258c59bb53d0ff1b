#pragma once
// Two time sources: the local date and time for the moments the game stores, and a
// monotonic count for durations, which a clock set back or forward cannot disturb.
// Tests substitute a clock they move by hand.
namespace tessaron {

class Clock {
public:
    virtual ~Clock() = default;
    // The current local date and time to the whole second, as an OLE Automation date
    // (days since 30 December 1899).
    virtual double Now() const = 0;
    // Whole seconds since an arbitrary fixed point; never goes back.
    virtual double SteadySeconds() const = 0;
};

class SystemClock final : public Clock {
public:
    double Now() const override;
    double SteadySeconds() const override;
};

} // namespace tessaron
