#include "board/SolverPlayOut.h"

#include <algorithm>
#include <bit>

namespace tessaron {

namespace {

// How far random tie-breaks may lift a pair's score, in tiles uncovered.
constexpr std::int32_t Spread = 8;

} // namespace

SolverPlayOut::SolverPlayOut(const SolverBoard& board, const std::vector<std::vector<std::int32_t>>& groups,
                             const std::array<std::int32_t, TileCount + 1>& groupOf)
    : board_(board), groups_(groups), groupOf_(groupOf), deadLock_(board)
{
}

void SolverPlayOut::Take(std::int32_t first, std::int32_t second)
{
    for (std::int32_t tile : {first, second}) {
        present_.Remove(tile);
        free_.Remove(tile);
    }
    groupPresent_[groupOf_[first]] -= 2;
    remaining_ -= 2;
    moves_->push_back({first, second});
}

void SolverPlayOut::Untake(std::int32_t first, std::int32_t second)
{
    for (std::int32_t tile : {first, second}) {
        present_.Add(tile);
        free_.Add(tile);
    }
    groupPresent_[groupOf_[first]] += 2;
    remaining_ += 2;
    moves_->pop_back();
}

// A group all of whose tiles in play are free leaves as a whole, and a free pair of a
// settled pairing leaves: taking tiles never locks another, so neither takes a way out.
bool SolverPlayOut::TakeSafePairs()
{
    bool took = false;
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        const std::vector<std::int32_t>& tiles = groups_[group];
        if (groupPresent_[group] == 2) {
            std::array<std::int32_t, 2> pair{};
            std::int32_t found = 0;
            for (std::int32_t tile : tiles)
                if (present_.Contains(tile)) pair[found++] = tile;
            if (free_.Contains(pair[0]) && free_.Contains(pair[1])) {
                Take(pair[0], pair[1]);
                took = true;
            }
        } else if (groupPresent_[group] == 4) {
            const bool allFree = free_.Contains(tiles[0]) && free_.Contains(tiles[1]) && free_.Contains(tiles[2]) &&
                                 free_.Contains(tiles[3]);
            // With all four free any pairing does; the first not ruled out is taken.
            const std::int32_t* pairs = pairing_[group] > 0 ? FourPairings[pairing_[group] - 1]
                                                            : FourPairings[std::countr_zero(open_[group] | 8u) % 3];
            for (std::int32_t half = 0; half < 4; half += 2) {
                const std::int32_t first = tiles[pairs[half]];
                const std::int32_t second = tiles[pairs[half + 1]];
                if ((allFree || pairing_[group] > 0) && free_.Contains(first) && free_.Contains(second)) {
                    Take(first, second);
                    took = true;
                    break;  // the other pair is a group of two now
                }
            }
        }
    }
    return took;
}

// How many tiles in play follow the tile in its row on one side, up to the first gap.
std::int32_t SolverPlayOut::RowLength(std::int32_t tile, TileSet SolverBoard::Neighbours::*side) const
{
    std::int32_t length = 0;
    TileSet next = board_.Around[tile].*side & present_;
    while (!next.IsEmpty()) {
        length += next.Count();
        TileSet after;
        ForEachTile(next, [&](std::int32_t beside) { after |= board_.Around[beside].*side; });
        next = after & present_;
    }
    return length;
}

// Tiles that uncover the most others are worth taking first: those on a high stack, and
// those at the end of a long row.
std::int32_t SolverPlayOut::Weight(std::int32_t tile) const
{
    const SolverBoard::Neighbours& around = board_.Around[tile];
    const std::int32_t row = std::max(RowLength(tile, &SolverBoard::Neighbours::LeftHand),
                                      RowLength(tile, &SolverBoard::Neighbours::RightHand));
    return 2 * (around.AllBelow & present_).Count() + row;
}

// Every free pair of an open pairing of a group of four, best first: by what it uncovers,
// lifted by a random tie-break.
void SolverPlayOut::FindCandidates()
{
    candidates_.clear();
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        if (groupPresent_[group] != 4 || pairing_[group] != 0) continue;
        const std::vector<std::int32_t>& tiles = groups_[group];
        std::array<std::int32_t, 4> weight{-1, -1, -1, -1};  // each worked out once
        auto weightOf = [&](std::int32_t i) {
            if (weight[i] < 0) weight[i] = Weight(tiles[i]);
            return weight[i];
        };
        for (std::int32_t n = 0; n < 3; ++n) {
            if ((open_[group] & (1 << n)) == 0) continue;
            for (std::int32_t half = 0; half < 4; half += 2) {
                const std::int32_t a = FourPairings[n][half];
                const std::int32_t b = FourPairings[n][half + 1];
                if (!free_.Contains(tiles[a]) || !free_.Contains(tiles[b])) continue;
                candidates_.push_back(
                    {tiles[a], tiles[b], weightOf(a) + weightOf(b) + std::int32_t(random_() % Spread)});
            }
        }
    }
    std::sort(candidates_.begin(), candidates_.end(),
              [](const Candidate& a, const Candidate& b) { return a.Score > b.Score; });
}

// Takes the best candidate that leaves a position the dead-lock test does not show lost.
bool SolverPlayOut::TakeCandidate()
{
    FindCandidates();
    for (const Candidate& candidate : candidates_) {
        Take(candidate.First, candidate.Second);
        if (!deadLock_.IsDeadLocked(present_, groups_, groupPresent_, pairing_, open_, false)) return true;
        Untake(candidate.First, candidate.Second);
    }
    return false;
}

// Looks again at the tiles that the tiles taken since before may have freed.
void SolverPlayOut::FreeUncovered(const TileSet& before)
{
    TileSet uncovered;
    for (std::int32_t w = 0; w < TileSet::WordCount; ++w) {
        for (std::uint64_t bits = before.Words[w] & ~present_.Words[w]; bits != 0; bits &= bits - 1)
            uncovered |= board_.Around[w * 64 + std::countr_zero(bits)].Unlocks;
    }
    ForEachTile(uncovered & present_, [&](std::int32_t tile) {
        if (board_.IsFree(tile, present_)) free_.Add(tile);
    });
}

bool SolverPlayOut::Clear(const TileSet& present, const std::vector<std::int8_t>& pairing,
                          const std::vector<std::uint8_t>& open, std::uint32_t seed, std::vector<SolverMove>& moves)
{
    random_.seed(seed + 1);
    const std::size_t length = moves.size();
    moves_ = &moves;
    pairing_ = pairing;
    open_ = open;
    present_ = present;
    free_ = TileSet{};
    remaining_ = 0;
    groupPresent_.assign(groups_.size(), 0);
    ForEachTile(present_, [&](std::int32_t tile) {
        ++remaining_;
        ++groupPresent_[groupOf_[tile]];
        if (board_.IsFree(tile, present_)) free_.Add(tile);
    });
    while (remaining_ > 0) {
        const TileSet before = present_;
        if (!TakeSafePairs() && !TakeCandidate()) {
            moves.resize(length);
            return false;
        }
        FreeUncovered(before);
    }
    return true;
}

} // namespace tessaron
