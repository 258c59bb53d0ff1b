#pragma once
// What the solver says about the position on the board: for a winnable one the pair to take
// next, for a lost one how many undos lead back to a game that can still be won.
#include "board/Play.h"
#include "board/Solver.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tessaron {

// A copy of everything a search needs, so it can run while play goes on.
struct PositionQuestion {
    TileArray Faces{};
    TilePresence Present{};
    TileArray RemovedTiles{};
    std::int32_t RemovedCount = 0;
    // The shuffles on the board, in the order made, and the faces as dealt: an undo takes back
    // the last shuffle before the move it follows, and the earlier faces return.
    std::vector<ShuffleStep> Shuffles;
    TileArray DealtFaces{};
    // For a lost position, also search the undo history for the nearest winnable one.
    bool CountUndos = false;
    // The position itself is known to be lost; only the history is searched.
    bool KnownLost = false;
    // The player waits for this answer (a hint), so the search may take longer.
    bool Patient = false;
};

struct PositionAnswer {
    SolverVerdict Verdict = SolverVerdict::Undecided;
    // With Winnable: pairs that clear the board, the hint first.
    std::vector<SolverMove> Moves;
    // With Lost and CountUndos: Winnable when UndosToWinnable undos reach a winnable
    // position, Lost when no position of the history is winnable, Undecided when a search
    // on the way ran out of time.
    SolverVerdict Earlier = SolverVerdict::Undecided;
    std::int32_t UndosToWinnable = 0;
};

PositionQuestion QuestionAbout(const Play& play);

// A position of the undo history: the faces as they lay then and the tiles in play.
struct EarlierPosition {
    TileArray Faces{};
    TilePresence Present{};
};

// The position `undos` undos back, each undo taking back a shuffle or a move of two tiles;
// nothing when the history is shorter.
std::optional<EarlierPosition> PositionAfterUndos(const PositionQuestion& question, std::int32_t undos);

using PositionSolve = std::function<SolverAnswer(const TileArray& faces, const TilePresence& present)>;

// Solves the position and, if asked, its history backwards, nearest first: the first
// winnable position found is the nearest, since every earlier one can reach it.
PositionAnswer AnswerPosition(const PositionQuestion& question, const PositionSolve& solve);
PositionAnswer AnswerPosition(const BoardGeometry& geometry, const PositionQuestion& question,
                              const SolverLimits& limits);

// What an answer for `before` says, without a search, about `after` (same deal): fewer tiles
// than a lost position, taken by moves, is still lost, and taking the first pair of a
// clearing sequence leaves a winnable position with the rest of it. Nothing otherwise, and
// nothing after a peek: a lifted tile leaves an odd number taken, which no moves do, and a
// position reached by lifting may be clearable where the one before it was not.
std::optional<PositionAnswer> AnswerAfterMoves(const PositionAnswer& earlier, const TilePresence& before,
                                               const TilePresence& after);

} // namespace tessaron
