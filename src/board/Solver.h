#pragma once
// Decides, knowing every face, whether the tiles in play can still all be removed. It is
// never wrong: when its time runs out or it is cancelled it says Undecided.
// Plain, single-threaded and deterministic; the caller chooses the thread.
#include "board/BoardGeometry.h"
#include "board/TileTypes.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

namespace tessaron {

enum class SolverVerdict { Winnable, Lost, Undecided };

struct SolverMove {
    std::int32_t First = 0;
    std::int32_t Second = 0;
};

struct SolverAnswer {
    SolverVerdict Verdict = SolverVerdict::Undecided;
    // With Winnable: the pairs that clear the board from the given position, in order.
    std::vector<SolverMove> Moves;
};

struct SolverLimits {
    std::chrono::steady_clock::duration Budget = std::chrono::seconds(5);
    // Looked at while searching; another thread sets it to give up (Undecided).
    const std::atomic<bool>* Cancel = nullptr;
};

// geometry must hold the built layout; faces is a deal's TileFaces; present says which
// positions still hold a tile in play.
SolverAnswer SolvePosition(const BoardGeometry& geometry, const TileArray& faces, const TilePresence& present,
                           const SolverLimits& limits = {});

} // namespace tessaron
