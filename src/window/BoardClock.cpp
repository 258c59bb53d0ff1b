#include "window/BoardClock.h"

#include "window/QtClockTimer.h"

#include <utility>

namespace tessaron {

namespace {
std::unique_ptr<ClockTimer> RealTimerUnless(const ClockTimer* given)
{
    return given ? nullptr : std::make_unique<QtClockTimer>();
}
} // namespace

BoardClock::BoardClock(const Clock& time, ClockTimer* timer, const Locale& texts, ErrorReport& errors,
                       std::function<void(const std::string&)> show)
    : ownTimer_(RealTimerUnless(timer)),
      show_(std::move(show)),
      clock_(time, timer ? *timer : *ownTimer_, static_cast<ClockView&>(*this), texts, errors)
{
}

BoardClock::~BoardClock() = default;

} // namespace tessaron
