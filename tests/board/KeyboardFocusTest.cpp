#include "board/KeyboardFocus.h"
#include "board/Rules.h"
#include "StandardBoard.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tessaron {
namespace {

// How far the picture of to lies below (Down) or above (Up) that of from, in board units.
int Along(const BoardGeometry& geometry, std::int32_t from, std::int32_t to, FocusDirection direction)
{
    const int down = geometry.Place(to).Top - geometry.Place(from).Top;
    return direction == FocusDirection::Down ? down : -down;
}

// Free tiles leave one at a time in random order, as peeks and moves take them; at every step
// the arrows stay on free tiles and go the way they point, Up and Down stop only at the edge
// of what is free, and Right alone reads every free tile like a text, Left going back.
TEST(KeyboardFocus, ArrowsStayOnFreeTilesGoTheirWayAndReachEveryFreeTile)
{
    StandardBoard board;
    const BoardGeometry& geometry = board.Geometry;
    // The first arrow starts on the top tile; from a locked tile an arrow goes to a free one.
    const TilePresence full = FocusCandidates(geometry, AllPresent());
    EXPECT_EQ(NearestFocusTile(geometry, full, 0), 1);
    EXPECT_EQ(NextFocusTile(geometry, full, 113, FocusDirection::Right), 114);

    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        std::mt19937_64 random(seed);
        TilePresence present = AllPresent();
        for (int step = 0; step < TileCount; ++step) {
            const TilePresence candidates = FocusCandidates(geometry, present);
            // In peek mode, where any tile in play can be lifted, the focus may rest on any.
            ASSERT_EQ(FocusCandidates(geometry, present, true), present);
            std::vector<std::int32_t> free;
            for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
                ASSERT_EQ(candidates[tile], present[tile] && !TileIsLocked(geometry, present, tile)) << tile;
                if (candidates[tile]) free.push_back(tile);
            }
            ASSERT_FALSE(free.empty());

            // Left as far as it goes, then Right to the end.
            std::int32_t tile = free.front();
            for (std::size_t i = 0; i < free.size(); ++i)
                tile = NextFocusTile(geometry, candidates, tile, FocusDirection::Left);
            std::size_t visited = 1;
            while (true) {
                const std::int32_t next = NextFocusTile(geometry, candidates, tile, FocusDirection::Right);
                if (next == tile) break;
                ASSERT_TRUE(candidates[next]) << "seed " << seed << " tile " << tile << " to " << next;
                // On along the row, else on a row further down: no tile is visited twice.
                const TileLocation& from = geometry.Location(tile);
                const TileLocation& to = geometry.Location(next);
                ASSERT_TRUE(to.Y > from.Y || (to.Y == from.Y && geometry.Place(next).Left > geometry.Place(tile).Left))
                    << tile << " to " << next;
                EXPECT_EQ(NextFocusTile(geometry, candidates, next, FocusDirection::Left), tile);
                tile = next;
                ++visited;
            }
            EXPECT_EQ(visited, free.size()) << "seed " << seed << ": Right missed a free tile";

            for (std::int32_t from : free) {
                for (FocusDirection direction : {FocusDirection::Up, FocusDirection::Down}) {
                    const std::int32_t next = NextFocusTile(geometry, candidates, from, direction);
                    ASSERT_TRUE(candidates[next]) << "seed " << seed << " tile " << from << " to " << next;
                    if (next != from) {
                        EXPECT_GT(Along(geometry, from, next, direction), 4) << from << " to " << next;
                        continue;
                    }
                    // Staying put: no free tile lies a clear step that way.
                    for (std::int32_t other : free)
                        EXPECT_LT(Along(geometry, from, other, direction), 13) << from << " missed " << other;
                }
            }

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

} // namespace
} // namespace tessaron
