// Selecting tiles, making moves, undo, redo, restart and peek mode on a deal whose solution
// is known.
#include "PlayBench.h"

#include "board/Rules.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaron {
namespace {

class Moves : public ::testing::Test {
protected:
    void SetUp() override { bench.Start(); }
    PlayBench bench;
    Play& model = bench.Model;
};

// (The selected look of each tile is checked after every action of random play on the
// board window.)
TEST_F(Moves, SelectionRefusesDeselectsAndReplacesWithItsSounds)
{
    bench.Deals.Deals.push_back(ThreeFreeOfOneFace(bench.Deal.Faces));  // 88, 114, 144; 1 differs
    bench.Start();
    EXPECT_FALSE(model.SelectTile(2));  // under the top tile
    EXPECT_EQ(model.SelectedTile1(), 0);
    ASSERT_TRUE(model.SelectTile(88));
    EXPECT_FALSE(model.SelectTile(1));  // free, but another face
    EXPECT_TRUE(model.SelectTile(114));
    // A third matching tile replaces the second.
    EXPECT_TRUE(model.SelectTile(144));
    EXPECT_EQ(model.SelectedTile2(), 144);
    // Clicking the first tile again makes the second the first.
    EXPECT_TRUE(model.SelectTile(88));
    EXPECT_EQ(model.SelectedTile1(), 144);
    EXPECT_EQ(model.SelectedTile2(), 0);
    EXPECT_EQ(bench.Sound.Events, (std::vector<std::int32_t>{SoundTileLocked, SoundTileSelected, SoundTileLocked,
                                                             SoundTileSelected, SoundTileSelected, SoundTileSelected}));
}

// Undo shows the first-selected tile again before its partner. (Which commands are available
// in each state is checked after every action of random play on the board window.)
TEST_F(Moves, SecondSelectedTileIsRecordedFirstAndUnavailableCommandsChangeNothing)
{
    model.DoMove();
    model.Peek();
    model.UndoLastMove();
    model.RedoNextMove();
    model.RestartGame();
    EXPECT_EQ(bench.View.VisibleCount(), 144);
    EXPECT_TRUE(bench.Sound.Events.empty());

    const auto [first, second] = bench.Deal.Pair(72);
    bench.Move(first, second);
    EXPECT_EQ(model.RemovedTiles()[1], second);
    EXPECT_EQ(model.RemovedTiles()[2], first);
    EXPECT_EQ(bench.View.TileCount, 142);
    EXPECT_EQ(bench.Sound.Events.back(), SoundTileRemoval);
    bench.View.Draws.clear();
    model.UndoLastMove();
    EXPECT_EQ(bench.View.Draws, (std::vector<std::int32_t>{first, second}));
    EXPECT_EQ(bench.View.TileCount, 144);
    EXPECT_EQ(bench.Sound.Events.back(), SoundTileInsertion);
}

// Redo replays the undone moves, after an undo as after a restart; a new move after an
// undo drops the rest of the redo list.
TEST_F(Moves, RedoReplaysTheUndoneMovesUntilANewMove)
{
    for (int k : {72, 71, 70}) bench.MovePair(k);
    const TileArray removed = model.RemovedTiles();
    model.UndoLastMove();
    const TilePresence afterOneUndo = model.Presence();
    model.UndoLastMove();
    bench.Sound.Clear();
    model.RedoNextMove();
    EXPECT_EQ(bench.View.Visible, afterOneUndo);
    EXPECT_EQ(bench.Sound.Events, (std::vector<std::int32_t>{SoundTileSelected, SoundTileSelected, SoundTileRemoval}));

    model.RestartGame();
    EXPECT_EQ(bench.View.VisibleCount(), 144);
    EXPECT_EQ(bench.Sound.Events.back(), SoundRestartGame);
    for (int step = 0; step < 3; ++step) model.RedoNextMove();
    EXPECT_EQ(model.RemovedCount(), 6);
    EXPECT_FALSE(model.AvailableCommands().Redo);
    EXPECT_TRUE(std::equal(removed.begin(), removed.begin() + 7, model.RemovedTiles().begin()));
    EXPECT_EQ(bench.Timer.Starts, 0) << "the clock option is off";

    model.UndoLastMove();
    model.UndoLastMove();
    bench.MovePair(71);
    EXPECT_EQ(model.RemovedCountMax(), 4);
    EXPECT_FALSE(model.AvailableCommands().Redo);
}

// The Peek button pressed outside peek mode arms peek mode like the menu command, so a
// single lift never leaves undo working on an odd removal list.
TEST_F(Moves, PeekButtonOutsidePeekModeArmsPeekModeAndResetsTheClock)
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
TEST_F(Moves, RedoStopsAtEntriesThatAreNoLongerAMove)
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
    model.RedoNextMove();
    EXPECT_EQ(model.RemovedCount(), 2);
    EXPECT_FALSE(model.AvailableCommands().Redo);
    EXPECT_TRUE(bench.View.Visible[stranger]);
    EXPECT_TRUE(bench.View.Visible[partner]);
}

} // namespace
} // namespace tessaron
