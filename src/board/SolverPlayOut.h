#pragma once
// Quick play-outs, which clear most clearable positions without a search. A group whose
// tiles in play are all free leaves at once, and so does a free pair of a settled pairing
// (neither is ever wrong); otherwise the pair that uncovers the most is taken, with random
// tie-breaks, unless the dead-lock test then shows the rest lost. A play-out that clears the
// board proves the position winnable and is the answer; one that gets stuck proves nothing.
#include "board/DeadLock.h"
#include "board/Solver.h"
#include "board/SolverBoard.h"
#include "board/TileSet.h"

#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace tessaron {

class SolverPlayOut {
public:
    // groups holds the positions of each group of matching faces (at most four), groupOf the
    // group of each position; both may be filled after construction.
    SolverPlayOut(const SolverBoard& board, const std::vector<std::vector<std::int32_t>>& groups,
                  const std::array<std::int32_t, TileCount + 1>& groupOf);

    // One play-out from present that keeps to the pairings settled and not ruled out (as
    // for DeadLock), its tie-breaks drawn from seed: whether it cleared the board; moves
    // then ends with the pairs that did.
    bool Clear(const TileSet& present, const std::vector<std::int8_t>& pairing, const std::vector<std::uint8_t>& open,
               std::uint32_t seed, std::vector<SolverMove>& moves);

private:
    struct Candidate {
        std::int32_t First;
        std::int32_t Second;
        std::int32_t Score;
    };

    void Take(std::int32_t first, std::int32_t second);
    void Untake(std::int32_t first, std::int32_t second);
    bool TakeSafePairs();
    void FindCandidates();
    bool TakeCandidate();
    void FreeUncovered(const TileSet& before);
    std::int32_t RowLength(std::int32_t tile, TileSet SolverBoard::Neighbours::*side) const;
    std::int32_t Weight(std::int32_t tile) const;

    const SolverBoard& board_;
    const std::vector<std::vector<std::int32_t>>& groups_;
    const std::array<std::int32_t, TileCount + 1>& groupOf_;
    DeadLock deadLock_;
    std::vector<std::int8_t> pairing_;
    std::vector<std::uint8_t> open_;
    TileSet present_;
    TileSet free_;  // free tiles in play; taking tiles only ever frees more
    std::vector<std::int32_t> groupPresent_;
    std::int32_t remaining_ = 0;
    std::vector<SolverMove>* moves_ = nullptr;
    std::vector<Candidate> candidates_;
    std::minstd_rand random_;
};

} // namespace tessaron
