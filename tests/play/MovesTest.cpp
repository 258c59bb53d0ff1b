// Selecting tiles, making moves, undo, redo and restart on a deal whose solution is known.
#include "PlayBench.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaron {
namespace {

class Selection : public ::testing::Test {
protected:
    void SetUp() override
    {
        bench.Deals.Deals.push_back(ThreeFreeOfOneFace(bench.Deal.Faces));  // 88, 114, 144; 1 differs
        bench.Start();
    }
    PlayBench bench;
    Play& model = bench.Model;
};

TEST_F(Selection, RefuseDeselectAndReplaceWithTheirSounds)
{
    EXPECT_FALSE(model.SelectTile(2));  // under the top tile
    EXPECT_EQ(model.SelectedTile1(), 0);
    ASSERT_TRUE(model.SelectTile(88));
    EXPECT_FALSE(model.SelectTile(1));  // free, but another face
    EXPECT_FALSE(bench.View.Bright[1]);
    EXPECT_TRUE(model.SelectTile(114));
    // A third matching tile replaces the second.
    EXPECT_TRUE(model.SelectTile(144));
    EXPECT_EQ(model.SelectedTile2(), 144);
    EXPECT_FALSE(bench.View.Bright[114]);
    EXPECT_TRUE(bench.View.Visible[114]);
    // Clicking the first tile again makes the second the first.
    EXPECT_TRUE(model.SelectTile(88));
    EXPECT_EQ(model.SelectedTile1(), 144);
    EXPECT_EQ(model.SelectedTile2(), 0);
    EXPECT_TRUE(bench.View.Bright[144]);
    EXPECT_FALSE(bench.View.Bright[88]);
    EXPECT_EQ(model.AvailableCommands(), (CommandAvailability{.Peek = true, .TimingOption = true, .Hint = true}));
    EXPECT_EQ(bench.Sound.Events, (std::vector<std::int32_t>{SoundTileLocked, SoundTileSelected, SoundTileLocked,
                                                             SoundTileSelected, SoundTileSelected, SoundTileSelected}));
}

class Moves : public ::testing::Test {
protected:
    void SetUp() override { bench.Start(); }
    PlayBench bench;
    Play& model = bench.Model;
};

TEST_F(Moves, SecondSelectedTileIsRecordedFirst)
{
    const auto [first, second] = bench.Deal.Pair(72);
    bench.Move(first, second);
    EXPECT_EQ(model.RemovedTiles()[1], second);
    EXPECT_EQ(model.RemovedTiles()[2], first);
    EXPECT_FALSE(bench.View.Visible[first]);
    EXPECT_FALSE(bench.View.Visible[second]);
    EXPECT_EQ(bench.View.TileCount, 142);
    EXPECT_EQ(bench.Sound.Events.back(), SoundTileRemoval);

    bench.View.Draws.clear();
    model.UndoLastMove();
    // Undo shows the first-selected tile again before its partner.
    EXPECT_EQ(bench.View.Draws, (std::vector<std::int32_t>{first, second}));
    EXPECT_EQ(bench.View.TileCount, 144);
    EXPECT_EQ(bench.Sound.Events.back(), SoundTileInsertion);
}

// Commands that are not available change nothing.
TEST_F(Moves, AvailabilityFollowsTheMoveState)
{
    EXPECT_EQ(model.AvailableCommands(), (CommandAvailability{.TimingOption = true, .Hint = true}));
    model.DoMove();
    model.Peek();
    model.UndoLastMove();
    model.RedoNextMove();
    model.RestartGame();
    EXPECT_EQ(model.RemovedCount(), 0);
    EXPECT_EQ(bench.View.VisibleCount(), 144);
    EXPECT_TRUE(bench.Sound.Events.empty());
    const auto [first, second] = bench.Deal.Pair(72);
    model.SelectTile(first);
    EXPECT_EQ(model.AvailableCommands(), (CommandAvailability{.Peek = true, .TimingOption = true, .Hint = true}));
    model.SelectTile(second);
    EXPECT_EQ(model.AvailableCommands(), (CommandAvailability{.DoMove = true, .TimingOption = true, .Hint = true}));
    model.DoMove();
    EXPECT_EQ(model.AvailableCommands(), (CommandAvailability{.Undo = true, .Restart = true, .Hint = true}));
    model.UndoLastMove();
    EXPECT_EQ(model.AvailableCommands(), (CommandAvailability{.Redo = true, .TimingOption = true, .Hint = true}));
    // No hint where no move can be made: in peek mode.
    model.SelectTile(first);
    model.Peek();
    EXPECT_EQ(model.AvailableCommands(), (CommandAvailability{.Restart = true}));
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
    EXPECT_EQ(model.Presence(), afterOneUndo);
    EXPECT_EQ(bench.View.Visible, afterOneUndo);
    EXPECT_EQ(bench.Sound.Events, (std::vector<std::int32_t>{SoundTileSelected, SoundTileSelected, SoundTileRemoval}));

    model.RestartGame();
    EXPECT_EQ(bench.View.VisibleCount(), 144);
    EXPECT_EQ(bench.View.TileCount, 144);
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

} // namespace
} // namespace tessaron
