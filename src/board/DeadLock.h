#pragma once
// Recognises positions that cannot be cleared because their tiles would have to leave in
// an order that goes round in a circle. Never says a clearable position is dead locked.
#include "board/SolverBoard.h"
#include "board/TileSet.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace tessaron {

// The three ways to pair four tiles (indices into the group's four positions).
inline constexpr std::int32_t FourPairings[3][4] = {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}};

class DeadLock {
public:
    explicit DeadLock(const SolverBoard& board) : board_(board) {}

    // groups holds the positions of each group of matching faces, groupPresent how many
    // of them are in play, pairing the pairing settled on for a group of four in play
    // (1 + an index into FourPairings; 0 while open). grounded: every tile in play lies
    // on tiles in play (true in play; pieces lifted by peeking break it).
    bool IsDeadLocked(const TileSet& present, bool grounded, const std::vector<std::vector<std::int32_t>>& groups,
                      const std::vector<std::int32_t>& groupPresent, const std::vector<std::int8_t>& pairing);

private:
    TileSet Chain(std::int32_t tile) const;
    // The tiles in play reached from tile by going sideways (right or left) again and again.
    TileSet Row(std::int32_t tile, bool right) const;
    bool FindPairs(const std::vector<std::vector<std::int32_t>>& groups, const std::vector<std::int32_t>& groupPresent,
                   const std::vector<std::int8_t>& pairing);
    void Join(std::int32_t first, std::int32_t second);
    bool AddSideOrder();
    void ClearSide(std::int32_t tile, bool right);
    bool WaitsInACircle();

    const SolverBoard& board_;
    TileSet present_;
    bool grounded_ = true;
    std::array<std::uint8_t, TileCount + 1> node_{};  // the first tile of a known pair stands for both
    std::array<std::uint8_t, TileCount + 1> partner_{};
    std::vector<std::pair<std::uint8_t, std::uint8_t>> before_;  // (a, b): a leaves before b
    std::vector<std::uint8_t> targets_;
};

} // namespace tessaron
