#pragma once
// Builds solvable deals backwards: the 72 face pairs are put in order first, then placed
// pair by pair into positions that are legal to fill at that moment, starting the
// placement again from the empty table (same pair order) whenever it runs into a dead end.
// Removing the pairs in reverse insertion order therefore always clears the board.
#include "board/BoardGeometry.h"
#include "board/RandomSource.h"
#include "board/TileTypes.h"
#include "shell/ErrorReport.h"

#include <cstdint>

namespace tessaron {

// Receives the progress of a build: ShowStep(0) once at the start, 1 per face pair,
// 2 per placement attempt, 3 per tile placed, and a negative step when finished.
// In show mode the observer also sees the board emptied and every tile as it is placed.
class GameCreateObserver {
public:
    virtual ~GameCreateObserver() = default;
    virtual void ShowStep(std::int32_t level) = 0;
    virtual void HideTiles() {}
    virtual void DrawPlacedTile(std::int32_t /*tile*/) {}
};

// A whole number from lower to lower + range - 1 that differs from exclude if possible
// (up to 101 draws; then the last draw plus 1, wrapped to lower).
std::int32_t FindRandomLong(RandomSource& random, std::int32_t range, std::int32_t lower, std::int32_t exclude);

class GameCreator {
public:
    GameCreator(const BoardGeometry& geometry, RandomSource& random, ErrorReport& errors);

    // Fills faces with a new deal. The caller raises the new-game sound and clears the
    // origin text first. Failures are reported under frmBoard.GameCreate; a failed build
    // leaves faces as they were and still reports the finished step.
    void GameCreate(TileArray& faces, GameCreateObserver& observer, bool gameCreateShow);

    // A build without progress reports that gives up after attemptLimit placement attempts
    // (false, faces then undefined): how a layout is tried before it is admitted.
    bool GameCreateWithin(TileArray& faces, std::int32_t attemptLimit);

    // The pair sequence of the last build: entries 2k-1 and 2k are pair k.
    const TileArray& PairSequence() const { return pairSequence_; }
    // The positions of the last successful attempt in insertion order (1..144).
    const TileArray& InsertionOrder() const { return insertionOrder_; }
    std::int32_t LastAttemptCount() const { return lastAttemptCount_; }

    // A randomly chosen legal empty position, or 0 if there is none. pairedTile is 0 for
    // the first tile of a pair, else the position of the first tile.
    std::int32_t GameCreateFindInsertLocation(const TileArray& faces, std::int32_t pairedTile);

    bool TilesAboveAreAllEmpty(const TileArray& faces, std::int32_t tile) const;
    bool TilesBelowAreAllFilled(const TileArray& faces, std::int32_t tile) const;
    bool TileLineIsEmptyLeftHand(const TileArray& faces, std::int32_t tile) const;
    bool TileLineIsEmptyRightHand(const TileArray& faces, std::int32_t tile) const;
    bool TileWontCloseAGapLeftHand(const TileArray& faces, std::int32_t tile) const;
    bool TileWontCloseAGapRightHand(const TileArray& faces, std::int32_t tile) const;

private:
    void BuildPairSequence(GameCreateObserver& observer);
    // One placement from the empty table; false when no legal position is left.
    bool PlacementAttempt(TileArray& faces, GameCreateObserver& observer, bool gameCreateShow);

    const BoardGeometry& geometry_;
    RandomSource& random_;
    ErrorReport& errors_;
    TileArray pairSequence_{};
    TileArray insertionOrder_{};
    std::int32_t lastAttemptCount_ = 0;
};

} // namespace tessaron
