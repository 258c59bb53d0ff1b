// The deal kept between two runs, and the start of every game.
#include "PlayBench.h"

#include "records/GameRecord.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

std::optional<std::string> Stored(const PlayBench& bench, const std::string& key)
{
    const auto found = bench.Store.Values().find({"Board", key});
    if (found == bench.Store.Values().end()) return std::nullopt;
    return found->second;
}

// (Origin and sound of a resumed game are checked on the board window.)
TEST(CurrentGame, ClosingAndStartingAgainResumesTheSameDealFromTheFullBoard)
{
    PlayBench bench;
    bench.Start();
    bench.MovePair(72);
    bench.Model.GameSave();
    EXPECT_EQ(Stored(bench, "Game"), ConvertTilesToString(bench.Deal.Faces, bench.Report.Errors));
    EXPECT_EQ(Stored(bench, "GameOrigin"), std::nullopt);

    PlayBench next;  // the next run, on the same store
    next.Store = bench.Store;
    next.Model.ResumeSavedGame();
    EXPECT_EQ(next.Model.TileFaces(), bench.Deal.Faces);
    EXPECT_EQ(next.Deals.Builds, 0);
    EXPECT_EQ(next.View.VisibleCount(), 144);
    EXPECT_EQ(next.View.TileCount, 144);
    EXPECT_EQ(next.Model.AvailableCommands(), (CommandAvailability{.TimingOption = true, .Hint = true}));
}

// Closing before the first deal leaves the stored game alone; a solved game is not kept.
TEST(CurrentGame, OnlyAStartedUnsolvedGameReplacesTheStoredOne)
{
    PlayBench bench;
    bench.Store.Write("Board", "Game", "kept");
    bench.Store.Write("Board", "GameOrigin", "old");
    bench.Model.GameSave();
    EXPECT_EQ(Stored(bench, "Game"), "kept");
    bench.Start();
    for (int k = 72; k >= 1; --k) bench.MovePair(k);
    bench.Model.GameSave();
    EXPECT_EQ(Stored(bench, "Game"), std::nullopt);
    EXPECT_EQ(Stored(bench, "GameOrigin"), std::nullopt);
}

} // namespace
} // namespace tessaron
