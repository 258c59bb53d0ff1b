#pragma once
// A real tick: a QTimer, of 1000 ms for the clock.
#include "window/GameClock.h"

#include <QTimer>

#include <chrono>
#include <functional>

namespace tessaron {

class QtClockTimer final : public ClockTimer {
public:
    explicit QtClockTimer(std::chrono::milliseconds interval = std::chrono::milliseconds(1000));
    void SetTickHandler(std::function<void()> handler) override;
    void Start() override;
    void Stop() override;
    bool IsActive() const override;

private:
    QTimer timer_;
    std::function<void()> handler_;
};

} // namespace tessaron
