#pragma once
// "Play against the clock": the time from the first move of a game to the last, shown
// every second while the option is on. It is measured on the monotonic source, so setting
// the wall clock during a game changes neither the time shown nor the time ranked; the
// wall clock gives only the moment of solving. The time source and the 1000 ms tick are
// passed in, so tests move time by hand.
#include "board/Play.h"
#include "shell/Clock.h"
#include "shell/ErrorReport.h"
#include "shell/Locale.h"
#include "shell/Registry.h"

#include <functional>
#include <string>

namespace tessaron {

// The clock's tick, every 1000 ms while it is on.
class ClockTimer {
public:
    virtual ~ClockTimer() = default;
    virtual void SetTickHandler(std::function<void()> handler) = 0;
    // Switching on a timer that is already on changes nothing.
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

class ClockView {
public:
    virtual ~ClockView() = default;
    virtual void ShowTimeGone(const std::string& text) = 0;
};

class GameClock final : public PlayClock {
public:
    GameClock(const Clock& time, ClockTimer& timer, ClockView& view, const Locale& texts, ErrorReport& errors);

    // The option is on when the stored "Board"/"TimingActive" is anything but "0".
    void LoadTimingActive(const Registry& settings);
    void ToggleTimingActive(Registry& settings);
    bool TimingActive() const override { return timingActive_; }

    void TimerSetup() override;
    void TimerStart() override;
    void TimerStop() override;
    void TimerReset() override;
    void UpdateGameTime() override;
    // A game kept from the last run goes on: its elapsed time (in days) counts as gone
    // already, as if it had started that long ago. The timer is left to the caller.
    void ResumeGameTime(double gameTime);
    // The clock stands still while the game is paused; the pause does not count, as if the
    // game had started that much later.
    void Pause();
    void EndPause();
    // The steady seconds spent paused in this run, a pause going on included.
    double PausedSeconds() const;
    double GameTime() const override { return gameTime_; }
    double GameTimeNow() const override { return gameTimeNow_; }
    double GameTimeStart() const { return gameTimeStart_; }

    const std::string& TimeGoneText() const { return text_; }
    // After a language switch: the time shown again in the new language's format.
    void RefreshText();

private:
    void SetText(std::string text);

    const Clock& time_;
    ClockTimer& timer_;
    ClockView& view_;
    const Locale& texts_;
    ErrorReport& errors_;
    bool timingActive_ = false;
    double gameTimeStart_ = 0;
    double steadyStart_ = 0;
    double gameTimeNow_ = 0;
    double gameTime_ = 0;
    double pausedAt_ = 0;
    double pausedBefore_ = 0;  // the pauses that ended
    bool paused_ = false;
    bool runningBeforePause_ = false;
    std::string text_;
};

} // namespace tessaron
