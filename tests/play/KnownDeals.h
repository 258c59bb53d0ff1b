#pragma once
// Deals whose course the tests know: one built by the real generator with the order of its
// pairs, and hand-made ones that run into a dead end.
#include "board/BoardGeometry.h"
#include "board/GameCreator.h"
#include "board/RandomSource.h"
#include "board/TileTypes.h"
#include "shell/ErrorReport.h"

#include <cstdint>
#include <utility>

namespace tessaron {

struct SilentProgress final : GameCreateObserver {
    void ShowStep(std::int32_t) override {}
};

// A deal built by the real generator and the order in which its tiles were placed: taking
// the pairs off in reverse order clears the board.
struct KnownDeal {
    TileArray Faces{};
    TileArray InsertionOrder{};
    // Pair k (1..72) as (first, second) insertion positions.
    std::pair<std::int32_t, std::int32_t> Pair(int k) const
    {
        return {InsertionOrder[2 * k - 1], InsertionOrder[2 * k]};
    }
};

inline KnownDeal GenerateDeal(const BoardGeometry& geometry, ErrorReport& errors, std::uint64_t seed)
{
    SeededRandomSource random(seed);
    GameCreator creator(geometry, random, errors);
    SilentProgress progress;
    KnownDeal deal;
    creator.GameCreate(deal.Faces, progress, false);
    deal.InsertionOrder = creator.InsertionOrder();
    return deal;
}

// A valid deal that runs into a dead end after one move (88 and 114) or two (then 89 and
// 101): each of these pairs is the only free match at its turn.
TileArray DeadEndDeal(int movesBeforeDeadEnd);

// The deal with faces swapped so that the free positions 88, 114 and 144 share one face and
// the free top tile 1 has another; still a valid deal.
TileArray ThreeFreeOfOneFace(TileArray faces);

} // namespace tessaron
