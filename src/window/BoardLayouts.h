#pragma once
// The layout the board plays on. Switching to another one builds the geometry and relations
// from its places, moves the tile pictures, gives the scale the layout's extent (the corner
// buttons and labels follow it), tells the speech and the hall of fame, and stores the
// choice ("Board"/"Layout", absent for the classic layout). The deal on the new places is
// the caller's: the model deals on the geometry it shares with this.
#include "board/LayoutCatalog.h"

#include <QRectF>
#include <QSize>

#include <optional>
#include <string>

class QWidget;

namespace tessaron {

class BoardCompanions;
class BoardGeometry;
class BoardSpeech;
class BoardWidgets;
struct Services;

struct LayoutWiring {
    Services& Shared;
    BoardCompanions& Companions;
    BoardGeometry& Geometry;
    BoardWidgets& Controls;
    BoardSpeech& Speech;
};

class BoardLayouts {
public:
    // Reads the player's layouts from the game's data folder; the files refused are named
    // in one message box.
    explicit BoardLayouts(LayoutWiring wiring);

    const Layout& Current() const { return *current_; }
    const LayoutCatalog& Catalog() const { return catalog_; }
    // The board units the layout in use covers (the scale's extent).
    QRectF Extent() const;

    // At start-up, before the first deal: the layout of "--layout KEY" when given (an
    // unknown key is refused in a message box, and the classic layout is taken), else the
    // stored one, else the classic one (a player's file taken away). The saved game is
    // resumed only on the layout stored with it: a start option, or a stored layout that is
    // gone, drops it, so the first deal is a new one.
    void UseAtStart(const std::optional<std::string>& startKey);
    // Game › Layout…: the chooser; true when the player chose a layout, which is then in use
    // and stored with the option "A new layout for every new game".
    bool Choose(QWidget* owner);
    // Before a new game: with "A new layout for every new game" another layout, picked at
    // random, is taken into use and stored.
    void PickForNewGame();
    // Takes the layout of this key into use (a game file's); false, changing nothing, when
    // the catalog has no such layout.
    bool UseKey(const std::string& key);

private:
    // The layout's places on the board; stored as the choice unless it is the one stored.
    void Use(const Layout& layout);
    void ForgetSavedGame();

    LayoutWiring w_;
    LayoutCatalog catalog_;
    const Layout* current_ = nullptr;
    // The scale the player had before a switch fitted the window to the screen, and the
    // window's size the switch left: another size means the player has chosen a new scale.
    double wantedFactor_ = 0;
    QSize sizeLeft_;
};

} // namespace tessaron
