#include "window/BoardKeyboard.h"

#include "board/Play.h"
#include "window/BoardAccessibility.h"
#include "window/BoardWidgets.h"
#include "window/TilePicture.h"

#include <QAction>
#include <QWidget>

#include <utility>

namespace tessaron {

BoardKeyboard::BoardKeyboard(QWidget& window, const BoardWidgets& controls, const BoardGeometry& geometry,
                             const Play& play, BoardSpeech& speech, KeyboardActions actions)
    : controls_(controls), geometry_(geometry), play_(play), speech_(speech), actions_(std::move(actions))
{
    auto key = [&window](const char* name, Qt::Key key, auto handler) {
        auto* action = new QAction(&window);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(QKeySequence(key));
        window.addAction(action);
        QObject::connect(action, &QAction::triggered, &window, handler);
    };
    key("FocusLeftKey", Qt::Key_Left, [this] { MoveKeyboardFocus(FocusDirection::Left); });
    key("FocusRightKey", Qt::Key_Right, [this] { MoveKeyboardFocus(FocusDirection::Right); });
    key("FocusUpKey", Qt::Key_Up, [this] { MoveKeyboardFocus(FocusDirection::Up); });
    key("FocusDownKey", Qt::Key_Down, [this] { MoveKeyboardFocus(FocusDirection::Down); });
    key("SelectFocusedTileKey", Qt::Key_Space, [this] { SelectFocusedTile(); });
    key("ClearSelectionKey", Qt::Key_Escape, [this] { actions_.ClearSelection(); });
    // The menus without a mouse: F10 opens the first one, the arrows go on from there.
    key("MenuBarKey", Qt::Key_F10, [this] { actions_.OpenMenus(); });
}

void BoardKeyboard::TileClicked(std::int32_t tile) { SetKeyboardFocus(FocusTiles()[tile] ? tile : focusTile_, false); }

void BoardKeyboard::MoveKeyboardFocus(FocusDirection direction)
{
    if (actions_.Building() || focusTile_ == 0) return;
    // The first arrow only shows where the focus is.
    if (!focusShown_) {
        SetKeyboardFocus(focusTile_, true);
        return;
    }
    const std::int32_t next = NextFocusTile(geometry_, FocusTiles(), focusTile_, direction);
    if (next == focusTile_) speech_.AnnounceBoardEnd();
    SetKeyboardFocus(next, true);
}

void BoardKeyboard::SelectFocusedTile()
{
    if (actions_.Building() || focusTile_ == 0) return;
    // A tile the player cannot see marked is never selected by Space.
    if (!focusShown_) {
        SetKeyboardFocus(focusTile_, true);
        return;
    }
    actions_.SelectTile(focusTile_);
}

void BoardKeyboard::SetKeyboardFocus(std::int32_t tile, bool shown)
{
    const bool moved = tile != focusTile_ || shown != focusShown_;
    if (focusTile_ != 0) controls_.Tile(focusTile_)->SetFocusRing(false);
    focusTile_ = tile;
    focusShown_ = shown;
    if (tile == 0) return;
    controls_.Tile(tile)->SetFocusRing(shown);
    if (moved && shown) speech_.FocusMoved(controls_.Tile(tile));
}

void BoardKeyboard::KeepKeyboardFocus()
{
    const TilePresence candidates = FocusTiles();
    if (focusTile_ != 0 && candidates[focusTile_]) return;
    SetKeyboardFocus(NearestFocusTile(geometry_, candidates, focusTile_), focusShown_);
}

TilePresence BoardKeyboard::FocusTiles() const
{
    return FocusCandidates(geometry_, play_.Presence(), play_.PeekMode());
}

} // namespace tessaron
