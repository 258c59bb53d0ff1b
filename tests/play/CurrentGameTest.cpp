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
    EXPECT_EQ(next.View.Kind, OriginKind::SavedGame);
    EXPECT_EQ(next.Sound.Events, std::vector<std::int32_t>{SoundRestartGame});
    EXPECT_EQ(next.View.VisibleCount(), 144);
    EXPECT_EQ(next.View.TileCount, 144);
    EXPECT_EQ(next.Model.AvailableCommands(), (CommandAvailability{.TimingOption = true, .Hint = true}));
}

TEST(CurrentGame, ResumedDealKeepsItsOrigin)
{
    PlayBench bench;
    bench.Start();
    bench.Model.StartLoadedDeal(bench.Deal.Faces, "Puzzle");
    EXPECT_EQ(bench.View.Kind, OriginKind::Origin);
    bench.Model.GameSave();
    bench.Model.ResumeSavedGame();
    EXPECT_EQ(bench.View.Kind, OriginKind::Origin);
    EXPECT_EQ(bench.View.Origin, "Puzzle");
}

TEST(CurrentGame, DamagedStoredGameGivesANewDealSilently)
{
    PlayBench bench;
    std::string record = ConvertTilesToString(bench.Deal.Faces, bench.Report.Errors);
    for (const std::string& damaged : {record.substr(1), record + "!", std::string(144, '!'), std::string()}) {
        bench.Store.Write("Board", "Game", damaged);
        bench.Sound.Clear();
        const int builds = bench.Deals.Builds;
        bench.Model.ResumeSavedGame();
        EXPECT_EQ(bench.Deals.Builds, builds + 1);
        EXPECT_EQ(bench.Sound.Events, std::vector<std::int32_t>{SoundNewGame});
        EXPECT_EQ(bench.View.Kind, OriginKind::NewGame);
    }
    EXPECT_TRUE(bench.Report.Box.Boxes.empty());
}

TEST(CurrentGame, SolvedGameIsNotKeptForTheNextRun)
{
    PlayBench bench;
    bench.Store.Write("Board", "GameOrigin", "old");
    bench.Start();
    for (int k = 72; k >= 1; --k) bench.MovePair(k);
    bench.Model.GameSave();
    EXPECT_EQ(Stored(bench, "Game"), std::nullopt);
    EXPECT_EQ(Stored(bench, "GameOrigin"), std::nullopt);
}

TEST(CurrentGame, ClosingBeforeTheFirstDealKeepsTheStoredGame)
{
    PlayBench bench;
    bench.Store.Write("Board", "Game", "kept");
    bench.Model.GameSave();
    EXPECT_EQ(Stored(bench, "Game"), "kept");
}

} // namespace
} // namespace tessaron
