// The Hint command and the warning that the game can no longer be won. The searches run on
// the board solver's worker; what they find is shown here.
#include "window/frmBoard.h"

#include "shell/TextTools.h"
#include "window/BoardAccessibility.h"
#include "window/BoardLabel.h"

#include <QAccessible>

#include <QAction>
#include <QMenu>

#include <string>

namespace tessaron {

namespace {

// Texts of the hint and the warning.
constexpr std::int16_t HintText = 750;
constexpr std::int16_t HintTipText = 751;
constexpr std::int16_t UndoMovesText = 752;
constexpr std::int16_t GameLostText = 753;
constexpr std::int16_t WarnLostText = 754;
constexpr std::int16_t NeverWinnableText = 755;
constexpr std::int16_t NoHintInTimeText = 756;
constexpr std::int16_t LostText = 757;
constexpr std::int16_t UndoOneMoveText = 758;
} // namespace

void frmBoard::CreateHintCommands()
{
    mnuGame_->addSeparator();
    mnuGameHint_ = mnuGame_->addAction(QString());
    mnuGameHint_->setObjectName(QStringLiteral("mnuGameHint"));
    mnuGameHint_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuGame_->setToolTipsVisible(true);
    connect(mnuGameHint_, &QAction::triggered, this, &frmBoard::mnuGameHint_Click);

    // Beside the other game option, before the sound settings.
    mnuOptionWarnLost_ = new QAction(mnuOption_);
    mnuOptionWarnLost_->setObjectName(QStringLiteral("mnuOptionWarnLost"));
    mnuOptionWarnLost_->setCheckable(true);
    const QList<QAction*> items = mnuOption_->actions();
    const qsizetype timing = items.indexOf(mnuOptionTimingActive_);
    mnuOption_->insertAction(timing + 1 < items.size() ? items.at(timing + 1) : nullptr, mnuOptionWarnLost_);
    connect(mnuOptionWarnLost_, &QAction::triggered, this, &frmBoard::mnuOptionWarnLost_Click);
}

void frmBoard::SetupHintLocale()
{
    const Locale& texts = services_.Texts;
    auto text = [&texts](std::int16_t number) { return QString::fromStdString(texts.LoadLocaleString(number)); };
    mnuGameHint_->setText(text(HintText));
    mnuGameHint_->setToolTip(text(HintTipText));
    mnuGameHint_->setStatusTip(text(HintTipText));
    mnuOptionWarnLost_->setText(text(WarnLostText));
    lblGameLost_->SetCaption(text(GameLostText));
}

void frmBoard::mnuGameHint_Click()
{
    // Its cost is charged when the answer is shown: a hint dropped because the player moved
    // first costs nothing.
    Forward([this] {
        if (play_->AvailableCommands().Hint) solver_->RequestHint();
    }, false);  // the hint says itself when it comes, at once or later
}

void frmBoard::mnuOptionWarnLost_Click()
{
    Guarded(services_.Errors, BoardObject, "mnuOptionWarnLost_Click", [this] {
        const bool on = !solver_->WarnLost();
        services_.Settings.SaveRegistryString("Board", "WarnLost", on ? "1" : "0", "1");
        solver_->SetWarnLost(on);
        mnuOptionWarnLost_->setChecked(on);
    });
}

void frmBoard::ShowGameLost(bool shown)
{
    if (shown && !lblGameLost_->isVisible()) speech_->Say(lblGameLost_->text(), true);
    lblGameLost_->setVisible(shown);
}

void frmBoard::ShowHint(std::int32_t first, std::int32_t second)
{
    // The answer may come after the click that asked for it, so the commands follow here.
    Forward([this, first, second] {
        play_->CountHint();
        play_->SelectPair(first, second);
    }, false);
    // The ring goes to the pair, the reader hears both tiles; a reader shows the ring.
    if (play_->SelectedTile1() != first) return;
    SetKeyboardFocus(first, focusShown_ || QAccessible::isActive());
    speech_->AnnounceHint(first, second);
}

void frmBoard::ShowNoHint(const PositionAnswer& answer)
{
    Guarded(services_.Errors, BoardObject, "ShowNoHint", [&] {
        const Locale& texts = services_.Texts;
        // Being told how far back the game can still be won is help too; a search that ran
        // out of time told nothing.
        if (answer.Verdict == SolverVerdict::Lost) play_->CountHint();
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
        companions_.ShowMessage(this, message);
    });
}

} // namespace tessaron
