// Peek mode, and the two ways single lifts could break the pairs that undo and redo rely on
// (random play on the board window checks the pairs after every action).
#include "PlayBench.h"

#include "board/Rules.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

class PeekMode : public ::testing::Test {
protected:
    void SetUp() override { bench.Start(); }
    PlayBench bench;
    Play& model = bench.Model;
};

// The Peek button pressed outside peek mode arms peek mode like the menu command, so a
// single lift never leaves undo working on an odd removal list.
TEST_F(PeekMode, PeekButtonOutsidePeekModeArmsPeekModeAndResetsTheClock)
{
    bench.Clock.ToggleTimingActive(bench.Settings);
    bench.MovePair(72);
    bench.Time.AdvanceSeconds(3);
    bench.Timer.Tick();
    ASSERT_EQ(bench.View.TimeGone, "3s");

    model.SelectTile(bench.Deal.Pair(71).first);
    model.Peek();
    EXPECT_TRUE(model.PeekMode());
    EXPECT_EQ(model.RemovedCount(), 3);
    EXPECT_FALSE(model.AvailableCommands().Undo);
    EXPECT_FALSE(bench.Timer.IsActive());
    EXPECT_EQ(bench.View.TimeGone, "");
}

// After an undo, a peek and a restart, the entry behind the recorded moves is no longer a
// move: redo must not take a single tile off.
TEST_F(PeekMode, RedoStopsAtEntriesThatAreNoLongerAMove)
{
    bench.MovePair(72);
    bench.MovePair(71);
    model.UndoLastMove();
    const std::int32_t partner = bench.Deal.Pair(71).first;
    std::int32_t stranger = 0;
    for (std::int32_t tile = 1; tile <= TileCount && stranger == 0; ++tile)
        if (model.IsPresent(tile) && !model.IsLocked(tile) && TilesAreNotMatching(model.TileFaces(), tile, partner))
            stranger = tile;
    ASSERT_NE(stranger, 0);
    model.SelectTile(stranger);
    model.Peek();
    model.RestartGame();

    model.RedoNextMove();  // the first move is intact
    ASSERT_EQ(model.RemovedCount(), 2);
    EXPECT_FALSE(model.AvailableCommands().Redo);
    model.RedoNextMove();
    EXPECT_EQ(model.RemovedCount(), 2);
    EXPECT_TRUE(bench.View.Visible[stranger]);
    EXPECT_TRUE(bench.View.Visible[partner]);
}

} // namespace
} // namespace tessaron
