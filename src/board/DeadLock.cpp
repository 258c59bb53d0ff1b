#include "board/DeadLock.h"

namespace tessaron {

bool DeadLock::IsDeadLocked(const TileSet& present, bool grounded, const std::vector<std::vector<std::int32_t>>& groups,
                            const std::vector<std::int32_t>& groupPresent, const std::vector<std::int8_t>& pairing)
{
    present_ = present;
    grounded_ = grounded;
    before_.clear();
    partner_.fill(0);
    ForEachTile(present_, [&](std::int32_t tile) { node_[tile] = std::uint8_t(tile); });
    if (FindPairs(groups, groupPresent, pairing)) return true;

    // A tile leaves after every tile on it.
    ForEachTile(present_, [&](std::int32_t tile) {
        const TileList& below = board_.Around[tile].Below;
        for (std::int32_t i = 0; i < below.Count; ++i)
            if (present_.Contains(below.Tile[i])) before_.emplace_back(std::uint8_t(tile), std::uint8_t(below.Tile[i]));
    });
    if (AddSideOrder()) return true;
    return WaitsInACircle();
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

TileSet DeadLock::Row(std::int32_t tile, bool right) const
{
    TileSet row;
    TileSet reach = (right ? board_.Around[tile].RightHand : board_.Around[tile].LeftHand) & present_;
    while (!reach.IsEmpty()) {
        row |= reach;
        TileSet next;
        ForEachTile(reach, [&](std::int32_t side) {
            next |= (right ? board_.Around[side].RightHand : board_.Around[side].LeftHand) & present_;
        });
        reach = next;
    }
    return row;
}

void DeadLock::Join(std::int32_t first, std::int32_t second)
{
    node_[second] = std::uint8_t(first);
    partner_[first] = std::uint8_t(second);
    partner_[second] = std::uint8_t(first);
}

// The pair of a group with two tiles left is known. With four left, the pairings whose
// tiles or pairs would have to leave before each other are ruled out; none left means a
// dead lock, and when only one is left, it is known too.
bool DeadLock::FindPairs(const std::vector<std::vector<std::int32_t>>& groups,
                         const std::vector<std::int32_t>& groupPresent, const std::vector<std::int8_t>& pairing)
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
        for (const auto& p : FourPairings) {
            if (apart(p[0], p[1]) && apart(p[2], p[3]) &&
                !(before(p[0], p[1], p[2], p[3]) && before(p[2], p[3], p[0], p[1]))) {
                ++possible;
                only = p;
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

// A tile leaves once one of its sides is clear. When a tile that has to leave after it (its
// partner, or the partner of a tile under it) lies on one side, that side cannot clear in
// time, so the other side has to clear first, tile by tile from its far end; and the tiles
// between the two cannot leave before it.
bool DeadLock::AddSideOrder()
{
    bool deadLocked = false;
    ForEachTile(present_, [&](std::int32_t tile) {
        if (deadLocked) return;
        const SolverBoard::Neighbours& around = board_.Around[tile];
        std::array<std::int32_t, 6> later{};
        std::int32_t laterCount = 0;
        auto consider = [&](std::int32_t other) {
            if (other != 0 && (around.AllRight.Contains(other) || around.AllLeft.Contains(other)))
                later[laterCount++] = other;
        };
        consider(partner_[tile]);
        ForEachTile(around.AllBelow & present_, [&](std::int32_t under) {
            if (laterCount < 5) consider(partner_[under]);
        });
        if (laterCount == 0) return;
        const TileSet right = Row(tile, true);
        const TileSet left = Row(tile, false);
        bool rightBlocked = false;
        bool leftBlocked = false;
        for (std::int32_t i = 0; i < laterCount; ++i) {
            const std::int32_t other = later[i];
            const bool onRight = right.Contains(other);
            const bool onLeft = left.Contains(other);
            if (!onRight && !onLeft) continue;
            rightBlocked = rightBlocked || onRight;
            leftBlocked = leftBlocked || onLeft;
            const TileSet between = onRight ? right & Row(other, false) : left & Row(other, true);
            ForEachTile(between, [&](std::int32_t inner) { before_.emplace_back(std::uint8_t(tile), std::uint8_t(inner)); });
        }
        if (rightBlocked && leftBlocked) {
            deadLocked = true;
            return;
        }
        if (rightBlocked || leftBlocked) ClearSide(tile, leftBlocked);
    });
    return deadLocked;
}

// Every tile on the given side of tile leaves before it, the farthest first.
void DeadLock::ClearSide(std::int32_t tile, bool right)
{
    const TileSet& side = right ? board_.Around[tile].RightHand : board_.Around[tile].LeftHand;
    ForEachTile(side & present_, [&](std::int32_t next) {
        before_.emplace_back(std::uint8_t(next), std::uint8_t(tile));
        ClearSide(next, right);
    });
}

// Peels off the tiles (or known pairs) that wait for nothing; a remainder waits in a circle.
bool DeadLock::WaitsInACircle()
{
    std::array<std::uint16_t, TileCount + 1> waiting{};
    std::array<std::uint16_t, TileCount + 2> firstEdge{};
    std::vector<std::uint8_t>& targets = targets_;
    targets.assign(before_.size(), 0);
    for (const auto& [first, second] : before_) {
        const std::uint8_t from = node_[first];
        const std::uint8_t to = node_[second];
        if (from == to) return true;
        ++waiting[to];
        ++firstEdge[from + 1];
    }
    for (std::int32_t tile = 1; tile <= TileCount + 1; ++tile) firstEdge[tile] += firstEdge[tile - 1];
    std::array<std::uint16_t, TileCount + 1> fill{};
    for (const auto& [first, second] : before_) {
        const std::uint8_t from = node_[first];
        targets[firstEdge[from] + fill[from]++] = node_[second];
    }

    std::array<std::uint8_t, TileCount + 1> ready{};
    std::int32_t readyCount = 0;
    std::int32_t nodes = 0;
    ForEachTile(present_, [&](std::int32_t tile) {
        if (node_[tile] != tile) return;
        ++nodes;
        if (waiting[tile] == 0) ready[readyCount++] = std::uint8_t(tile);
    });
    std::int32_t peeled = 0;
    while (readyCount > 0) {
        const std::int32_t from = ready[--readyCount];
        ++peeled;
        for (std::int32_t edge = firstEdge[from]; edge < firstEdge[from + 1]; ++edge)
            if (--waiting[targets[edge]] == 0) ready[readyCount++] = targets[edge];
    }
    return peeled < nodes;
}

} // namespace tessaron
