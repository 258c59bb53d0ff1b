// Pause: every tile face hidden behind the felt with "Paused" in the dead-end text's place,
// the clock standing still, and nothing available but going on. A click or any key in the
// window goes on; with "PauseWhenHidden" the game pauses when the window is minimised or hidden.
#include "window/frmBoard.h"

#include "preferences/Preferences.h"
#include "window/BoardCommands.h"
#include "window/BoardLabel.h"

#include <QApplication>
#include <QEvent>

namespace tessaron {

bool frmBoard::PauseAvailable() const
{
    return !building_ && play_->DealExists() && !play_->GameWon() && !play_->NoMovePossible();
}

void frmBoard::mnuGamePause_Click()
{
    if (paused_)
        EndPause();
    else
        PauseGame();
}

void frmBoard::PauseGame()
{
    if (paused_ || !PauseAvailable()) return;
    paused_ = true;
    clock_.Game().Pause();
    controls_.HideTiles();
    controls_.PeekMode()->hide();
    lostShownBeforePause_ = !controls_.GameLost()->isHidden();
    controls_.GameLost()->hide();
    controls_.Paused()->show();
    qApp->installEventFilter(this);
    EnableCommands();
    speech_->Say(controls_.Paused()->text());
}

void frmBoard::EndPause()
{
    if (!paused_) return;
    paused_ = false;
    qApp->removeEventFilter(this);
    controls_.Paused()->hide();
    const Play& play = *play_;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        view_.DrawTile(tile, play.TileFaces()[tile], tile == play.SelectedTile1() || tile == play.SelectedTile2(),
                       play.IsPresent(tile));
    clock_.Game().EndPause();
    controls_.GameLost()->setVisible(lostShownBeforePause_);
    // The peek-mode text comes back as the position says.
    PositionChanged();
}

bool frmBoard::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!paused_ || !widget || widget->window() != this) return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        EndPause();
        return true;
    default: return false;
    }
}

void frmBoard::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (preferences_->IsOn(Preference::PauseWhenHidden)) PauseGame();
}

void frmBoard::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() &&
        preferences_->IsOn(Preference::PauseWhenHidden))
        PauseGame();
}

} // namespace tessaron
