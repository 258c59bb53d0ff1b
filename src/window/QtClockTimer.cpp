#include "window/QtClockTimer.h"

#include <utility>

namespace tessaron {

QtClockTimer::QtClockTimer(std::chrono::milliseconds interval)
{
    timer_.setInterval(interval);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        if (handler_) handler_();
    });
}

void QtClockTimer::SetTickHandler(std::function<void()> handler) { handler_ = std::move(handler); }

void QtClockTimer::Start()
{
    // Switching on a running timer must not restart its second.
    if (!timer_.isActive()) timer_.start();
}

void QtClockTimer::Stop() { timer_.stop(); }

bool QtClockTimer::IsActive() const { return timer_.isActive(); }

} // namespace tessaron
