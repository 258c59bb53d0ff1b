#include "board/ShufflePlacement.h"

#include "board/GameCreator.h"
#include "board/Rules.h"
#include "board/TileSet.h"

#include <algorithm>
#include <unordered_set>

namespace tessaron {

namespace {

// Fills that may run into a dead end before the search decides. As with whole deals, about
// every other fill does; eight in a row happen in 4 % of stuck positions, half of which
// have no order at all.
constexpr std::int32_t BackwardFills = 8;
// Positions the search may look at: positions left by play have needed at most 65, and
// the whole allowance costs about 8 ms, well within a click's wait.
constexpr std::int64_t SearchAllowance = 5000;

using Side = TileList TileRelation::*;

// The backward method of deal building, on the positions in play only: a position that is
// not in play stays empty for good, so it ends a row like the board's edge.
class BackwardFill {
public:
    BackwardFill(const BoardGeometry& geometry, const TilePresence& present, RandomSource& random)
        : geometry_(geometry), present_(present), random_(random)
    {
        for (std::int32_t tile = 1; tile <= TileCount; ++tile)
            if (present[tile]) positions_.push_back(tile);
    }

    // The pairs in the order they come off, or nothing when the fill ran into a dead end.
    std::vector<SolverMove> Attempt()
    {
        filled_.fill(0);
        std::vector<SolverMove> inserted;
        for (std::size_t placed = 0; placed < positions_.size(); placed += 2) {
            const std::int32_t first = FindInsertLocation(0);
            if (first == 0) return {};
            filled_[first] = 1;
            const std::int32_t second = FindInsertLocation(first);
            if (second == 0) return {};
            filled_[second] = 1;
            inserted.push_back({first, second});
        }
        std::reverse(inserted.begin(), inserted.end());
        return inserted;
    }

private:
    bool AnyFilled(const TileList& list) const
    {
        for (std::int32_t i = 0; i < list.Count; ++i)
            if (filled_[list.Tile[i]] != 0) return true;
        return false;
    }

    bool LineIsEmpty(std::int32_t tile, Side side) const
    {
        const TileList& next = geometry_.Relation(tile).*side;
        for (std::int32_t i = 0; i < next.Count; ++i) {
            const std::int32_t neighbour = next.Tile[i];
            if (!present_[neighbour]) continue;
            if (filled_[neighbour] != 0 || !LineIsEmpty(neighbour, side)) return false;
        }
        return true;
    }

    // An empty neighbour in play is fine only when its row beyond is empty too: otherwise it
    // could later be filled only between two tiles, and would then be locked.
    bool WontCloseAGap(std::int32_t tile, Side side) const
    {
        const TileList& next = geometry_.Relation(tile).*side;
        for (std::int32_t i = 0; i < next.Count; ++i) {
            const std::int32_t neighbour = next.Tile[i];
            if (present_[neighbour] && filled_[neighbour] == 0 && !LineIsEmpty(neighbour, side)) return false;
        }
        return true;
    }

    bool BelowInPlayAllFilled(std::int32_t tile) const
    {
        const TileList& below = geometry_.Relation(tile).Below;
        for (std::int32_t i = 0; i < below.Count; ++i)
            if (present_[below.Tile[i]] && filled_[below.Tile[i]] == 0) return false;
        return true;
    }

    bool IsLegal(std::int32_t tile, std::int32_t pairedTile) const
    {
        const TileRelation& relation = geometry_.Relation(tile);
        // The first four are the deal builder's rules; the side test states outright what
        // they are there for, that the tile is free when it comes off again.
        return filled_[tile] == 0 && !AnyFilled(relation.Above) && BelowInPlayAllFilled(tile) &&
               WontCloseAGap(tile, &TileRelation::LeftHand) && WontCloseAGap(tile, &TileRelation::RightHand) &&
               (!AnyFilled(relation.LeftHand) || !AnyFilled(relation.RightHand)) &&
               !TileLocksTile(geometry_, filled_, tile, pairedTile);
    }

