#include "window/BoardHints.h"

#include "shell/Services.h"
#include "shell/TextTools.h"
#include "window/BoardAccessibility.h"
#include "window/BoardCompanions.h"
#include "window/BoardKeyboard.h"
#include "window/BoardLabel.h"

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
}

BoardHints::~BoardHints() = default;

void BoardHints::LoadWarnLost()
{
    solver_->SetWarnLost(wiring_.Shared.Settings.LoadRegistryString("Board", "WarnLost", "1") != "0");
}

bool BoardHints::ToggleWarnLost()
{
    Guarded(wiring_.Shared.Errors, BoardObject, "mnuOptionWarnLost_Click", [this] {
        const bool on = !solver_->WarnLost();
        wiring_.Shared.Settings.SaveRegistryString("Board", "WarnLost", on ? "1" : "0", "1");
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
        // Being told how far back the game can still be won is help too; a search that ran
        // out of time told nothing.
        if (answer.Verdict == SolverVerdict::Lost) wiring_.Model.CountHint();
        std::string message;
        if (answer.Verdict != SolverVerdict::Lost)
            message = texts.LoadLocaleString(NoHintInTimeText);
        else if (answer.Earlier == SolverVerdict::Winnable && answer.UndosToWinnable == 1)
            message = texts.LoadLocaleString(UndoOneMoveText);
        else if (answer.Earlier == SolverVerdict::Winnable)
            message = ReplaceSubString(texts.LoadLocaleString(UndoMovesText), "^0",
                                       std::to_string(answer.UndosToWinnable));
        else if (answer.Earlier == SolverVerdict::Lost)
            message = texts.LoadLocaleString(NeverWinnableText);
        else
            message = texts.LoadLocaleString(LostText);
        wiring_.Companions.ShowMessage(&wiring_.Owner, message);
    });
}

} // namespace tessaron
