#pragma once
// The Hint command, the demo and the warning that the game can no longer be won. The searches
// run on the board solver's worker; what they find is shown here: a hinted pair is selected as
// the player would select it, no pair is explained in a message; while the demo asks, the
// answers are its moves.
#include "window/BoardSolver.h"

#include <functional>
#include <memory>

class QWidget;

namespace tessaron {

class BoardCompanions;
class BoardDemo;
class BoardKeyboard;
class BoardLabel;
class BoardSpeech;
class ClockTimer;
struct Services;

struct HintWiring {
    Services& Shared;
    BoardCompanions& Companions;
    QWidget& Owner;
    Play& Model;
    const BoardGeometry& Geometry;
    // Solves positions; null gives a worker thread.
    PositionSolver* Solver;
    BoardLabel& GameLost;
    BoardSpeech& Speech;
    BoardKeyboard& Keyboard;
    // Runs a model operation as the player's commands run (the hint says itself).
    std::function<void(const std::function<void()>&)> Forward;
    // The solver's word on the position may have changed (Shuffle follows it).
    std::function<void()> VerdictChanged;
    // A command of the menus as if chosen, by its item's name (the demo offers Shuffle and
    // undos in a lost game).
    std::function<void(const char*)> Command;
    // The demo's step (three make a move); null gives a real timer of a sixth of a second.
    ClockTimer* DemoTimer;
};

class BoardHints final : private HintView {
public:
    explicit BoardHints(HintWiring wiring);
    ~BoardHints() override;

    // The warning's stored setting ("Board"/"WarnLost", on unless "0").
    void LoadWarnLost();
    bool WarnLost() const { return solver_->WarnLost(); }
    // The option switched and stored; returns whether it is on now.
    bool ToggleWarnLost();
    // Answers at once when the verdict is known, otherwise when it comes.
    void RequestHint() { solver_->RequestHint(); }
    // The position may have changed: a new one is searched.
    void PositionChanged() { solver_->PositionMaybeChanged(); }
    SolverVerdict Verdict() const { return solver_->Verdict(); }
    // Game › Demo: starts or stops it.
    void ToggleDemo();
    // Any other command stops the demo.
    void StopDemo();
    bool DemoRunning() const;
    // The window closes: no answer comes any more.
    void Stop();
    void SetupLocale();

private:
    void ShowGameLost(bool shown) override;
    void ShowHint(std::int32_t first, std::int32_t second) override;
    void ShowNoHint(const PositionAnswer& answer) override;

    HintWiring wiring_;
    std::unique_ptr<PositionSolver> ownSolver_;
    std::unique_ptr<BoardSolver> solver_;
    std::unique_ptr<ClockTimer> ownDemoTimer_;
    std::unique_ptr<BoardDemo> demo_;
};

} // namespace tessaron
