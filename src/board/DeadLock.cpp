#include "board/DeadLock.h"

#include <bit>

namespace tessaron {

bool DeadLock::IsDeadLocked(const TileSet& present, bool grounded, const std::vector<std::vector<std::int32_t>>& groups,
                            const std::vector<std::int32_t>& groupPresent, const std::vector<std::int8_t>& pairing,
                            const std::vector<std::uint8_t>& open)
{
    present_ = present;
    grounded_ = grounded;
    return FindPairs(groups, groupPresent, pairing, open) || NeverCleared();
}

// Plays as if a tile could leave with any tile it may still be paired with that could leave
// then or has left already: every tile true play can clear leaves here too, so a tile left
// over is never cleared. With every pair known this is true play, which is why it also
// finds each order that goes round in a circle.
bool DeadLock::NeverCleared() const
{
    TileSet left = present_;
    TileSet pending = present_;  // the tiles to look at (again)
    auto canLeave = [&](std::int32_t mate) { return !left.Contains(mate) || board_.IsFree(mate, left); };
    for (std::int32_t word = 0; word < TileSet::WordCount;) {
        if (pending.Words[word] == 0) {
            ++word;
            continue;
        }
        const std::int32_t tile = word * 64 + std::countr_zero(pending.Words[word]);
        pending.Remove(tile);
        if (!board_.IsFree(tile, left)) continue;
        const std::array<std::uint8_t, 3>& mates = mates_[tile];
        const std::int32_t count = mateCount_[tile];
        bool leaves = false;
        for (std::int32_t i = 0; i < count && !leaves; ++i) leaves = canLeave(mates[i]);
        if (!leaves) continue;
        left.Remove(tile);
        // What may come free now: the tiles it locked, and the tiles waiting for a mate.
        pending |= board_.Around[tile].Unlocks & left;
        for (std::int32_t i = 0; i < count; ++i)
            if (left.Contains(mates[i])) pending.Add(mates[i]);
        word = 0;
    }
    return !left.IsEmpty();
}

// The tiles in play that have to leave before tile: those on it, and on those.
TileSet DeadLock::Chain(std::int32_t tile) const
{
    if (grounded_) return board_.Around[tile].AllAbove & present_;
    TileSet chain;
    TileSet reach = board_.Around[tile].Above & present_;
    while (!reach.IsEmpty()) {
        chain |= reach;
        TileSet next;
        ForEachTile(reach, [&](std::int32_t above) { next |= board_.Around[above].Above & present_; });
        reach = next;
    }
    return chain;
}

void DeadLock::Join(std::int32_t first, std::int32_t second)
{
    mates_[first][0] = std::uint8_t(second);
    mates_[second][0] = std::uint8_t(first);
    mateCount_[first] = 1;
    mateCount_[second] = 1;
}

// The pair of a group with two tiles left is known. With four left, the pairings ruled out
// before and those whose tiles or pairs would have to leave before each other are out; none
// left means a dead lock, and when only one is left, it is known too.
bool DeadLock::FindPairs(const std::vector<std::vector<std::int32_t>>& groups,
                         const std::vector<std::int32_t>& groupPresent, const std::vector<std::int8_t>& pairing,
                         const std::vector<std::uint8_t>& open)
{
    std::array<TileSet, 4> chains;
    std::array<std::int32_t, 4> left{};
    for (std::size_t group = 0; group < groups.size(); ++group) {
        const std::int32_t count = groupPresent[group];
        if (count != 2 && count != 4) continue;
        if (count == 4 && pairing[group] > 0) {
            const std::int32_t* settled = FourPairings[pairing[group] - 1];
            Join(groups[group][settled[0]], groups[group][settled[1]]);
            Join(groups[group][settled[2]], groups[group][settled[3]]);
            continue;
        }
        std::int32_t found = 0;
        for (std::int32_t tile : groups[group])
            if (present_.Contains(tile)) left[found++] = tile;
        for (std::int32_t i = 0; i < count; ++i) chains[i] = Chain(left[i]);
        auto apart = [&](std::int32_t i, std::int32_t j) {
            return !chains[i].Contains(left[j]) && !chains[j].Contains(left[i]);
        };
        if (count == 2) {
            if (!apart(0, 1)) return true;
            Join(left[0], left[1]);
            continue;
        }
        // Pair i-j has to leave before pair k-l when one of its tiles lies above one of theirs.
        auto before = [&](std::int32_t i, std::int32_t j, std::int32_t k, std::int32_t l) {
            return chains[k].Contains(left[i]) || chains[k].Contains(left[j]) || chains[l].Contains(left[i]) ||
                   chains[l].Contains(left[j]);
        };
        std::int32_t possible = 0;
        const std::int32_t* only = nullptr;
        for (std::int32_t i = 0; i < 4; ++i) mateCount_[left[i]] = 0;
        for (std::int32_t n = 0; n < 3; ++n) {
            const std::int32_t* p = FourPairings[n];
            if ((open[group] & (1 << n)) == 0 || !apart(p[0], p[1]) || !apart(p[2], p[3]) ||
                (before(p[0], p[1], p[2], p[3]) && before(p[2], p[3], p[0], p[1])))
                continue;
            ++possible;
            only = p;
            for (std::int32_t half = 0; half < 4; half += 2) {
                const std::int32_t first = left[p[half]];
                const std::int32_t second = left[p[half + 1]];
                mates_[first][mateCount_[first]++] = std::uint8_t(second);
                mates_[second][mateCount_[second]++] = std::uint8_t(first);
            }
        }
        if (possible == 0) return true;
        if (possible == 1) {
            Join(left[only[0]], left[only[1]]);
            Join(left[only[2]], left[only[3]]);
        }
    }
    return false;
}

} // namespace tessaron
