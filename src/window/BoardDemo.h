#pragma once
// Game › Demo: the solver plays the game out from the position on the board, each move in the
// three steps a player makes (the first tile selected, then the second, then the pair taken
// off), until the board is clear. Any key, click or command stops it; the position stays as
// reached. The pairs come from the board's solver companion (BoardHints), which owns the demo.
#include <QObject>

#include <cstdint>
#include <functional>
#include <string>

namespace tessaron {

class BoardSpeech;
class ClockTimer;
class Play;
struct Services;

struct DemoWiring {
    Services& Shared;
    Play& Model;
    BoardSpeech& Speech;
    // Runs a model operation as the player's commands run; it may refuse (paused, building).
    std::function<void(const std::function<void()>&)> Forward;
    // Asks the solver for the next pair: NextPair or NoPair answers, now or later.
    std::function<void()> AskPair;
    // The asked pair is no longer wanted.
    std::function<void()> DropPair;
    // A command of the menus as if chosen, by its item's name.
    std::function<void(const char*)> Command;
    // The game's message dialog with one OK button.
    std::function<void(const std::string&)> ShowMessage;
    // Its tick is the demo's step: three make a move.
    ClockTimer& Timer;
};

class BoardDemo final : public QObject {
public:
    explicit BoardDemo(DemoWiring wiring);
    ~BoardDemo() override;

    bool Running() const { return running_; }
    // Game › Demo: starts it, or stops it while it runs. The key or click that has just
    // stopped it does not start it again (Ctrl+D stops a running demo once).
    void Toggle();
    // Stops it, the selection it made undone, and says so.
    void Stop();
    // Whether the solver's answer is for the demo (else it is for the hint).
    bool Asking() const { return running_ && asking_; }
    // The solver's answer: the next pair of a clearing sequence, or none (lost or not found
    // in time; message says why in the player's words).
    void NextPair(std::int32_t first, std::int32_t second);
    // undos: how many take the game back to one that can be won (0: not known, or none).
    void NoPair(bool lost, const std::string& message, std::int32_t undos = 0);

protected:
    // While running: a key (other than a modifier alone) or a click anywhere stops it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Phase { Ask, SelectFirst, SelectSecond, TakePair };
    void Start();
    void End();
    void NextStep();
    // Runs step through the model; false when it did not do what it should (refused).
    bool Do(const std::function<void()>& step, const std::function<bool()>& done);

    DemoWiring w_;
    bool running_ = false;
    bool asking_ = false;
    bool justStopped_ = false;
    Phase phase_ = Phase::Ask;
    std::int32_t first_ = 0;
    std::int32_t second_ = 0;
};

} // namespace tessaron
