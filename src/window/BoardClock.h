#pragma once
// The game clock as the board wires it: the 1000 ms tick (a real timer unless one is passed
// in) and where the time gone is shown. Play drives the clock; the window only reads it.
#include "window/GameClock.h"

#include <functional>
#include <memory>
#include <string>

namespace tessaron {

class BoardClock final : private ClockView {
public:
    // timer: the tick to use, null for a real timer; show: writes the time gone.
    BoardClock(const Clock& time, ClockTimer* timer, const Locale& texts, ErrorReport& errors,
               std::function<void(const std::string&)> show);
    ~BoardClock() override;

    GameClock& Game() { return clock_; }
    const GameClock& Game() const { return clock_; }
    // The real timer the clock made itself (null when the timer was passed in).
    ClockTimer* OwnTimer() const { return ownTimer_.get(); }

private:
    void ShowTimeGone(const std::string& text) override { show_(text); }

    std::unique_ptr<ClockTimer> ownTimer_;
    std::function<void(const std::string&)> show_;
    GameClock clock_;
};

} // namespace tessaron
