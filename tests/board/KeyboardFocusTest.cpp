#include "board/KeyboardFocus.h"
#include "board/Rules.h"
#include "StandardBoard.h"

#include <gtest/gtest.h>

#include <array>
#include <queue>
#include <random>
#include <vector>

namespace tessaron {
namespace {

constexpr std::array<FocusDirection, 4> Directions{FocusDirection::Left, FocusDirection::Right, FocusDirection::Up,
                                                   FocusDirection::Down};

// How far the picture of to lies from that of from in direction, in board units.
int Along(const BoardGeometry& geometry, std::int32_t from, std::int32_t to, FocusDirection direction)
{
    const PixelPlace& a = geometry.Place(from);
    const PixelPlace& b = geometry.Place(to);
    switch (direction) {
    case FocusDirection::Left: return a.Left - b.Left;
    case FocusDirection::Right: return b.Left - a.Left;
    case FocusDirection::Up: return a.Top - b.Top;
    case FocusDirection::Down: return b.Top - a.Top;
    }
    return 0;
}

// Every position the arrow keys reach from start.
std::vector<bool> Reachable(const BoardGeometry& geometry, const TilePresence& candidates, std::int32_t start)
{
    std::vector<bool> seen(TileCount + 1, false);
    std::queue<std::int32_t> open;
    open.push(start);
    seen[start] = true;
    while (!open.empty()) {
        const std::int32_t tile = open.front();
        open.pop();
        for (FocusDirection direction : Directions) {
            const std::int32_t next = NextFocusTile(geometry, candidates, tile, direction);
            if (!seen[next]) {
                seen[next] = true;
                open.push(next);
            }
        }
    }
    return seen;
}

// Tiles leave the board one free tile at a time, in a random order, as peeks and moves
// take them; at every step the arrows must stay on free tiles, go the way they point,
// stop only at the edge of what is free, and reach every free tile.
TEST(KeyboardFocus, ArrowsStayOnFreeTilesGoTheirWayAndReachEveryFreeTile)
{
    StandardBoard board;
    const BoardGeometry& geometry = board.Geometry;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        std::mt19937_64 random(seed);
        TilePresence present = AllPresent();
        for (int step = 0; step < TileCount; ++step) {
            const TilePresence candidates = FocusCandidates(geometry, present);
            std::vector<std::int32_t> free;
            for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
                ASSERT_EQ(candidates[tile], present[tile] && !TileIsLocked(geometry, present, tile)) << tile;
                if (candidates[tile]) free.push_back(tile);
            }
            ASSERT_FALSE(free.empty());
            for (std::int32_t tile : free) {
                for (FocusDirection direction : Directions) {
                    const std::int32_t next = NextFocusTile(geometry, candidates, tile, direction);
                    ASSERT_TRUE(candidates[next]) << "seed " << seed << " tile " << tile << " to " << next;
                    if (direction == FocusDirection::Right && next != tile) {
                        // Like reading: on along the row, else on a row further down; Left goes back.
                        const TileLocation& from = geometry.Location(tile);
                        const TileLocation& to = geometry.Location(next);
                        EXPECT_TRUE(to.Y > from.Y || (to.Y == from.Y && Along(geometry, tile, next, direction) > 0))
                            << tile << " to " << next;
                        EXPECT_EQ(NextFocusTile(geometry, candidates, next, FocusDirection::Left), tile);
                    }
                    if (direction == FocusDirection::Left || direction == FocusDirection::Right) continue;
                    if (next != tile) {
                        EXPECT_GT(Along(geometry, tile, next, direction), 4) << tile << " to " << next;
                        continue;
                    }
                    // Staying put: no free tile lies a clear step that way.
                    for (std::int32_t other : free)
                        EXPECT_LT(Along(geometry, tile, other, direction), 13) << tile << " missed " << other;
                }
            }
            const std::vector<bool> seen = Reachable(geometry, candidates, free.front());
            for (std::int32_t tile : free) EXPECT_TRUE(seen[tile]) << "seed " << seed << " unreachable " << tile;

            // The focus leaves a tile that goes, for a free tile nearby.
            const std::int32_t gone = free[random() % free.size()];
            present[gone] = false;
            const TilePresence after = FocusCandidates(geometry, present);
            const std::int32_t home = NearestFocusTile(geometry, after, gone);
            if (step + 1 < TileCount) {
                ASSERT_TRUE(after[home]) << gone;
                EXPECT_EQ(NextFocusTile(geometry, after, gone, FocusDirection::Left), home);
            } else {
                EXPECT_EQ(home, 0);
            }
        }
    }
}

// The first arrow starts on the top tile; Left and Right read the rows from the top left
// corner to the bottom right one and go on from a row's end to the next row.
TEST(KeyboardFocus, HomeIsTheTopTileAndTheRowsReadLikeText)
{
    StandardBoard board;
    const TilePresence candidates = FocusCandidates(board.Geometry, AllPresent());
    EXPECT_EQ(NearestFocusTile(board.Geometry, candidates, 0), 1);
    EXPECT_EQ(NextFocusTile(board.Geometry, candidates, 133, FocusDirection::Left), 133);
    EXPECT_EQ(NextFocusTile(board.Geometry, candidates, 144, FocusDirection::Right), 125);
    EXPECT_EQ(NextFocusTile(board.Geometry, candidates, 69, FocusDirection::Right), 69);
    EXPECT_EQ(NextFocusTile(board.Geometry, candidates, 88, FocusDirection::Right), 1);
    EXPECT_EQ(NextFocusTile(board.Geometry, candidates, 113, FocusDirection::Right), 114);  // 113 is locked
}

} // namespace
} // namespace tessaron
