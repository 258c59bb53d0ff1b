#include "window/BoardPause.h"

#include "window/BoardAccessibility.h"
#include "window/BoardLabel.h"
#include "window/BoardWidgets.h"
#include "window/GameClock.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace tessaron {

BoardPause::BoardPause(PauseWiring wiring) : QObject(&wiring.Window), wiring_(std::move(wiring)) {}

void BoardPause::Pause()
{
    if (paused_ || !wiring_.Available()) return;
    paused_ = true;
    wiring_.Clock.Pause();
    BoardWidgets& controls = wiring_.Controls;
    controls.HideTiles();
    controls.PeekMode()->hide();
    lostShownBeforePause_ = !controls.GameLost()->isHidden();
    controls.GameLost()->hide();
    controls.Paused()->show();
    qApp->installEventFilter(this);
    wiring_.EnableCommands();
    wiring_.Speech.Say(controls.Paused()->text());
}

void BoardPause::End()
{
    if (!paused_) return;
    paused_ = false;
    qApp->removeEventFilter(this);
    wiring_.Controls.Paused()->hide();
    wiring_.RedrawTiles();
    wiring_.Clock.EndPause();
    wiring_.Controls.GameLost()->setVisible(lostShownBeforePause_);
    // The peek-mode text comes back as the position says.
    wiring_.PositionChanged();
    wiring_.Speech.AnnouncePauseEnded();
}

bool BoardPause::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!paused_ || !widget || widget->window() != &wiring_.Window) return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken before the shortcuts see it (the arrows, Space and Escape are the keyboard
        // ring's, P and Pause the menu's), so the key arrives as a key press and goes on.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        End();
        return true;
    default: return false;
    }
}

} // namespace tessaron
