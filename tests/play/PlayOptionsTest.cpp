// The ways of play beyond the classic ones (all off is checked by every other test here),
// and the position kept between two runs: its text form, the damaged texts it refuses and
// the board it puts back.
#include "PlayBench.h"

#include "board/Rules.h"
#include "records/GameRecord.h"
#include "records/ProgressRecord.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

// Both ways on one known pair: the click that completes it must do exactly what Do move
// does after it, in sounds, clock, removal list and board.
TEST(PlayOptions, PairOnSecondClickTakesThePairAsDoMoveDoes)
{
    PlayBench classic, quick;
    for (PlayBench* bench : {&classic, &quick}) {
        bench->Clock.ToggleTimingActive(bench->Settings);
        bench->Start();
    }
    quick.Model.SetOptions({.PairOnSecondClick = true});
    const auto [first, second] = classic.Deal.Pair(72);
    for (PlayBench* bench : {&classic, &quick}) {
        bench->Model.SelectTile(first);
        bench->Model.SelectTile(second);
    }
    EXPECT_EQ(classic.Model.RemovedCount(), 0) << "off: the pair waits for Do move";
    EXPECT_EQ(classic.Model.SelectedTile2(), second);
    classic.Model.DoMove();
    EXPECT_EQ(quick.Sound.Events, classic.Sound.Events);
    EXPECT_EQ(quick.Timer.Starts, 1);
    EXPECT_EQ(quick.Model.RemovedTiles(), classic.Model.RemovedTiles());
    EXPECT_EQ(quick.View.Visible, classic.View.Visible);
    EXPECT_EQ(quick.View.TileCount, 142);

    // Redo and a hint select through the classic rules: redo keeps its list and a hint
    // leaves its pair selected for the player to take.
    quick.MovePair(71);
    quick.Model.UndoLastMove();
    quick.Model.UndoLastMove();
    quick.Model.RedoNextMove();
    quick.Model.RedoNextMove();
    EXPECT_EQ(quick.Model.RemovedCount(), 4);
    quick.Model.UndoLastMove();
    quick.Model.SelectPair(quick.Deal.Pair(71).first, quick.Deal.Pair(71).second);
    EXPECT_EQ(quick.Model.RemovedCount(), 2);
    EXPECT_TRUE(quick.Model.AvailableCommands().DoMove);
}

// Tile 88 selected, then a click on the free tile 1 of another face (and, on the way, on a
// locked tile, which stays refused either way).
TEST(PlayOptions, ClickMovesSelectionSelectsAFreeTileThatDoesNotMatch)
{
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on);
        PlayBench bench;
        bench.Deals.Deals.push_back(ThreeFreeOfOneFace(bench.Deal.Faces));
        bench.Start();
        bench.Model.SetOptions({.ClickMovesSelection = on});
        bench.Model.SelectTile(88);
        EXPECT_FALSE(bench.Model.SelectTile(2));
        EXPECT_EQ(bench.Model.SelectTile(1), on);
        EXPECT_EQ(bench.Model.SelectedTile1(), on ? 1 : 88);
        EXPECT_EQ(bench.Sound.Events.back(), on ? SoundTileSelected : SoundTileLocked);
        // Two selected: the new tile replaces both.
        bench.Model.SelectPair(88, 114);
        EXPECT_EQ(bench.Model.SelectTile(1), on);
        EXPECT_EQ(bench.Model.SelectedTile1(), on ? 1 : 88);
        EXPECT_EQ(bench.Model.SelectedTile2(), on ? 0 : 114);
        EXPECT_EQ(bench.Model.PeekMode(), false);
    }
}

// A game played on for a while: three moves, one undone, a tile selected, 75 s on the clock.
struct PlayedGame {
    PlayedGame()
    {
        bench.Clock.ToggleTimingActive(bench.Settings);
        bench.Start();
        for (int k : {72, 71, 70}) bench.MovePair(k);
        bench.Model.UndoLastMove();
        bench.Model.SelectTile(bench.Deal.Pair(70).first);
        progress = bench.Model.Progress();
        progress.GameTime = 75 / 86400.0;
    }
    PlayBench bench;
    GameProgress progress;
};

// The next run on the same store resumes the deal and then the kept position, with undo,
// redo and the selection; "Game" and "GameOrigin" are written as without it.
TEST(KeptProgress, SurvivesTheNextRunWithUndoRedoAndTheSelection)
{
    PlayedGame game;
    PlayBench& bench = game.bench;
    bench.Model.GameSave();
    SaveGameProgress(bench.Settings, game.progress);
    EXPECT_EQ(bench.Store.Values().at({"Board", "Game"}), ConvertTilesToString(bench.Deal.Faces, bench.Report.Errors));
    EXPECT_EQ(bench.Store.Values().at({"Board", "ProgressTime"}), "000115");
    // Without shuffles the progress is written as before they were kept.
    EXPECT_EQ(bench.Store.Values().count({"Board", "ProgressShuffles"}), 0u);

    PlayBench next;
    next.Store = bench.Store;
    next.Model.ResumeSavedGame();
    const std::optional<GameProgress> kept = LoadGameProgress(next.Settings, next.Geometry, next.Model.TileFaces());
    ASSERT_TRUE(kept);
    EXPECT_EQ(*kept, game.progress);
    ASSERT_TRUE(next.Model.RestoreProgress(*kept));
    EXPECT_EQ(next.View.Visible, bench.View.Visible);
    EXPECT_EQ(next.View.TileCount, 140);
    EXPECT_EQ(next.Model.SelectedTile1(), bench.Model.SelectedTile1());
    next.Model.RedoNextMove();
    EXPECT_EQ(next.Model.RemovedCount(), 6);
    next.Model.UndoLastMove();
    next.Model.UndoLastMove();
    EXPECT_EQ(next.Model.RemovedCount(), 2);

    // A finished position keeps nothing.
    SaveGameProgress(bench.Settings, std::nullopt);
    EXPECT_EQ(bench.Store.Values().count({"Board", "Progress"}), 0u);
    EXPECT_EQ(bench.Store.Values().count({"Board", "ProgressTime"}), 0u);
}

