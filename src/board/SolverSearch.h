#pragma once
// The search behind SolvePosition, for its two source files only: the position it works on
// (tiles in play, groups, settled pairings, the trail to undo) and the search over it.
#include "board/DeadLock.h"
#include "board/LostPositionTable.h"
#include "board/Solver.h"
#include "board/SolverBoard.h"
#include "board/SolverPlayOut.h"
#include "board/TileSet.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

namespace tessaron {

// Which tiles leave together is what makes a deal hard: once every group's pairing is
// settled, taking any free settled pair is never wrong (removing tiles never locks
// another). So the search settles pairings, one group of four at a time, and in between
// takes every settled pair that is free.
class SolverSearch {
public:
    SolverSearch(const BoardGeometry& geometry, const TileArray& faces, const TilePresence& present,
                 const SolverLimits& limits);

    SolverAnswer Run();

private:
    enum class Outcome { Cleared, Lost, Stopped };

    struct Taken {
        SolverMove Move;
        std::int8_t PairingBefore;
    };

    struct Choice {
        std::int8_t Pairing;
        std::int32_t Score;
    };

    enum class Look { Lost, Settled, Choose };

    bool Stopped()
    {
        if ((limits_.Cancel && limits_.Cancel->load(std::memory_order_relaxed)) ||
            std::chrono::steady_clock::now() >= deadline_)
            timeUp_ = true;
        return timeUp_;
    }

    bool PlayOutsClear(std::uint32_t count);

    // Small random tie-breaks for the runs after the first.
    std::int32_t Shake(std::int32_t range) { return shake_ ? std::int32_t(random_() % std::uint32_t(range)) : 0; }

    bool IsFree(std::int32_t tile) const { return board_.IsFree(tile, present_); }

    // The position: tiles taken and put back, pairings settled and ruled out (SolverSearch.cpp).
    void Take(std::int32_t first, std::int32_t second);
    void TakeBackTo(std::size_t length);
    bool TakeSettledPairs();
    SearchKey Key() const;
    std::int32_t Weight(std::int32_t tile) const;
    bool Survives(std::int32_t group, std::int8_t pairing);
    bool IsKnownLost(const SearchKey& key, bool again);
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
    void UndoTo(std::size_t length, std::size_t trail);

    // The search over it (Solver.cpp).
    Look LookAround(std::int32_t& best, std::array<Choice, 4>& choices);
    Outcome Explore();

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

} // namespace tessaron
