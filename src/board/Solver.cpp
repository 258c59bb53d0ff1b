#include "board/Solver.h"

#include "board/DeadLock.h"
#include "board/LostPositionTable.h"
#include "board/SolverBoard.h"
#include "board/TileSet.h"

#include <algorithm>
#include <map>

namespace tessaron {

namespace {

// The whole search stays below 64 MB; the table of lost positions takes most of it.
constexpr std::size_t LostTableBytes = std::size_t(40) << 20;
// How many positions are searched between two looks at the clock and the cancel flag.
constexpr std::uint32_t NodesBetweenChecks = 256;

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
        : limits_(limits), board_(geometry), deadLock_(board_), lost_(LostTableBytes)
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
        for (std::size_t group = 0; group < groups_.size(); ++group)
            groupPresent_[group] = std::int32_t(groups_[group].size());
        // In play a tile leaves only after those on it, so every tile lies on tiles in play;
        // pieces lifted by peeking can break that.
        grounded_ = true;
        ForEachTile(present_, [&](std::int32_t tile) {
            const TileList& below = board_.Around[tile].Below;
            for (std::int32_t i = 0; i < below.Count; ++i) grounded_ = grounded_ && present_.Contains(below.Tile[i]);
        });
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
    using TileGroup = std::vector<std::int32_t>;

    struct Candidate {
        std::int32_t First;
        std::int32_t Second;
        std::int32_t Group;
        std::int32_t Score;
    };

    bool Stopped() const
    {
        if (limits_.Cancel && limits_.Cancel->load(std::memory_order_relaxed)) return true;
        return std::chrono::steady_clock::now() >= deadline_;
    }

    void Take(std::int32_t first, std::int32_t second)
    {
        present_.Remove(first);
        present_.Remove(second);
        remaining_ -= 2;
        groupPresent_[groupOf_[first]] -= 2;
        path_.push_back({first, second});
    }

    void TakeBackTo(std::size_t length)
    {
        while (path_.size() > length) {
            const SolverMove move = path_.back();
            present_.Add(move.First);
            present_.Add(move.Second);
            remaining_ += 2;
            groupPresent_[groupOf_[move.First]] += 2;
            path_.pop_back();
        }
    }

    // The free tiles of each group in play, in position order.
    void CollectFree(std::vector<TileGroup>& freeTiles) const
    {
        freeTiles.resize(groups_.size());
        for (std::size_t group = 0; group < groups_.size(); ++group) {
            freeTiles[group].clear();
            if (groupPresent_[group] == 0) continue;
            for (std::int32_t tile : groups_[group])
                if (present_.Contains(tile) && board_.IsFree(tile, present_)) freeTiles[group].push_back(tile);
        }
    }

    // When every tile left of a group is free, taking them all now is never worse than
    // later: removing tiles never locks another.
    bool TakeWholeFreeGroups(const std::vector<TileGroup>& freeTiles)
    {
        bool took = false;
        for (std::size_t group = 0; group < groups_.size(); ++group) {
            const TileGroup& tiles = freeTiles[group];
            if (tiles.empty() || std::int32_t(tiles.size()) != groupPresent_[group]) continue;
            for (std::size_t i = 0; i + 1 < tiles.size(); i += 2) Take(tiles[i], tiles[i + 1]);
            took = true;
        }
        return took;
    }

    // Moves that uncover the most tiles first: a winnable position is then found with
    // little backtracking.
    std::int32_t Weight(std::int32_t tile) const
    {
        const SolverBoard::Neighbours& around = board_.Around[tile];
        return 2 * (around.AllBelow & present_).Count() + (around.LeftHand & present_).Count() +
               (around.RightHand & present_).Count();
    }

    Outcome Explore()
    {
        if (++nodes_ % NodesBetweenChecks == 0 && Stopped()) return Outcome::Stopped;
        const std::size_t entryLength = path_.size();
        std::vector<TileGroup> freeTiles;
        do {
            if (remaining_ == 0) return Outcome::Cleared;
            CollectFree(freeTiles);
        } while (TakeWholeFreeGroups(freeTiles));

        if (lost_.Contains(present_) || deadLock_.IsDeadLocked(present_, grounded_, groups_, groupPresent_)) {
            TakeBackTo(entryLength);
            return Outcome::Lost;
        }

        std::vector<Candidate> candidates;
        for (std::size_t group = 0; group < groups_.size(); ++group) {
            const TileGroup& tiles = freeTiles[group];
            for (std::size_t i = 0; i < tiles.size(); ++i)
                for (std::size_t j = i + 1; j < tiles.size(); ++j)
                    candidates.push_back(
                        {tiles[i], tiles[j], std::int32_t(group), Weight(tiles[i]) + Weight(tiles[j])});
        }
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const Candidate& a, const Candidate& b) { return a.Score > b.Score; });

        const std::size_t length = path_.size();
        for (const Candidate& move : candidates) {
            Take(move.First, move.Second);
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
    std::chrono::steady_clock::time_point deadline_;
    SolverBoard board_;
    DeadLock deadLock_;
    std::vector<TileGroup> groups_;
    std::array<std::int32_t, TileCount + 1> groupOf_{};
    std::vector<std::int32_t> groupPresent_;
    TileSet present_;
    bool grounded_ = true;
    std::int32_t remaining_ = 0;
    std::vector<SolverMove> path_;
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
