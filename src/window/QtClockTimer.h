#pragma once
// The clock's real tick: a QTimer of 1000 ms.
#include "window/GameClock.h"

#include <QTimer>

#include <functional>

namespace tessaron {

class QtClockTimer final : public ClockTimer {
public:
    QtClockTimer();
    void SetTickHandler(std::function<void()> handler) override;
    void Start() override;
    void Stop() override;
    bool IsActive() const override;

private:
    QTimer timer_;
    std::function<void()> handler_;
};

} // namespace tessaron
