#pragma once
// The clock's tick, fired by hand: Tick() runs the handler only while the timer is on,
// as a real timer would.
#include "window/GameClock.h"

#include <functional>
#include <utility>

namespace tessaron {

class ManualTimer final : public ClockTimer {
public:
    void SetTickHandler(std::function<void()> handler) override { handler_ = std::move(handler); }
    void Start() override
    {
        if (!active_) ++Starts;
        active_ = true;
    }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }

    // Returns whether the tick reached the handler.
    bool Tick()
    {
        if (!active_ || !handler_) return false;
        handler_();
        return true;
    }

    int Starts = 0;  // how often the timer was switched on from off

private:
    std::function<void()> handler_;
    bool active_ = false;
};

} // namespace tessaron
