#include "window/GameClock.h"

#include "window/TimeGone.h"

#include <utility>

namespace tessaron {

GameClock::GameClock(const Clock& time, ClockTimer& timer, ClockView& view, const Locale& texts,
                     ErrorReport& errors)
    : time_(time), timer_(timer), view_(view), texts_(texts), errors_(errors)
{
    timer_.SetTickHandler([this] { UpdateGameTime(); });
}

void GameClock::LoadTimingActive(const Registry& settings)
{
    timingActive_ = settings.LoadRegistryString(BoardSection, "TimingActive", "0") != "0";
}

void GameClock::ToggleTimingActive(Registry& settings)
{
    Guarded(errors_, BoardObject, "mnuOptionTimingActive_Click", [&] {
        timingActive_ = !timingActive_;
        settings.SaveRegistryString(BoardSection, "TimingActive", timingActive_ ? "1" : "0", "0");
    });
}

void GameClock::SetText(std::string text)
{
    text_ = std::move(text);
    view_.ShowTimeGone(text_);
}

void GameClock::TimerSetup()
{
    Guarded(errors_, BoardObject, "TimerSetup", [&] {
        gameTimeStart_ = time_.Now();
        steadyStart_ = time_.SteadySeconds();
        SetText({});
        TimerStart();
    });
}

void GameClock::TimerStart()
{
    // With the option off the timer never runs and the text stays empty.
    if (timingActive_) timer_.Start();
}

void GameClock::TimerStop() { timer_.Stop(); }

void GameClock::TimerReset()
{
    TimerStop();
    SetText({});
}

void GameClock::UpdateGameTime()
{
    Guarded(errors_, BoardObject, "UpdateGameTime", [&] {
        gameTimeNow_ = time_.Now();
        gameTime_ = (time_.SteadySeconds() - steadyStart_) / SecondsPerDay;
        SetText(FormatTimeGone(gameTime_, texts_));
    });
}

void GameClock::ResumeGameTime(double gameTime)
{
    Guarded(errors_, BoardObject, "ResumeGameTime", [&] {
        gameTimeNow_ = time_.Now();
        gameTimeStart_ = gameTimeNow_ - gameTime;
        steadyStart_ = time_.SteadySeconds() - gameTime * SecondsPerDay;
        gameTime_ = gameTime;
        SetText(timingActive_ ? FormatTimeGone(gameTime_, texts_) : std::string());
    });
}

void GameClock::Pause()
{
    pausedAt_ = time_.SteadySeconds();
    paused_ = true;
    runningBeforePause_ = timer_.IsActive();
    TimerStop();
}

void GameClock::EndPause()
{
    const double paused = time_.SteadySeconds() - pausedAt_;
    paused_ = false;
    pausedBefore_ += paused;
    steadyStart_ += paused;
    gameTimeStart_ += paused / SecondsPerDay;
    if (runningBeforePause_) TimerStart();
}

double GameClock::PausedSeconds() const
{
    return pausedBefore_ + (paused_ ? time_.SteadySeconds() - pausedAt_ : 0.0);
}

void GameClock::RefreshText()
{
    if (!text_.empty()) SetText(FormatTimeGone(gameTime_, texts_));
}

} // namespace tessaron
