#include "board/DeadLock.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace tessaron {

bool DeadLock::IsDeadLocked(const TileSet& present, const std::vector<std::vector<std::int32_t>>& groups,
                            const std::vector<std::int32_t>& groupPresent, const std::vector<std::int8_t>& pairing,
                            const std::vector<std::uint8_t>& open, bool again)
{
#ifndef NDEBUG
    assert((!again || (baseClear_ && (present & basePresent_) == present)) &&
           "again: the position must grow out of the last one tested without it and found clear");
#endif
    present_ = present;
    const bool locked = FindMates(groups, groupPresent, pairing, open, again) || NeverCleared(again);
#ifndef NDEBUG
    if (!again) {
        baseClear_ = !locked;
        basePresent_ = present;
    }
#endif
    return locked;
}

// Plays as if a tile could leave with any tile it may still be paired with that could leave
// then or has left already: every tile true play can clear leaves here too, so a tile left
// over is never cleared. With every pair known this is true play, which is why it also
// finds each order that goes round in a circle. Any order of leaving ends with the same
// tiles left over, so the test follows the order found last as far as it still holds,
// then looks for more. What leaves stays gone in a position with fewer tiles or fewer ways
// to pair them, until a tile whose ways to pair changed: so a test again replays that much
// of the order found last without looking.
bool DeadLock::NeverCleared(bool again)
{
    TileSet left = present_;
    std::int32_t next = 0;
    if (again) {
        for (; next < std::min(keep_, orderCount_); ++next) left.Remove(order_[next]);
    }
    std::array<std::uint8_t, TileCount> found{};  // the order of this test, unless again
    std::int32_t foundCount = 0;
    auto leave = [&](std::int32_t tile) {
        left.Remove(tile);
        if (!again) found[foundCount++] = std::uint8_t(tile);
    };
    auto mateLeaves = [&](std::int32_t tile, auto&& isFree) {
        const std::array<std::uint8_t, 3>& mates = mates_[tile];
        for (std::int32_t i = 0; i < mateCount_[tile]; ++i)
            if (!left.Contains(mates[i]) || isFree(mates[i])) return true;
        return false;
    };
    auto freeNow = [&](std::int32_t tile) { return board_.IsFree(tile, left); };
    for (; next < orderCount_; ++next) {
        const std::int32_t tile = order_[next];
        if (left.Contains(tile) && freeNow(tile) && mateLeaves(tile, freeNow)) leave(tile);
    }

    // Taking tiles only ever frees more, so the free tiles are found once and then only
    // among the tiles each leaving tile locked.
    TileSet free;
    ForEachTile(left, [&](std::int32_t tile) {
        if (freeNow(tile)) free.Add(tile);
    });
    auto known = [&](std::int32_t tile) { return free.Contains(tile); };
    TileSet pending = free;  // free tiles that may leave now (again)
    while (!pending.IsEmpty()) {
        const std::int32_t tile = pending.First();
        pending.Remove(tile);
        if (!left.Contains(tile) || !mateLeaves(tile, known)) continue;
        leave(tile);
        free.Remove(tile);
        // What may leave now: the tiles it locked that came free, and free tiles waiting for
        // a mate.
        ForEachTile((board_.Around[tile].Unlocks & left).Except(free), [&](std::int32_t unlocked) {
            if (!freeNow(unlocked)) return;
            free.Add(unlocked);
            pending.Add(unlocked);
        });
        for (std::int32_t i = 0; i < mateCount_[tile]; ++i)
            if (free.Contains(mates_[tile][i])) pending.Add(mates_[tile][i]);
    }
    if (!again) {
        for (std::int32_t i = 0; i < foundCount; ++i) {
            order_[i] = found[i];
            orderIndex_[found[i]] = std::uint8_t(i);
        }
        orderCount_ = foundCount;
    }
    return !left.IsEmpty();
}

void DeadLock::Join(std::int32_t first, std::int32_t second)
{
    mates_[first][0] = std::uint8_t(second);
    mates_[second][0] = std::uint8_t(first);
    mateCount_[first] = 1;
    mateCount_[second] = 1;
}

// The tiles each tile may leave with: the other one of a group with two left, else its
// partner in each pairing not ruled out. A group with none left is a dead lock.
bool DeadLock::FindMates(const std::vector<std::vector<std::int32_t>>& groups,
                         const std::vector<std::int32_t>& groupPresent, const std::vector<std::int8_t>& pairing,
                         const std::vector<std::uint8_t>& open, bool again)
{
    if (!again) {
        pairings_.assign(groups.size(), 0);
    }
    keep_ = TileCount;
    signatures_.resize(groups.size(), 0);
    for (std::size_t group = 0; group < groups.size(); ++group) {
        const std::vector<std::int32_t>& tiles = groups[group];
        const std::int32_t count = groupPresent[group];
        if (count != 2 && count != 4) continue;
        // The pairings left of a group of four; a group of two is one pair.
        std::uint8_t left = TwoLeft;
        if (count == 4) left = pairing[group] > 0 ? std::uint8_t(1 << (pairing[group] - 1)) : open[group];
        if (left == 0) return true;
        if (!again) {
            pairings_[group] = left;
        } else if (left != pairings_[group]) {
            for (std::int32_t tile : tiles)
                if (present_.Contains(tile)) keep_ = std::min<std::int32_t>(keep_, orderIndex_[tile]);
        }
        // The mates of a group's tiles stay as they were while its tiles in play and its
        // pairings left do.
        std::uint32_t signature = left;
        for (std::size_t i = 0; i < tiles.size(); ++i)
            if (present_.Contains(tiles[i])) signature |= 16u << i;
        if (signature == signatures_[group]) continue;
        signatures_[group] = signature;
        if (count == 2) {
            std::array<std::int32_t, 2> pair{};
            std::int32_t found = 0;
            for (std::int32_t tile : tiles)
                if (present_.Contains(tile)) pair[found++] = tile;
            Join(pair[0], pair[1]);
            continue;
        }
        for (std::int32_t tile : tiles) mateCount_[tile] = 0;
        for (std::int32_t n = 0; n < 3; ++n) {
            if ((left & (1 << n)) == 0) continue;
            for (std::int32_t half = 0; half < 4; half += 2) {
                const std::int32_t first = tiles[FourPairings[n][half]];
                const std::int32_t second = tiles[FourPairings[n][half + 1]];
                mates_[first][mateCount_[first]++] = std::uint8_t(second);
                mates_[second][mateCount_[second]++] = std::uint8_t(first);
            }
        }
    }
    return false;
}

} // namespace tessaron
