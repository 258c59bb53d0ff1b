#include "board/Solver.h"

#include "board/LostPositionTable.h"
#include "board/TileSet.h"

#include <algorithm>
#include <map>

namespace tessaron {

namespace {

// The whole search stays below 64 MB; the table of lost positions takes most of it.
constexpr std::size_t LostTableBytes = std::size_t(40) << 20;
// How many positions are searched between two looks at the clock and the cancel flag.
constexpr std::uint32_t NodesBetweenChecks = 256;

struct Neighbours {
    TileSet Above;
    TileSet LeftHand;
    TileSet RightHand;
};

TileSet ToTileSet(const TileList& list)
{
    TileSet set;
    for (std::int32_t i = 0; i < list.Count && i < std::int32_t(list.Tile.size()); ++i)
        if (list.Tile[i] >= 1 && list.Tile[i] <= TileCount) set.Add(list.Tile[i]);
    return set;
}

// The faces that match each other form one group: each ordinary face on its own, all
// flowers, all seasons (the rule of TilesAreNotMatching).
std::int32_t GroupKey(std::int32_t face)
{
    if (face <= LastOrdinaryFace) return face;
    return face < FirstSeasonFace ? FirstFlowerFace : FirstSeasonFace;
}

class Search {
public:
    Search(const BoardGeometry& geometry, const TileArray& faces, const TilePresence& present,
           const SolverLimits& limits)
        : limits_(limits), lost_(LostTableBytes)
    {
        start_ = std::chrono::steady_clock::now();
        const auto room = std::chrono::steady_clock::time_point::max() - start_;
        deadline_ = limits.Budget >= room ? std::chrono::steady_clock::time_point::max() : start_ + limits.Budget;

        std::map<std::int32_t, std::int32_t> groupOfKey;
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
            const TileRelation& relation = geometry.Relation(tile);
            neighbours_[tile] = {ToTileSet(relation.Above), ToTileSet(relation.LeftHand), ToTileSet(relation.RightHand)};
            if (!present[tile]) continue;
            present_.Add(tile);
            ++remaining_;
            const auto [entry, added] = groupOfKey.try_emplace(GroupKey(faces[tile]), std::int32_t(groups_.size()));
            if (added) groups_.emplace_back();
            groups_[entry->second].push_back(tile);
        }
        groupPresent_.assign(groups_.size(), 0);
        for (std::size_t group = 0; group < groups_.size(); ++group)
            groupPresent_[group] = std::int32_t(groups_[group].size());
    }

    SolverAnswer Run()
    {
        SolverAnswer answer;
        if (Stopped()) return answer;
        // Tiles leave in pairs of one group: a group with an odd count can never be cleared.
        for (std::int32_t count : groupPresent_) {
            if (count % 2 != 0) {
                answer.Verdict = SolverVerdict::Lost;
                return answer;
            }
        }
        switch (Explore()) {
        case Outcome::Cleared:
            answer.Verdict = SolverVerdict::Winnable;
            answer.Moves = path_;
            break;
        case Outcome::Lost:
            answer.Verdict = SolverVerdict::Lost;
            break;
        case Outcome::Stopped:
            break;
        }
        return answer;
    }

private:
    enum class Outcome { Cleared, Lost, Stopped };

    bool Stopped() const
    {
        if (limits_.Cancel && limits_.Cancel->load(std::memory_order_relaxed)) return true;
        return std::chrono::steady_clock::now() >= deadline_;
    }

    bool IsFree(std::int32_t tile) const
    {
        const Neighbours& around = neighbours_[tile];
        if (around.Above.Intersects(present_)) return false;
        return !around.LeftHand.Intersects(present_) || !around.RightHand.Intersects(present_);
    }

    void Take(std::int32_t first, std::int32_t second, std::size_t group)
    {
        present_.Remove(first);
        present_.Remove(second);
        remaining_ -= 2;
        groupPresent_[group] -= 2;
        path_.push_back({first, second});
        pathGroups_.push_back(group);
    }

    void TakeBackTo(std::size_t length)
    {
        while (path_.size() > length) {
            const SolverMove move = path_.back();
            present_.Add(move.First);
            present_.Add(move.Second);
            remaining_ += 2;
            groupPresent_[pathGroups_.back()] += 2;
            path_.pop_back();
            pathGroups_.pop_back();
        }
    }

    // The free tiles of each group, in position order.
    void CollectFree(std::vector<std::vector<std::int32_t>>& freeTiles) const
    {
        freeTiles.resize(groups_.size());
        for (std::size_t group = 0; group < groups_.size(); ++group) {
            freeTiles[group].clear();
            if (groupPresent_[group] == 0) continue;
            for (std::int32_t tile : groups_[group])
                if (present_.Contains(tile) && IsFree(tile)) freeTiles[group].push_back(tile);
        }
    }

    // When every tile left of a group is free, taking them all now is never worse than
    // later: removing tiles never locks another.
    bool TakeWholeFreeGroups(std::vector<std::vector<std::int32_t>>& freeTiles)
    {
        bool took = false;
        for (std::size_t group = 0; group < groups_.size(); ++group) {
            const std::vector<std::int32_t>& tiles = freeTiles[group];
            if (tiles.empty() || std::int32_t(tiles.size()) != groupPresent_[group]) continue;
            for (std::size_t i = 0; i + 1 < tiles.size(); i += 2) Take(tiles[i], tiles[i + 1], group);
            took = true;
        }
        return took;
    }

    Outcome Explore()
    {
        if (++nodes_ % NodesBetweenChecks == 0 && Stopped()) return Outcome::Stopped;
        const std::size_t entryLength = path_.size();
        std::vector<std::vector<std::int32_t>> freeTiles;
        do {
            if (remaining_ == 0) return Outcome::Cleared;
            CollectFree(freeTiles);
        } while (TakeWholeFreeGroups(freeTiles));

        if (lost_.Contains(present_)) {
            TakeBackTo(entryLength);
            return Outcome::Lost;
        }

        struct Candidate {
            std::int32_t First;
            std::int32_t Second;
            std::size_t Group;
        };
        std::vector<Candidate> candidates;
        for (std::size_t group = 0; group < groups_.size(); ++group) {
            const std::vector<std::int32_t>& tiles = freeTiles[group];
            for (std::size_t i = 0; i < tiles.size(); ++i)
                for (std::size_t j = i + 1; j < tiles.size(); ++j) candidates.push_back({tiles[i], tiles[j], group});
        }

        const std::size_t length = path_.size();
        for (const Candidate& move : candidates) {
            Take(move.First, move.Second, move.Group);
            const Outcome outcome = Explore();
            if (outcome == Outcome::Cleared) return outcome;
            TakeBackTo(length);
            if (outcome == Outcome::Stopped) {
                TakeBackTo(entryLength);
                return outcome;
            }
        }
        lost_.Insert(present_);
        TakeBackTo(entryLength);
        return Outcome::Lost;
    }

    const SolverLimits& limits_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point deadline_;
    std::array<Neighbours, TileCount + 1> neighbours_{};
    std::vector<std::vector<std::int32_t>> groups_;
    std::vector<std::int32_t> groupPresent_;
    TileSet present_;
    std::int32_t remaining_ = 0;
    std::vector<SolverMove> path_;
    std::vector<std::size_t> pathGroups_;
    LostPositionTable lost_;
    std::uint64_t nodes_ = 0;
};

} // namespace

SolverAnswer SolvePosition(const BoardGeometry& geometry, const TileArray& faces, const TilePresence& present,
                           const SolverLimits& limits)
{
    Search search(geometry, faces, present, limits);
    return search.Run();
}

} // namespace tessaron
