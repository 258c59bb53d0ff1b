#include "board/Solver.h"

#include "board/SolverSearch.h"

#include <algorithm>
#include <bit>

namespace tessaron {

namespace {

// How many positions are searched between two looks at the clock and the cancel flag.
constexpr std::uint32_t NodesBetweenChecks = 16;
// Positions the first run may search before the search starts again.
constexpr std::uint64_t FirstAllowance = 200;
// Play-outs before the search. Two thirds of the clearable deals need four or fewer; most of
// those that thirty do not clear take the search less time than more play-outs would.
constexpr std::uint32_t PlayOuts = 32;
// A play-out takes about as long as a position of the search.
constexpr std::uint32_t PlayOutsBetweenChecks = 4;
} // namespace

SolverAnswer SolverSearch::Run()
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


// Plays out from the position up to count times: whether one cleared the board (path_ then
// holds the pairs that do).
bool SolverSearch::PlayOutsClear(std::uint32_t count)
{
    for (std::uint32_t i = 0; i < count; ++i) {
        if (i % PlayOutsBetweenChecks == 0 && Stopped()) return false;
        if (playOut_.Clear(present_, pairing_, open_, playOutSeed_++, path_)) return true;
    }
    return false;
}


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
SolverSearch::Look SolverSearch::LookAround(std::int32_t& best, std::array<Choice, 4>& choices)
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


SolverSearch::Outcome SolverSearch::Explore()
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

SolverAnswer SolvePosition(const BoardGeometry& geometry, const TileArray& faces, const TilePresence& present,
                           const SolverLimits& limits)
{
    SolverSearch search(geometry, faces, present, limits);
    return search.Run();
}

} // namespace tessaron
