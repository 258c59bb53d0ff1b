#pragma once
// The way out of a dead end: the faces of the tiles in play are dealt again among their
// positions so that the game can be won. The positions are filled backwards as a deal is
// built, and the faces in play, split into matching pairs, are dealt onto those pairs; so
// taking the pairs off in the order returned clears the board. A lost arrangement is never
// returned: when none can be found the faces stay as they are and the result says why.
#include "board/BoardGeometry.h"
#include "board/RandomSource.h"
#include "board/Solver.h"
#include "board/TileTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessaron {

enum class ShuffleResult {
    Shuffled,
    // The faces in play do not split into matching pairs (never after play in pairs).
    Unpairable,
    // No arrangement of faces on these positions can be cleared: there are never two free
    // tiles to take off together, e.g. a tile on another and nothing else left.
    NoWinnableArrangement,
    // The search for an order of removal ran out of its allowance (not seen on the
    // built-in layout; the faces stay as they are).
    NotFound,
};

struct ShuffleOutcome {
    ShuffleResult Result = ShuffleResult::NotFound;
    // With Shuffled, the new faces: the faces in play rearranged among the positions in
    // play, the faces of removed tiles as they were. Otherwise the faces as given.
    TileArray Faces{};
    // With Shuffled, the pairs that clear the board from the new arrangement, in order.
    std::vector<SolverMove> Moves;
};

// Deterministic for a given state of random. present says which positions hold a tile in
// play; faces is the deal's TileFaces.
ShuffleOutcome ShuffleFaces(const BoardGeometry& geometry, const TileArray& faces, const TilePresence& present,
                            RandomSource& random);

// A plain sentence for a log or a test message.
std::string ShuffleResultText(ShuffleResult result);

// What decides whether Shuffle is offered.
struct ShuffleConditions {
    bool DealExists = false;
    bool Building = false;  // a new deal is being built
    bool PeekMode = false;
    bool GameWon = false;
    bool NoMovePossible = false;  // no free matching pair is left
    SolverVerdict Verdict = SolverVerdict::Undecided;  // the solver's word on the position on the board
};

// Offered when the game can no longer be won (no free pair left, or the solver says so),
// except while a deal is built, in peek mode and after a win.
bool ShuffleIsAvailable(const ShuffleConditions& conditions);

} // namespace tessaron
