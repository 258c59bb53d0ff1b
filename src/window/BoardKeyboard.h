#pragma once
// The board without a mouse: the arrow keys walk a focus ring among the tiles a click could
// select (the free ones, in peek mode every tile in play), Space selects or deselects the
// focused tile as a click does, Escape clears the selection, F10 opens the menus. Enter,
// the default button's key, belongs to the commands.
#include "board/KeyboardFocus.h"
#include "board/TileTypes.h"

#include <cstdint>
#include <functional>

class QWidget;

namespace tessaron {

class BoardWidgets;
class BoardGeometry;
class BoardSpeech;
class Play;

struct KeyboardActions {
    // While a deal is built the keys do nothing.
    std::function<bool()> Building;
    std::function<void(std::int32_t)> SelectTile;
    std::function<void()> ClearSelection;
    std::function<void()> OpenMenus;
};

class BoardKeyboard {
public:
    // The keys are the window's actions; the tiles are the controls'.
    BoardKeyboard(QWidget& window, const BoardWidgets& controls, const BoardGeometry& geometry, const Play& play,
                  BoardSpeech& speech, KeyboardActions actions);

    // The tile the focus rests on (0 when there is none to rest on) and whether its ring
    // shows (only once an arrow key was used).
    std::int32_t FocusTile() const { return focusTile_; }
    bool FocusShown() const { return focusShown_; }
    // A click: a mouse player never sees the ring; the keyboard carries on from the clicked
    // tile when a click could select it.
    void TileClicked(std::int32_t tile);
    // After a change of position: the focus moves to a free tile nearby when its tile left
    // play or became locked.
    void KeepKeyboardFocus();
    // The ring goes to this tile; shown says whether it shows.
    void SetKeyboardFocus(std::int32_t tile, bool shown);

private:
    void MoveKeyboardFocus(FocusDirection direction);
    void SelectFocusedTile();
    // The tiles the focus may rest on: the free ones, in peek mode every tile in play.
    TilePresence FocusTiles() const;

    const BoardWidgets& controls_;
    const BoardGeometry& geometry_;
    const Play& play_;
    BoardSpeech& speech_;
    KeyboardActions actions_;
    std::int32_t focusTile_ = 0;
    bool focusShown_ = false;
};

} // namespace tessaron
