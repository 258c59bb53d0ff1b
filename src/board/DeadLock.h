#pragma once
// Recognises positions that cannot be cleared: a group none of whose pairings can work, or
// tiles that could not leave even if each tile could go with any tile it may still be
// paired with. Never says a clearable position is dead locked.
#include "board/SolverBoard.h"
#include "board/TileSet.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tessaron {

// The three ways to pair four tiles (indices into the group's four positions).
inline constexpr std::int32_t FourPairings[3][4] = {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}};

class DeadLock {
public:
    explicit DeadLock(const SolverBoard& board) : board_(board) {}

    // groups holds the positions of each group of matching faces, groupPresent how many of
    // them are in play, pairing the pairing settled on for a group of four in play (1 + an
    // index into FourPairings; 0 while open), open the pairings of an open group not ruled
    // out (bit n for FourPairings[n]).
    // again: a shortcut with a precondition the caller must keep. The last test with again
    // false found its position not dead locked, and this position grew out of that one only
    // by taking pairs and settling or ruling out pairings (never a tile put back). The test
    // then starts from what it found there: the same answer, sooner. Debug builds check
    // what they can of this (no tile put back since).
    bool IsDeadLocked(const TileSet& present, const std::vector<std::vector<std::int32_t>>& groups,
                      const std::vector<std::int32_t>& groupPresent, const std::vector<std::int8_t>& pairing,
                      const std::vector<std::uint8_t>& open, bool again);

private:
    bool FindMates(const std::vector<std::vector<std::int32_t>>& groups, const std::vector<std::int32_t>& groupPresent,
                   const std::vector<std::int8_t>& pairing, const std::vector<std::uint8_t>& open, bool again);
    void Join(std::int32_t first, std::int32_t second);
    bool NeverCleared(bool again);

    const SolverBoard& board_;
    TileSet present_;
    // The tiles each tile in play may still leave with: one once its pair is known.
    std::array<std::array<std::uint8_t, 3>, TileCount + 1> mates_{};
    std::array<std::uint8_t, TileCount + 1> mateCount_{};
    std::vector<std::uint32_t> signatures_;  // of each group when its mates were written
    // From the last test with again false: the order the tiles left in, where each tile
    // left in it, and the pairings left in each group.
    std::array<std::uint8_t, TileCount> order_{};
    std::int32_t orderCount_ = 0;
    std::array<std::uint8_t, TileCount + 1> orderIndex_{};
    static constexpr std::uint8_t TwoLeft = 8;
    std::vector<std::uint8_t> pairings_;  // TwoLeft for a group of two
    // With again: how much of that order still holds, up to the first tile of a group
    // whose pairings changed.
    std::int32_t keep_ = 0;
#ifndef NDEBUG
    // The position of the last test with again false, while it was found not dead locked.
    bool baseClear_ = false;
    TileSet basePresent_;
#endif
};

} // namespace tessaron
