#include "window/BoardDemo.h"

#include "board/Play.h"
#include "shell/Services.h"
#include "shell/TextTools.h"
#include "window/BoardAccessibility.h"
#include "window/GameClock.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include <vector>

namespace tessaron {

namespace {

constexpr std::int16_t DemoTitleText = 654;
constexpr std::int16_t DemoStartedText = 656;
constexpr std::int16_t DemoStoppedText = 657;
constexpr std::int16_t DemoFinishedText = 658;
constexpr std::int16_t DemoLostText = 659;
constexpr std::int16_t ShuffleText = 640;
constexpr std::int16_t TakeBackOneText = 959;
constexpr std::int16_t TakeBackMovesText = 960;

// Pressed on its own on the way to a shortcut (Ctrl+D), so it stops nothing.
bool IsModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}
} // namespace

BoardDemo::BoardDemo(DemoWiring wiring) : w_(std::move(wiring))
{
    w_.Timer.SetTickHandler([this] { NextStep(); });
}

BoardDemo::~BoardDemo()
{
    // A timer passed in outlives the demo: it must not step it any more.
    w_.Timer.Stop();
    w_.Timer.SetTickHandler({});
    if (running_) QCoreApplication::instance()->removeEventFilter(this);
}

void BoardDemo::Toggle()
{
    if (running_)
        Stop();
    else if (!justStopped_)
        Start();
}

void BoardDemo::Start()
{
    if (!w_.Model.AvailableCommands().Demo) return;
    running_ = true;
    phase_ = Phase::Ask;
    QCoreApplication::instance()->installEventFilter(this);
    w_.Timer.Start();
    w_.Speech.Say(QString::fromStdString(w_.Shared.Texts.LoadLocaleString(DemoStartedText)));
    // A tile the player selected is not the demo's first one.
    w_.Forward([this] { w_.Model.ResetSelection(); });
    NextStep();
}

void BoardDemo::End()
{
    running_ = false;
    w_.Timer.Stop();
    QCoreApplication::instance()->removeEventFilter(this);
    if (asking_) {
        asking_ = false;
        w_.DropPair();
    }
}

void BoardDemo::Stop()
{
    if (!running_) return;
    // Between its steps the selection is the demo's, not the player's.
    const bool selected = phase_ == Phase::SelectSecond || phase_ == Phase::TakePair;
    End();
    if (selected) w_.Forward([this] { w_.Model.ResetSelection(); });
    w_.Speech.Say(QString::fromStdString(w_.Shared.Texts.LoadLocaleString(DemoStoppedText)));
    // The key or click that stopped it may go on to be the Demo command itself.
    justStopped_ = true;
    QTimer::singleShot(0, this, [this] { justStopped_ = false; });
}

void BoardDemo::NextPair(std::int32_t first, std::int32_t second)
{
    if (!Asking()) return;
    asking_ = false;
    first_ = first;
    second_ = second;
    phase_ = Phase::SelectFirst;
    // The answer took its step's time: the first tile shows at once.
    NextStep();
}

void BoardDemo::NoPair(bool lost, const std::string& message, std::int32_t undos)
{
    if (!Asking()) return;
    asking_ = false;
    End();
    const Locale& texts = w_.Shared.Texts;
    w_.Speech.Say(QString::fromStdString(message));
    if (!lost) {
        w_.ShowMessage(message);
        return;
    }
    // Either way out of a lost game: the shuffle, or the undos back to a game that can be won
    // where the solver counted them.
    const std::string question = ReplaceSubString(texts.LoadLocaleString(DemoLostText), "^0", message);
    std::vector<std::string> answers{texts.LoadLocaleString(ShuffleText)};
    if (undos == 1) answers.push_back(texts.LoadLocaleString(TakeBackOneText));
    if (undos > 1)
        answers.push_back(ReplaceSubString(texts.LoadLocaleString(TakeBackMovesText), "^0", std::to_string(undos)));
    const int chosen = w_.Shared.MessageBox.AskChoice(texts.LoadLocaleString(DemoTitleText), question, answers);
    if (chosen == 0) w_.Command("mnuGameShuffle");
    for (std::int32_t undo = 0; chosen == 1 && undo < undos; ++undo) w_.Command("mnuGameUndoLastMove");
}

void BoardDemo::NextStep()
{
    // While the solver is asked, the steps wait for its answer.
    if (!running_ || asking_) return;
    switch (phase_) {
    case Phase::Ask:
        asking_ = true;
        w_.AskPair();
        return;  // NextPair or NoPair goes on
    case Phase::SelectFirst:
        // Each move shown is help, charged as a hint is.
        if (!Do([this] {
                w_.Model.CountHint();
                w_.Model.SelectTileClassic(first_);
            },
                [this] { return w_.Model.SelectedTile1() == first_; }))
            return;
        phase_ = Phase::SelectSecond;
        break;
    case Phase::SelectSecond:
        if (!Do([this] { w_.Model.SelectTileClassic(second_); }, [this] { return w_.Model.SelectedTile2() == second_; }))
            return;
        phase_ = Phase::TakePair;
        break;
    case Phase::TakePair: {
        const std::int32_t removed = w_.Model.RemovedCount();
        if (!Do([this] { w_.Model.DoMove(); }, [this, removed] { return w_.Model.RemovedCount() == removed + 2; }))
            return;
        if (w_.Model.GameWon()) {
            End();
            w_.Speech.AnnounceGameWon();
            w_.Speech.Say(QString::fromStdString(w_.Shared.Texts.LoadLocaleString(DemoFinishedText)));
            return;
        }
        phase_ = Phase::Ask;
        break;
    }
    }
}

bool BoardDemo::Do(const std::function<void()>& step, const std::function<bool()>& done)
{
    w_.Forward(step);
    if (done()) return true;
    // Refused (paused, a deal being built) or the board is not what the answer was for.
    Stop();
    return false;
}

bool BoardDemo::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        if (IsModifierKey(static_cast<QKeyEvent*>(event)->key())) break;
        [[fallthrough]];
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Stop();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessaron
