#pragma once
// What must hold on the board window after any action of a player, read off what the screen
// shows and compared with the model's fields and the rules.
#include "preferences/Preferences.h"
#include "window/BoardBench.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tessaron {

// The controls of one board window, looked up once (a lookup by name per check costs more
// than the check itself).
struct BoardControls {
    explicit BoardControls(const BoardBench& bench);
    QAction* Action(const std::string& name) const;

    std::array<TilePicture*, TileCount + 1> Tiles{};
    QPushButton* Redo;
    QPushButton* Peek;
    QPushButton* DoMove;
    QPushButton* Undo;
    std::vector<std::pair<std::string, QAction*>> Actions;
    QLabel* TileCountLabel;
    QLabel* NoMovePossible;
    std::array<QLabel*, 2> GameWon;
};

// What the screen should show that the model alone does not say. TilesLeft is the count last
// written to the label (a peek lifts a tile without rewriting it); Won whether the banner
// should show (a peek that lifts the last tile shows none, a language switch shows it whenever
// every tile is off the board); Chosen the preferences in force.
struct ShownState {
    std::int32_t TilesLeft = TileCount;
    bool Won = false;
    PreferenceValues Chosen;
};

// Present (visible), free pairs of matching tiles, each pair once.
std::vector<std::pair<std::int32_t, std::int32_t>> FreeMatchingPairs(const BoardBench& bench,
                                                                     const BoardControls& controls);

// "" when everything holds, else the first broken rule. The expected command states come
// from the model's fields and the pictures on screen, not from the model's own availability
// table.
std::string CheckBoardInvariants(const BoardBench& bench, const BoardControls& controls, const ShownState& shown);

} // namespace tessaron
