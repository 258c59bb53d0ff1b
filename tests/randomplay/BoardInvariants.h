#pragma once
// What must hold on the board window after every action of a player, whatever the action
// was. The expected command states are derived here from the model's fields and the
// pictures on screen, not from the model's own availability table.
#include "window/BoardBench.h"

#include <cstdint>
#include <string>

namespace tessaron {

// The controls of one board window, looked up once (a lookup by name per check costs more
// than the check itself).
struct BoardControls {
    explicit BoardControls(const BoardBench& bench);
    const frmBoard* Board;
    std::array<TilePicture*, TileCount + 1> Tiles{};
    QPushButton* Redo;
    QPushButton* Peek;
    QPushButton* DoMove;
    QPushButton* Undo;
    std::vector<std::pair<std::string, QAction*>> Actions;
    QLabel* TileCountLabel;
    QLabel* NoMovePossible;
    std::array<QLabel*, 2> GameWon;
    QAction* Action(const std::string& name) const;
};

struct InvariantContext {
    // The tile count last written to the label: a peek lifts a tile without rewriting it.
    std::int32_t TilesLeftShown = TileCount;
    // Whether the win banner should show: a peek that lifts the last tile shows none, a
    // language switch shows it whenever every tile is off the board.
    bool WonShown = false;
};

// "" when everything holds, else a description of the first broken rule.
std::string CheckBoardInvariants(const BoardBench& bench, const BoardControls& controls, const InvariantContext& context);

// Faces match when equal, or when both are flowers, or both seasons.
bool FacesMatch(std::int32_t a, std::int32_t b);

// Present (visible), free pairs of matching tiles, each pair once.
std::vector<std::pair<std::int32_t, std::int32_t>> FreeMatchingPairs(const BoardBench& bench, const BoardControls& controls);

} // namespace tessaron