    std::int32_t FindInsertLocation(std::int32_t pairedTile)
    {
        candidates_.clear();
        for (std::int32_t tile : positions_)
            if (IsLegal(tile, pairedTile)) candidates_.push_back(tile);
        if (candidates_.empty()) return 0;
        return candidates_[RandomIndex(random_, std::int32_t(candidates_.size()))];
    }

    const BoardGeometry& geometry_;
    const TilePresence& present_;
    RandomSource& random_;
    std::vector<std::int32_t> positions_;
    std::vector<std::int32_t> candidates_;
    TileArray filled_{};
};

struct TileSetHash {
    std::size_t operator()(const TileSet& set) const
    {
        std::size_t hash = 0;
        for (std::uint64_t word : set.Words) hash = hash * 0x9E3779B97F4A7C15ull + (word ^ (word >> 29));
        return hash;
    }
};

// Tries the orders of removal, as if every tile matched every other, remembering the sets
// it has shown cannot be cleared. Two rules keep it small without losing a way through:
// a free tile that lies on nothing and touches nothing in play (a loose tile) stays free and
// frees nothing, so loose tiles are interchangeable and one stands for all; and two loose
// tiles are never taken together while another free tile waits, as pairing that one with a
// loose tile instead only frees more and saves the other loose tile for later.
class RemovalSearch {
public:
    RemovalSearch(const BoardGeometry& geometry, RandomSource& random) : geometry_(geometry), random_(random) {}

    PlacementResult Run(const TilePresence& present, std::vector<SolverMove>& pairs)
    {
        TileSet inPlay;
        for (std::int32_t tile = 1; tile <= TileCount; ++tile)
            if (present[tile]) inPlay.Add(tile);
        path_.clear();
        const Outcome outcome = Explore(inPlay);
        if (outcome == Outcome::Cleared) pairs = path_;
        return outcome == Outcome::Cleared ? PlacementResult::Found
               : outcome == Outcome::Lost  ? PlacementResult::Impossible
                                           : PlacementResult::GaveUp;
    }

private:
    enum class Outcome { Cleared, Lost, Stopped };

    static bool AnyIn(const TileList& list, const TileSet& set)
    {
        for (std::int32_t i = 0; i < list.Count; ++i)
            if (set.Contains(list.Tile[i])) return true;
        return false;
    }

    Outcome Explore(TileSet& inPlay)
    {
        if (inPlay.IsEmpty()) return Outcome::Cleared;
        if (lost_.contains(inPlay)) return Outcome::Lost;
        if (++nodes_ > SearchAllowance) return Outcome::Stopped;

        std::vector<std::int32_t> bound;  // free tiles whose removal may free another
        std::int32_t loose = 0;
        std::int32_t looseCount = 0;
        std::int32_t freeCount = 0;
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
            if (!inPlay.Contains(tile)) continue;
            const TileRelation& relation = geometry_.Relation(tile);
            const bool left = AnyIn(relation.LeftHand, inPlay);
            const bool right = AnyIn(relation.RightHand, inPlay);
            if (AnyIn(relation.Above, inPlay) || (left && right)) continue;
            ++freeCount;
            if (!left && !right && !AnyIn(relation.Below, inPlay)) {
                loose = tile;
                ++looseCount;
            } else {
                bound.push_back(tile);
            }
        }
        if (bound.empty()) {
            // Loose tiles free nothing: the rest comes off only if nothing else is left.
            if (freeCount != inPlay.Count()) return Remember(inPlay);
            std::vector<std::int32_t> tiles;
            for (std::int32_t tile = 1; tile <= TileCount; ++tile)
                if (inPlay.Contains(tile)) tiles.push_back(tile);
            for (std::size_t i = 0; i + 1 < tiles.size(); i += 2) path_.push_back({tiles[i], tiles[i + 1]});
            return Outcome::Cleared;
        }
        // Higher tiles first (they hold up the most), in random order within a layer.
        for (std::size_t i = bound.size(); i > 1; --i)
            std::swap(bound[i - 1], bound[std::size_t(RandomIndex(random_, std::int32_t(i)))]);
        std::stable_sort(bound.begin(), bound.end(), [this](std::int32_t a, std::int32_t b) {
            return geometry_.Location(a).Layer > geometry_.Location(b).Layer;
        });
        for (std::size_t i = 0; i < bound.size(); ++i) {
            for (std::size_t j = i + 1; j <= bound.size(); ++j) {
                const std::int32_t partner = j < bound.size() ? bound[j] : loose;
                if (partner == 0) continue;
                const Outcome outcome = TryPair(inPlay, bound[i], partner);
                if (outcome != Outcome::Lost) return outcome;
            }
        }
        return Remember(inPlay);
    }

