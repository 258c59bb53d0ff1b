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
    // out (bit n for FourPairings[n]). again: the position is the one last tested with again
    // false and found clearable, but for pairs taken and pairings settled or ruled out since;
    // the test then starts from what it found there (same answer, sooner).
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
};

} // namespace tessaron
