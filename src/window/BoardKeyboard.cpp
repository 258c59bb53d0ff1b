// The board without a mouse: the arrow keys walk a focus ring among the tiles a click could
// select (the free ones, in peek mode every tile in play), Space selects or deselects the
// focused tile as a click does, Escape clears the selection. Enter keeps pressing the
// default button (BoardMenus.cpp).
#include "window/frmBoard.h"

#include "window/BoardAccessibility.h"
#include "window/BoardSurface.h"
#include "window/TilePicture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tessaron {

void frmBoard::CreateKeyboard()
{
    // The surface holds the keyboard focus, so a screen reader follows the board's tiles.
    surface_->setFocusPolicy(Qt::StrongFocus);
    surface_->setFocus();
    speech_ = new BoardSpeech(*play_, geometry_, services_.Texts,
                              [this] { return focusShown_ ? focusTile_ : 0; }, surface_);
    // Of no size at every scale: a reader speaks them, the sighted player sees the labels.
    for (QLabel* announcer : speech_->Announcers()) places_.Add(announcer, QRectF());
    InstallBoardAccessibility();

    auto key = [this](const char* name, Qt::Key key, auto handler) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(QKeySequence(key));
        addAction(action);
        connect(action, &QAction::triggered, this, handler);
    };
    key("FocusLeftKey", Qt::Key_Left, [this] { MoveKeyboardFocus(FocusDirection::Left); });
    key("FocusRightKey", Qt::Key_Right, [this] { MoveKeyboardFocus(FocusDirection::Right); });
    key("FocusUpKey", Qt::Key_Up, [this] { MoveKeyboardFocus(FocusDirection::Up); });
    key("FocusDownKey", Qt::Key_Down, [this] { MoveKeyboardFocus(FocusDirection::Down); });
    key("SelectFocusedTileKey", Qt::Key_Space, [this] { SelectFocusedTile(); });
    key("ClearSelectionKey", Qt::Key_Escape, [this] { ClearSelection(); });
    // The menus without a mouse: F10 opens the first one, the arrows go on from there.
    key("MenuBarKey", Qt::Key_F10, [this] { menuBar()->setActiveAction(mnuFile_->menuAction()); });
}

void frmBoard::MoveKeyboardFocus(FocusDirection direction)
{
    if (building_ || focusTile_ == 0) return;
    // The first arrow only shows where the focus is.
    if (!focusShown_) {
        SetKeyboardFocus(focusTile_, true);
        return;
    }
    const std::int32_t next = NextFocusTile(geometry_, FocusTiles(), focusTile_, direction);
    if (next == focusTile_) speech_->AnnounceBoardEnd();
    SetKeyboardFocus(next, true);
}

void frmBoard::SelectFocusedTile()
{
    if (building_ || focusTile_ == 0) return;
    // A tile the player cannot see marked is never selected by Space.
    if (!focusShown_) {
        SetKeyboardFocus(focusTile_, true);
        return;
    }
    SelectByPlayer(focusTile_);
}

void frmBoard::ClearSelection()
{
    Forward([this] { play_->ResetSelection(); });
}

void frmBoard::SetKeyboardFocus(std::int32_t tile, bool shown)
{
    const bool moved = tile != focusTile_ || shown != focusShown_;
    if (focusTile_ != 0) imgTile_[focusTile_]->SetFocusRing(false);
    focusTile_ = tile;
    focusShown_ = shown;
    if (tile == 0) return;
    imgTile_[tile]->SetFocusRing(shown);
    if (moved && shown) speech_->FocusMoved(imgTile_[tile]);
}

void frmBoard::KeepKeyboardFocus()
{
    if (!speech_) return;
    const TilePresence candidates = FocusTiles();
    if (focusTile_ != 0 && candidates[focusTile_]) return;
    SetKeyboardFocus(NearestFocusTile(geometry_, candidates, focusTile_), focusShown_);
}

TilePresence frmBoard::FocusTiles() const
{
    return FocusCandidates(geometry_, play_->Presence(), play_->PeekMode());
}

} // namespace tessaron