    Outcome TryPair(TileSet& inPlay, std::int32_t first, std::int32_t second)
    {
        inPlay.Remove(first);
        inPlay.Remove(second);
        path_.push_back({first, second});
        const Outcome outcome = Explore(inPlay);
        if (outcome != Outcome::Cleared) path_.pop_back();
        inPlay.Add(first);
        inPlay.Add(second);
        return outcome;
    }

    Outcome Remember(const TileSet& inPlay)
    {
        lost_.insert(inPlay);
        return Outcome::Lost;
    }

    const BoardGeometry& geometry_;
    RandomSource& random_;
    std::unordered_set<TileSet, TileSetHash> lost_;
    std::vector<SolverMove> path_;
    std::int64_t nodes_ = 0;
};

} // namespace

std::int32_t RandomIndex(RandomSource& random, std::int32_t count)
{
    return FindRandomLong(random, count, 0, -1);
}

bool PairsClearPositions(const BoardGeometry& geometry, TilePresence present, const std::vector<SolverMove>& pairs)
{
    for (const auto& [first, second] : pairs) {
        if (first < 1 || first > TileCount || second < 1 || second > TileCount || first == second) return false;
        if (!present[first] || !present[second]) return false;
        if (TileIsLocked(geometry, present, first) || TileIsLocked(geometry, present, second)) return false;
        present[first] = false;
        present[second] = false;
    }
    return std::none_of(present.begin() + 1, present.end(), [](bool inPlay) { return inPlay; });
}

PairPlacement PlacePairs(const BoardGeometry& geometry, const TilePresence& present, RandomSource& random)
{
    PairPlacement placement;
    const auto inPlay = std::count(present.begin() + 1, present.end(), true);
    if (inPlay % 2 != 0) {
        placement.Result = PlacementResult::Impossible;
        return placement;
    }
    BackwardFill fill(geometry, present, random);
    for (; placement.FailedFills < BackwardFills; ++placement.FailedFills) {
        std::vector<SolverMove> pairs = fill.Attempt();
        // The check is cheap, and it makes the promise hold on any layout.
        if ((!pairs.empty() || inPlay == 0) && PairsClearPositions(geometry, present, pairs)) {
            placement.Result = PlacementResult::Found;
            placement.Pairs = std::move(pairs);
            return placement;
        }
    }
    const std::int32_t failedFills = placement.FailedFills;
    placement = SearchPairOrder(geometry, present, random);
    placement.FailedFills = failedFills;
    return placement;
}

PairPlacement SearchPairOrder(const BoardGeometry& geometry, const TilePresence& present, RandomSource& random)
{
    PairPlacement placement;
    placement.Searched = true;
    placement.Result = RemovalSearch(geometry, random).Run(present, placement.Pairs);
    if (placement.Result == PlacementResult::Found && !PairsClearPositions(geometry, present, placement.Pairs)) {
        placement.Pairs.clear();
        placement.Result = PlacementResult::GaveUp;
    }
    return placement;
}

} // namespace tessaron