// Peek mode lifts any tile, a locked one too, and stays on after the next start.
TEST(KeptProgress, PeekModeComesBackWithItsLifts)
{
    PlayBench bench;
    bench.Start();
    bench.MovePair(72);
    bench.Model.SelectTile(bench.Deal.Pair(71).first);
    bench.Model.Peek();
    bench.Model.SelectTile(2);  // under the top tile
    bench.Model.Peek();
    const GameProgress lifted = bench.Model.Progress();
    const auto decoded = DecodeProgress(EncodeProgress(lifted), "000000", bench.Geometry, bench.Deal.Faces);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, lifted);
    EXPECT_EQ(decoded->RemovedCount, 4);
    EXPECT_TRUE(decoded->PeekMode);
}

// Each damage refuses the whole progress, so the deal starts from the full board.
TEST(KeptProgress, DamagedOrImpossibleTextsAreRefusedAsAWhole)
{
    PlayedGame game;
    const BoardGeometry& geometry = game.bench.Geometry;
    const TileArray& faces = game.bench.Deal.Faces;
    const std::string good = EncodeProgress(game.progress);  // "4,6,0,0,t,0;a,b,c,d,e,f"
    ASSERT_TRUE(DecodeProgress(good, "000115", geometry, faces));
    const auto [a1, a2] = game.bench.Deal.Pair(72);
    const auto [b1, b2] = game.bench.Deal.Pair(71);
    const auto [c1, c2] = game.bench.Deal.Pair(70);
    const auto list = [](std::initializer_list<std::int32_t> tiles) {
        std::string text;
        for (std::int32_t t : tiles) text += (text.empty() ? "" : ",") + std::to_string(t);
        return text;
    };
    std::int32_t mismatch = 0;  // a free tile that does not match b1
    for (std::int32_t t = 1; t <= TileCount && mismatch == 0; ++t)
        if (t != a1 && t != a2 && TilesAreNotMatching(faces, t, b1)) mismatch = t;
    const std::string moves = list({a2, a1, b2, b1, c2, c1});
    struct Case {
        const char* What;
        std::string Progress;
        std::string Time;
    };
    for (const Case& c : std::vector<Case>{
             {"no separator", "4,6,0,0,0,0", "000115"},
             {"a list too short", "4,6,0,0,0,0;" + list({a2, a1, b2, b1, c2}), "000115"},
             {"a list too long", "4,6,0,0,0,0;" + moves + ",1", "000115"},
             {"pairs out of play order", "4,6,0,0,0,0;" + list({c2, c1, b2, b1, a2, a1}), "000115"},
             {"a pair that does not match", "2,2,0,0,0,0;" + list({mismatch, b1}), "000115"},
             {"a tile taken twice", "4,4,1,0,0,0;" + list({a2, a1, a1, b1}), "000115"},
             {"a count beyond the board", "146,146,1,0,0,0;" + moves, "000115"},
             {"an odd count outside peek mode", "3,6,0,0,0,0;" + moves, "000115"},
             {"a count past the redo mark", "6,4,0,0,0,0;" + moves, "000115"},
             {"a position off the board", "2,2,0,0,0,0;145,1", "000115"},
             {"a locked tile selected", "0,0,0,0,2,0;", "000115"},
             {"a selected pair that does not match", "0,0,0,0," + list({b1, mismatch}) + ";", "000115"},
             {"a flag that is not 0 or 1", "4,6,2,0,0,0;" + moves, "000115"},
             {"a header of five fields", "4,6,0,0,0;" + moves, "000115"},
             {"a sign", "4,+6,0,0,0,0;" + moves, "000115"},
             {"a leading zero", "04,6,0,0,0,0;" + moves, "000115"},
             {"a trailing comma", "4,6,0,0,0,0;" + moves + ",", "000115"},
             {"no time", "4,6,0,0,0,0;" + moves, ""},
             {"a time out of range", "4,6,0,0,0,0;" + moves, "006015"},
             {"a time that is not digits", "4,6,0,0,0,0;" + moves, "00a115"},
         }) {
        EXPECT_FALSE(DecodeProgress(c.Progress, c.Time, geometry, faces)) << c.What;
    }
}

// The move model replays a progress itself: one it is handed directly that the rules do
// not allow, or one for a deal that was not resumed, leaves the board as it was.
TEST(KeptProgress, RestoreRefusesAnIllegalPositionAndAnotherDeal)
{
    PlayedGame game;
    PlayBench next;
    next.Store = game.bench.Store;
    next.Model.ResumeSavedGame();
    GameProgress swapped = game.progress;
    std::swap(swapped.RemovedTiles[1], swapped.RemovedTiles[5]);
    std::swap(swapped.RemovedTiles[2], swapped.RemovedTiles[6]);
    EXPECT_FALSE(next.Model.RestoreProgress(swapped));
    EXPECT_EQ(next.View.VisibleCount(), 144);
    EXPECT_EQ(next.Model.RemovedCountMax(), 0);

    next.Start();  // a new deal: the kept progress is not its own
    EXPECT_FALSE(next.Model.RestoreProgress(game.progress));
    EXPECT_EQ(next.View.VisibleCount(), 144);
    EXPECT_TRUE(next.Report.Box.Boxes.empty());
}

} // namespace
} // namespace tessaron
