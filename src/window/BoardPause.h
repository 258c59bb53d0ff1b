#pragma once
// Pause: every tile face hidden behind the felt with "Paused" in the dead-end text's place,
// the clock standing still, and nothing available but going on. While paused, a click or any
// key in the window goes on.
#include <QObject>

#include <functional>

class QWidget;

namespace tessaron {

class BoardSpeech;
class BoardWidgets;
class GameClock;

struct PauseWiring {
    QWidget& Window;
    BoardWidgets& Controls;
    GameClock& Clock;
    BoardSpeech& Speech;
    std::function<bool()> Available;       // a deal in play, not built, won or stuck
    std::function<void()> RedrawTiles;     // every tile as the position says
    std::function<void()> EnableCommands;
    std::function<void()> PositionChanged;
};

class BoardPause final : public QObject {
public:
    explicit BoardPause(PauseWiring wiring);

    bool Paused() const { return paused_; }
    // Pauses when a pause is available; does nothing when paused already.
    void Pause();
    void End();
    void Toggle() { paused_ ? End() : Pause(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PauseWiring wiring_;
    bool paused_ = false;
    bool lostShownBeforePause_ = false;
};

} // namespace tessaron
