// The position the search works on: which tiles are in play, which pairings are settled or
// ruled out, and the trail that puts it all back.
#include "board/SolverSearch.h"

#include <algorithm>
#include <map>

namespace tessaron {

namespace {

// The whole search stays below 64 MB; the table of lost positions takes most of it.
constexpr std::size_t LostTableBytes = std::size_t(40) << 20;

// The faces that match each other form one group: each ordinary face on its own, all
// flowers, all seasons (the rule of TilesAreNotMatching).
std::int32_t GroupKey(std::int32_t face)
{
    if (face <= LastOrdinaryFace) return face;
    return face < FirstSeasonFace ? FirstFlowerFace : FirstSeasonFace;
}
} // namespace

SolverSearch::SolverSearch(const BoardGeometry& geometry, const TileArray& faces, const TilePresence& present,
                           const SolverLimits& limits)
    : limits_(limits), board_(geometry), deadLock_(board_), playOut_(board_, groups_, groupOf_),
      lost_(LostTableBytes)
{
    const auto now = std::chrono::steady_clock::now();
    const auto room = std::chrono::steady_clock::time_point::max() - now;
    deadline_ = limits.Budget >= room ? std::chrono::steady_clock::time_point::max() : now + limits.Budget;

    std::map<std::int32_t, std::int32_t> groupOfKey;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        if (!present[tile]) continue;
        present_.Add(tile);
        ++remaining_;
        const auto [entry, added] = groupOfKey.try_emplace(GroupKey(faces[tile]), std::int32_t(groups_.size()));
        if (added) groups_.emplace_back();
        groups_[entry->second].push_back(tile);
        groupOf_[tile] = entry->second;
    }
    groupPresent_.assign(groups_.size(), 0);
    pairing_.assign(groups_.size(), 0);
    open_.assign(groups_.size(), 7);
    conflicts_.assign(groups_.size(), 0);
    byConflicts_.assign(groups_.size(), 0);
    keySlot_.assign(groups_.size(), -1);
    std::int32_t fours = 0;
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        groupPresent_[group] = std::int32_t(groups_[group].size());
        if (groupPresent_[group] == 4) keySlot_[group] = fours++;
    }
}


void SolverSearch::Take(std::int32_t first, std::int32_t second)
{
    const std::int32_t group = groupOf_[first];
    present_.Remove(first);
    present_.Remove(second);
    remaining_ -= 2;
    groupPresent_[group] -= 2;
    taken_.push_back({{first, second}, pairing_[group]});
    path_.push_back({first, second});
    // The two left of a group are a pair anyway.
    pairing_[group] = 0;
}


void SolverSearch::TakeBackTo(std::size_t length)
{
    while (taken_.size() > length) {
        const Taken& last = taken_.back();
        const std::int32_t group = groupOf_[last.Move.First];
        present_.Add(last.Move.First);
        present_.Add(last.Move.Second);
        remaining_ += 2;
        groupPresent_[group] += 2;
        pairing_[group] = last.PairingBefore;
        taken_.pop_back();
        path_.pop_back();
    }
}


// Takes the pairs that are settled and free, and the groups that are free as a whole
// (any pairing of them does). Returns whether it took anything.
bool SolverSearch::TakeSettledPairs()
{
    bool took = false;
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        const std::vector<std::int32_t>& tiles = groups_[group];
        if (groupPresent_[group] == 2) {
            std::int32_t pair[2] = {0, 0};
            std::int32_t found = 0;
            for (std::int32_t tile : tiles)
                if (present_.Contains(tile)) pair[found++] = tile;
            if (IsFree(pair[0]) && IsFree(pair[1])) {
                Take(pair[0], pair[1]);
                took = true;
            }
        } else if (groupPresent_[group] == 4) {
            const bool allFree = IsFree(tiles[0]) && IsFree(tiles[1]) && IsFree(tiles[2]) && IsFree(tiles[3]);
            const std::int32_t* settled = FourPairings[std::max(0, pairing_[group] - 1)];
            if (allFree) {
                Take(tiles[settled[0]], tiles[settled[1]]);
                Take(tiles[settled[2]], tiles[settled[3]]);
                took = true;
            } else if (pairing_[group] > 0) {
                for (std::int32_t half = 0; half < 4; half += 2) {
                    const std::int32_t first = tiles[settled[half]];
                    const std::int32_t second = tiles[settled[half + 1]];
                    if (IsFree(first) && IsFree(second)) {
                        Take(first, second);
                        took = true;
                        break;
                    }
                }
            }
        }
    }
    return took;
}


SearchKey SolverSearch::Key() const
{
    SearchKey key{present_, {}};
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        if (keySlot_[group] < 0 || groupPresent_[group] != 4) continue;
        const std::int32_t bit = 2 * keySlot_[group];
        key.Pairings[bit / 64] |= std::uint64_t(pairing_[group]) << (bit % 64);
    }
    return key;
}


// Tiles that uncover the most others are worth taking first.
std::int32_t SolverSearch::Weight(std::int32_t tile) const
{
    const SolverBoard::Neighbours& around = board_.Around[tile];
    return 2 * (around.AllBelow & present_).Count() + (around.LeftHand & present_).Count() +
           (around.RightHand & present_).Count();
}


// Settles group on pairing and takes the pairs that frees: whether that leaves a position
// not known to be lost. Puts everything back.
bool SolverSearch::Survives(std::int32_t group, std::int8_t pairing)
{
    const std::size_t length = taken_.size();
    pairing_[group] = pairing;
    while (TakeSettledPairs()) {
    }
    const bool survives = remaining_ == 0 || !IsKnownLost(Key(), true);
    if (!survives) ++conflicts_[group];
    TakeBackTo(length);
    pairing_[group] = 0;
    return survives;
}


// again: the position grew out of the last one looked at with again false by settling
// pairings and taking pairs.
bool SolverSearch::IsKnownLost(const SearchKey& key, bool again)
{
    return lost_.Contains(key) || deadLock_.IsDeadLocked(present_, groups_, groupPresent_, pairing_, open_, again);
}


void SolverSearch::UndoTo(std::size_t length, std::size_t trail)
{
    TakeBackTo(length);
    while (trail_.size() > trail) {
        const Step& last = trail_.back();
        if (last.Settled)
            pairing_[last.Group] = 0;
        else
            open_[last.Group] = last.Open;
        trail_.pop_back();
    }
}

} // namespace tessaron
