#include "window/BoardHints.h"

#include "shell/Services.h"
#include "shell/TextTools.h"
#include "window/BoardAccessibility.h"
#include "window/BoardCompanions.h"
#include "window/BoardDemo.h"
#include "window/BoardKeyboard.h"
#include "window/BoardLabel.h"
#include "window/QtClockTimer.h"

#include <QAccessible>

#include <chrono>
#include <string>

namespace tessaron {

namespace {

// Texts of the hint and the warning.
constexpr std::int16_t UndoMovesText = 752;
constexpr std::int16_t GameLostText = 753;
constexpr std::int16_t NeverWinnableText = 755;
constexpr std::int16_t NoHintInTimeText = 756;
constexpr std::int16_t LostText = 757;
constexpr std::int16_t UndoOneMoveText = 758;
constexpr std::int16_t DemoNoMoveText = 660;

// Why no pair is offered, in the player's words.
std::string NoHintMessage(const Locale& texts, const PositionAnswer& answer)
{
    if (answer.Verdict != SolverVerdict::Lost) return texts.LoadLocaleString(NoHintInTimeText);
    if (answer.Earlier == SolverVerdict::Winnable && answer.UndosToWinnable == 1)
        return texts.LoadLocaleString(UndoOneMoveText);
    if (answer.Earlier == SolverVerdict::Winnable)
        return ReplaceSubString(texts.LoadLocaleString(UndoMovesText), "^0", std::to_string(answer.UndosToWinnable));
    if (answer.Earlier == SolverVerdict::Lost) return texts.LoadLocaleString(NeverWinnableText);
    return texts.LoadLocaleString(LostText);
}
} // namespace

BoardHints::BoardHints(HintWiring wiring) : wiring_(std::move(wiring))
{
    PositionSolver* solver = wiring_.Solver;
    if (!solver) {
        ownSolver_ = std::make_unique<ThreadedPositionSolver>(wiring_.Geometry, std::chrono::seconds(5),
                                                              std::chrono::seconds(30));
        solver = ownSolver_.get();
    }
    solver_ = std::make_unique<BoardSolver>(wiring_.Model, *solver, static_cast<HintView&>(*this));
    ClockTimer* demoTimer = wiring_.DemoTimer;
    if (!demoTimer) {
        ownDemoTimer_ = std::make_unique<QtClockTimer>(std::chrono::milliseconds(170));
        demoTimer = ownDemoTimer_.get();
    }
    demo_ = std::make_unique<BoardDemo>(DemoWiring{
        wiring_.Shared, wiring_.Model, wiring_.Speech, wiring_.Forward, [this] { solver_->RequestHint(); },
        [this] { solver_->DropHint(); }, wiring_.Command,
        [this](const std::string& message) { wiring_.Companions.ShowMessage(&wiring_.Owner, message); },
        *demoTimer});
}

BoardHints::~BoardHints() = default;

void BoardHints::ToggleDemo() { demo_->Toggle(); }

void BoardHints::StopDemo() { demo_->Stop(); }

bool BoardHints::DemoRunning() const { return demo_->Running(); }

void BoardHints::Stop()
{
    demo_->Stop();
    solver_->Stop();
}

void BoardHints::LoadWarnLost()
{
    solver_->SetWarnLost(wiring_.Shared.Settings.LoadRegistryString(BoardSection, "WarnLost", "1") != "0");
}

bool BoardHints::ToggleWarnLost()
{
    Guarded(wiring_.Shared.Errors, BoardObject, "mnuOptionWarnLost_Click", [this] {
        const bool on = !solver_->WarnLost();
        wiring_.Shared.Settings.SaveRegistryString(BoardSection, "WarnLost", on ? "1" : "0", "1");
        solver_->SetWarnLost(on);
    });
    return solver_->WarnLost();
}

void BoardHints::SetupLocale()
{
    wiring_.GameLost.SetCaption(QString::fromStdString(wiring_.Shared.Texts.LoadLocaleString(GameLostText)));
}

void BoardHints::ShowGameLost(bool shown)
{
    if (shown && !wiring_.GameLost.isVisible()) wiring_.Speech.Say(wiring_.GameLost.text(), true);
    wiring_.GameLost.setVisible(shown);
    if (wiring_.VerdictChanged) wiring_.VerdictChanged();
}

void BoardHints::ShowHint(std::int32_t first, std::int32_t second)
{
    if (demo_->Asking()) {
        demo_->NextPair(first, second);
        return;
    }
    // The answer may come after the click that asked for it, so the commands follow here.
    wiring_.Forward([this, first, second] {
        wiring_.Model.CountHint();
        wiring_.Model.SelectPair(first, second);
    });
    // The ring goes to the pair, the reader hears both tiles; a reader shows the ring.
    if (wiring_.Model.SelectedTile1() != first) return;
    wiring_.Keyboard.SetKeyboardFocus(first, wiring_.Keyboard.FocusShown() || QAccessible::isActive());
    wiring_.Speech.AnnounceHint(first, second);
}

void BoardHints::ShowNoHint(const PositionAnswer& answer)
{
    Guarded(wiring_.Shared.Errors, BoardObject, "ShowNoHint", [&] {
        const Locale& texts = wiring_.Shared.Texts;
        const bool lost = answer.Verdict == SolverVerdict::Lost;
        if (demo_->Asking()) {
            const bool undosHelp = lost && answer.Earlier == SolverVerdict::Winnable;
            demo_->NoPair(lost, lost ? NoHintMessage(texts, answer) : texts.LoadLocaleString(DemoNoMoveText),
                          undosHelp ? answer.UndosToWinnable : 0);
            return;
        }
        // Being told how far back the game can still be won is help too; a search that ran
        // out of time told nothing.
        if (lost) wiring_.Model.CountHint();
        wiring_.Companions.ShowMessage(&wiring_.Owner, NoHintMessage(texts, answer));
    });
}

} // namespace tessaron
