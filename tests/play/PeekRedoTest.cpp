// Peek mode, and the two ways single lifts could break the pairs that undo and redo rely on.
#include "PlayBench.h"

#include "board/Rules.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tessaron {
namespace {

class PeekMode : public ::testing::Test {
protected:
    void SetUp() override { bench.Start(); }
    PlayBench bench;
    Play& model = bench.Model;
};

TEST_F(PeekMode, LockedTileCanBeLiftedAndRestartBringsEverythingBack)
{
    model.SelectTile(88);
    model.Peek();
    ASSERT_TRUE(model.PeekMode());
    EXPECT_TRUE(model.SelectTile(2));  // locked, but peek mode makes no lock test
    model.Peek();
    EXPECT_FALSE(bench.View.Visible[2]);
    EXPECT_EQ(model.RemovedCount(), 2);
    EXPECT_EQ(bench.View.TileCount, 144);  // a peek leaves the count as it was
    EXPECT_FALSE(model.AvailableCommands().Undo);
    EXPECT_FALSE(model.AvailableCommands().Redo);
    EXPECT_TRUE(model.AvailableCommands().Restart);

    model.RestartGame();
    EXPECT_FALSE(model.PeekMode());
    EXPECT_EQ(bench.View.VisibleCount(), 144);
    EXPECT_EQ(model.RemovedCount(), 0);
}

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

// A present free tile that matches the first selected one, so random play makes moves.
std::int32_t FreePartner(const Play& model)
{
    const std::int32_t first = model.SelectedTile1();
    for (std::int32_t tile = 1; first != 0 && tile <= TileCount; ++tile)
        if (tile != first && model.IsPresent(tile) && !model.IsLocked(tile) &&
            !TilesAreNotMatching(model.TileFaces(), first, tile))
            return tile;
    return 1;
}

std::int32_t RandomFreeTile(const Play& model, std::mt19937& pick)
{
    std::vector<std::int32_t> free;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (model.IsPresent(tile) && !model.IsLocked(tile)) free.push_back(tile);
    return free.empty() ? 1 : free[pick() % free.size()];
}

// Whatever the player does, undo and redo only ever see a removal list in pairs, and redo
// takes off two tiles or none.
TEST(PeekUndoRedoProperty, RemovalListStaysInPairsWheneverUndoOrRedoIsAvailable)
{
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        PlayBench bench(seed);
        bench.Start();
        Play& model = bench.Model;
        std::mt19937 pick(static_cast<std::uint32_t>(seed));
        int moves = 0;
        int peeks = 0;
        for (int step = 0; step < 1500; ++step) {
            const auto before = model.RemovedCount();
            const int action = static_cast<int>(pick() % 10);
            switch (action) {
            case 0: case 1: model.SelectTile(RandomFreeTile(model, pick)); break;
            case 2: case 3: model.SelectTile(FreePartner(model)); break;
            case 4: model.DoMove(); break;
            case 5: if (pick() % 3 == 0) model.Peek(); break;
            case 6: model.UndoLastMove(); break;
            case 7: model.RedoNextMove(); break;
            case 8: model.RestartGame(); break;
            default: model.SelectTile(1 + static_cast<std::int32_t>(pick() % TileCount)); break;
            }
            const CommandAvailability available = model.AvailableCommands();
            if (available.Undo || available.Redo) {
                ASSERT_EQ(model.RemovedCount() % 2, 0) << "seed " << seed << " step " << step;
            }
            if (action == 7) {
                ASSERT_TRUE(model.RemovedCount() == before || model.RemovedCount() == before + 2);
            }
            moves += action == 4 && model.RemovedCount() == before + 2 ? 1 : 0;
            peeks += action == 5 && model.RemovedCount() == before + 1 ? 1 : 0;
            ASSERT_EQ(bench.View.Visible, model.Presence());
        }
        EXPECT_TRUE(bench.Report.Box.Boxes.empty());
        EXPECT_GE(moves, 5) << "seed " << seed;  // the walk really plays
        EXPECT_GE(peeks, 3) << "seed " << seed;
    }
}

} // namespace
} // namespace tessaron
