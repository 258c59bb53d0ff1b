#pragma once
// The current local date and time to the whole second, as an OLE Automation date
// (days since 30 December 1899). Tests substitute a clock they move by hand.
namespace tessaron {

class Clock {
public:
    virtual ~Clock() = default;
    virtual double Now() const = 0;
};

class SystemClock final : public Clock {
public:
    double Now() const override;
};

} // namespace tessaron
