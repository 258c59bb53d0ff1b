#include "board/Solver.h"

#include "board/DeadLock.h"
#include "board/LostPositionTable.h"
#include "board/SolverBoard.h"
#include "board/SolverPlayOut.h"
#include "board/TileSet.h"

#include <algorithm>
#include <bit>
#include <map>
#include <random>

namespace tessaron {

namespace {

// The whole search stays below 64 MB; the table of lost positions takes most of it.
constexpr std::size_t LostTableBytes = std::size_t(40) << 20;
// How many positions are searched between two looks at the clock and the cancel flag.
constexpr std::uint32_t NodesBetweenChecks = 16;
// Positions the first run may search before the search starts again.
constexpr std::uint64_t FirstAllowance = 200;
// Play-outs before the search. Two thirds of the clearable deals need four or fewer; most of
// those that thirty do not clear take the search less time than more play-outs would.
constexpr std::uint32_t PlayOuts = 32;
// A play-out takes about as long as a position of the search.
constexpr std::uint32_t PlayOutsBetweenChecks = 4;

// The faces that match each other form one group: each ordinary face on its own, all
// flowers, all seasons (the rule of TilesAreNotMatching).
std::int32_t GroupKey(std::int32_t face)
{
    if (face <= LastOrdinaryFace) return face;
    return face < FirstSeasonFace ? FirstFlowerFace : FirstSeasonFace;
}

// Which tiles leave together is what makes a deal hard: once every group's pairing is
// settled, taking any free settled pair is never wrong (removing tiles never locks
// another). So the search settles pairings, one group of four at a time, and in between
// takes every settled pair that is free.
class Search {
public:
    Search(const BoardGeometry& geometry, const TileArray& faces, const TilePresence& present,
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

    SolverAnswer Run()
    {
        SolverAnswer answer;
        if (Stopped()) return answer;
        // Tiles leave in pairs of one group: a group with an odd count can never be cleared.
        // Only faces outside a deal's make a group of more than four; the search does not
        // take those on and leaves them undecided.
        for (std::int32_t count : groupPresent_) {
            if (count % 2 != 0) {
                answer.Verdict = SolverVerdict::Lost;
                return answer;
            }
            if (count > 4) return answer;
        }
        if (deadLock_.IsDeadLocked(present_, groups_, groupPresent_, pairing_, open_, false)) {
            answer.Verdict = SolverVerdict::Lost;
            return answer;
        }
        // Most positions that can be cleared are cleared by a few quick play-outs, before
        // the search, which decides the others.
        if (PlayOutsClear(PlayOuts)) {
            answer.Verdict = SolverVerdict::Winnable;
            answer.Moves = path_;
            return answer;
        }
        if (timeUp_) return answer;
        // A search that took a wrong turn near the top can spend ages below it; searching
        // again with a growing allowance of positions and other tie-breaks finds most
        // winnable positions fast. What a run shows lost stays in the table for the next.
        Outcome outcome = Outcome::Stopped;
        std::uint64_t allowance = FirstAllowance;
        for (std::uint32_t run = 0;; ++run) {
            nodeLimit_ = nodes_ + allowance;
            shake_ = run > 0;
            random_.seed(run);
            outcome = Explore();
            if (outcome != Outcome::Stopped || timeUp_) break;
            allowance *= 2;
        }
        switch (outcome) {
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

    struct Taken {
        SolverMove Move;
        std::int8_t PairingBefore;
    };

    bool Stopped()
    {
        if ((limits_.Cancel && limits_.Cancel->load(std::memory_order_relaxed)) ||
            std::chrono::steady_clock::now() >= deadline_)
            timeUp_ = true;
        return timeUp_;
    }

    // Plays out from the position up to count times: whether one cleared the board (path_ then
    // holds the pairs that do).
    bool PlayOutsClear(std::uint32_t count)
    {
        for (std::uint32_t i = 0; i < count; ++i) {
            if (i % PlayOutsBetweenChecks == 0 && Stopped()) return false;
            if (playOut_.Clear(present_, pairing_, open_, playOutSeed_++, path_)) return true;
        }
        return false;
    }

    // Small random tie-breaks for the runs after the first.
    std::int32_t Shake(std::int32_t range) { return shake_ ? std::int32_t(random_() % std::uint32_t(range)) : 0; }

    bool IsFree(std::int32_t tile) const { return board_.IsFree(tile, present_); }

    void Take(std::int32_t first, std::int32_t second)
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

    void TakeBackTo(std::size_t length)
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
    bool TakeSettledPairs()
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

    SearchKey Key() const
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
    std::int32_t Weight(std::int32_t tile) const
    {
        const SolverBoard::Neighbours& around = board_.Around[tile];
        return 2 * (around.AllBelow & present_).Count() + (around.LeftHand & present_).Count() +
               (around.RightHand & present_).Count();
    }

    struct Choice {
        std::int8_t Pairing;
        std::int32_t Score;
    };

    // Settles group on pairing and takes the pairs that frees: whether that leaves a position
    // not known to be lost. Puts everything back.
    bool Survives(std::int32_t group, std::int8_t pairing)
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
    bool IsKnownLost(const SearchKey& key, bool again)
    {
        return lost_.Contains(key) || deadLock_.IsDeadLocked(present_, groups_, groupPresent_, pairing_, open_, again);
    }

    void Narrow(std::int32_t group, std::uint8_t open)
    {
        trail_.push_back({group, open_[group], false});
        open_[group] = open;
    }

    void Settle(std::int32_t group, std::int8_t pairing)
    {
        trail_.push_back({group, 0, true});
        pairing_[group] = pairing;
    }

    void UndoTo(std::size_t length, std::size_t trail)
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

    enum class Look { Lost, Settled, Choose };

    // Tries each open pairing of each open group of four one step deep. A pairing shown lost
    // stays ruled out below this position (settling more only takes ways out away). A group
    // with none left makes the position lost; one with a single pairing left is settled
    // (Settled, unless a group to guess on is left). Picks the group to guess on (Choose),
    // with its pairings in the order to try (Pairing 0 ends the list): the group with the
    // fewest left, as a lost position shows itself soonest that way; among equals the one
    // whose pairings were shown lost most often so far (what makes a position lost tends to
    // lie in a few groups), then one with fewer than two free tiles (known pairs deep in the
    // heap tell the dead-lock test the most, free ones mostly sort themselves out), then one
    // with three (each pairing takes a pair at once), then the one whose free tiles uncover
    // the most; pairings that take a free pair at once come first. Lost also when no open
    // group has two free tiles, as then no move is left.
    Look LookAround(std::int32_t& best, std::array<Choice, 4>& choices)
    {
        best = -1;
        std::int32_t bestLeft = 4;
        std::int64_t bestScore = -1;
        bool settled = false;
        bool anyMove = false;
        // The groups shown lost most often first: a lost position ends after fewer tries.
        for (std::size_t i = 0; i < byConflicts_.size(); ++i) byConflicts_[i] = std::int32_t(i);
        std::stable_sort(byConflicts_.begin(), byConflicts_.end(),
                         [&](std::int32_t a, std::int32_t b) { return conflicts_[a] > conflicts_[b]; });
        for (std::int32_t group : byConflicts_) {
            if (groupPresent_[group] != 4 || pairing_[group] != 0) continue;
            std::uint8_t open = 0;
            for (std::int8_t pairing = 1; pairing <= 3; ++pairing) {
                const std::uint8_t bit = std::uint8_t(1 << (pairing - 1));
                if ((open_[group] & bit) != 0 && Survives(group, pairing)) open |= bit;
            }
            if (open != open_[group]) Narrow(group, open);
            if (open == 0) return Look::Lost;
            const std::int32_t left = std::popcount(open);
            if (left == 1) {
                Settle(group, std::int8_t(1 + std::countr_zero(open)));
                settled = true;
                continue;
            }
            std::int32_t freeCount = 0;
            std::int32_t weight = 0;
            for (std::int32_t tile : groups_[group]) {
                if (!IsFree(tile)) continue;
                ++freeCount;
                weight += Weight(tile);
            }
            anyMove = anyMove || freeCount >= 2;
            const std::int64_t score = (std::int64_t(conflicts_[group]) << 16) + (freeCount < 2 ? 10000 : 0) +
                                       (freeCount == 3 ? 1000 : 0) + weight + Shake(64);
            if (left < bestLeft || (left == bestLeft && score > bestScore)) {
                best = group;
                bestLeft = left;
                bestScore = score;
            }
        }
        // Settling takes pairs, which may give moves and rule out more pairings; a look
        // again would find those, but a guess among the groups looked at is cheaper and the
        // next position looks anyway.
        if (settled && (best < 0 || !anyMove)) return Look::Settled;
        if (!anyMove) return Look::Lost;
        const std::vector<std::int32_t>& tiles = groups_[best];
        std::int32_t count = 0;
        for (std::int8_t pairing = 1; pairing <= 3; ++pairing) {
            if ((open_[best] & (1 << (pairing - 1))) == 0) continue;
            const std::int32_t* p = FourPairings[pairing - 1];
            std::int32_t gain = 0;
            for (std::int32_t half = 0; half < 4; half += 2) {
                const std::int32_t first = tiles[p[half]];
                const std::int32_t second = tiles[p[half + 1]];
                if (IsFree(first) && IsFree(second)) gain = std::max(gain, 1 + Weight(first) + Weight(second));
            }
            choices[count++] = {pairing, gain + Shake(32)};
        }
        std::stable_sort(choices.begin(), choices.begin() + count,
                         [](const Choice& a, const Choice& b) { return a.Score > b.Score; });
        choices[count] = {0, 0};
        return Look::Choose;
    }

    Outcome Explore()
    {
        if (++nodes_ >= nodeLimit_ || (nodes_ % NodesBetweenChecks == 0 && Stopped())) return Outcome::Stopped;
        const std::size_t entryLength = taken_.size();
        const std::size_t entryTrail = trail_.size();
        std::int32_t group = -1;
        std::array<Choice, 4> choices{};
        SearchKey entryKey;
        for (bool first = true;; first = false) {
            while (TakeSettledPairs()) {
            }
            if (remaining_ == 0) return Outcome::Cleared;
            const SearchKey key = Key();
            if (first) entryKey = key;
            // A dead lock is quicker found again than looked up.
            bool lost = IsKnownLost(key, false);
            bool remember = !first;
            if (!lost) {
                const Look look = LookAround(group, choices);
                if (look == Look::Settled) continue;
                lost = look == Look::Lost;
                remember = true;
            }
            if (!lost) break;
            if (remember) lost_.Insert(entryKey);
            UndoTo(entryLength, entryTrail);
            return Outcome::Lost;
        }
        for (const Choice& choice : choices) {
            if (choice.Pairing == 0) break;
            pairing_[group] = choice.Pairing;
            const Outcome outcome = Explore();
            pairing_[group] = 0;
            if (outcome == Outcome::Cleared) return outcome;
            if (outcome == Outcome::Stopped) {
                UndoTo(entryLength, entryTrail);
                return outcome;
            }
        }
        lost_.Insert(entryKey);
        UndoTo(entryLength, entryTrail);
        return Outcome::Lost;
    }

    const SolverLimits& limits_;
    std::chrono::steady_clock::time_point deadline_;
    SolverBoard board_;
    DeadLock deadLock_;
    std::vector<std::vector<std::int32_t>> groups_;
    std::array<std::int32_t, TileCount + 1> groupOf_{};
    SolverPlayOut playOut_;
    std::uint32_t playOutSeed_ = 0;
    std::vector<std::int32_t> groupPresent_;
    std::vector<std::int8_t> pairing_;   // 1 + index into FourPairings once settled, else 0
    std::vector<std::uint32_t> conflicts_;  // how often a pairing of the group was shown lost
    std::vector<std::int32_t> byConflicts_;
    std::vector<std::uint8_t> open_;     // the pairings not yet ruled out, a bit for each
    std::vector<std::int32_t> keySlot_;  // where a group of four keeps its pairing in the key
    TileSet present_;
    std::int32_t remaining_ = 0;
    std::vector<Taken> taken_;
    struct Step {
        std::int32_t Group;
        std::uint8_t Open;  // before it was narrowed
        bool Settled;
    };
    std::vector<Step> trail_;
    std::vector<SolverMove> path_;
    LostPositionTable lost_;
    std::uint64_t nodes_ = 0;
    std::uint64_t nodeLimit_ = 0;
    bool timeUp_ = false;
    bool shake_ = false;
    std::minstd_rand random_;
};

} // namespace

SolverAnswer SolvePosition(const BoardGeometry& geometry, const TileArray& faces, const TilePresence& present,
                           const SolverLimits& limits)
{
    Search search(geometry, faces, present, limits);
    return search.Run();
}

} // namespace tessaron
