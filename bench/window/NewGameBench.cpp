// "New Game" chosen from the menu until the new deal is on the screen: the deal is built
// while the progress window shows and counts its steps (processing events at each step),
// the board draws the 144 tiles, and the event loop's next turn paints them.
#include "BoardWindowBench.h"
#include "WindowBenches.h"

#include "board/BoardGeometry.h"
#include "board/DealDifficulty.h"
#include "board/GameCreator.h"

#include <benchmark/benchmark.h>

#include <QPointer>

#include <algorithm>

namespace tessaron {

namespace {

constexpr int NewGameRuns = 40;

void NewGame(benchmark::State& state, BoardWindowBench& bench)
{
    QAction* newGame = bench.Action("mnuFileNewGame");
    for (auto _ : state) {
        BoardWindowBench::CloseProgressWindows();
        bench.Paints.Reset();
        const auto start = std::chrono::steady_clock::now();
        newGame->trigger();
        // What the event loop does right after the command: paint what was marked dirty.
        QCoreApplication::processEvents();
        const double seconds = SecondsSince(start);
        if (bench.Paints.AllTiles < TileCount || bench.Paints.ProgressWindow == 0) {
            state.SkipWithError("the new deal or the progress window was not painted");
            break;
        }
        state.SetIterationTime(seconds);
    }
    BoardWindowBench::CloseProgressWindows();
}

// Game › New game by difficulty › band state.range(0) until the deal is on the screen: numbered
// deals are built and rated under one progress window until one rates in the band. The start
// number comes from the window's random source, so each repetition searches elsewhere.
void NewGameOfBand(benchmark::State& state, BoardWindowBench& bench)
{
    const std::string item = "mnuGameDifficulty_" + std::to_string(state.range(0));
    QAction* newGame = bench.Action(item.c_str());
    for (auto _ : state) {
        BoardWindowBench::CloseProgressWindows();
        bench.Paints.Reset();
        const std::int32_t before = bench.Board->Deals().Identity().Number;
        const auto start = std::chrono::steady_clock::now();
        newGame->trigger();
        QCoreApplication::processEvents();
        const double seconds = SecondsSince(start);
        const BoardDeals& deals = bench.Board->Deals();
        if (deals.Identity().Number == before || deals.Identity().Band != DealBand(state.range(0)) ||
            bench.Paints.AllTiles < TileCount) {
            state.SkipWithError("no deal of the band was put on the board");
            break;
        }
        state.SetIterationTime(seconds);
    }
    BoardWindowBench::CloseProgressWindows();
}

// The build alone with its progress window and no board: shows what the window costs over
// the bare build of the core benchmark.
void DealWithProgressWindow(benchmark::State& state, BoardWindowBench& bench)
{
    BoardGeometry geometry(bench.Report.Errors);
    geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f);
    SeededRandomSource random(7);
    GameCreator creator(geometry, random, bench.Report.Errors);
    TileArray faces{};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QPointer<frmGame> progress = new frmGame(bench.Texts, bench.Report.Errors, bench.Board.get(), [] {});
        creator.GameCreate(faces, *progress, false);
        QCoreApplication::processEvents();
        state.SetIterationTime(SecondsSince(start));
        BoardWindowBench::CloseProgressWindows();
    }
}

} // namespace

void RegisterNewGameBenchmarks(BoardWindowBench& bench)
{
    benchmark::RegisterBenchmark(BenchmarkName("NewGame").c_str(), [&bench](benchmark::State& state) { NewGame(state, bench); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(NewGameRuns)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark(BenchmarkName("NewGameOfBand").c_str(),
                                 [&bench](benchmark::State& state) { NewGameOfBand(state, bench); })
        ->DenseRange(0, DealBandCount - 1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(NewGameRuns)
        ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark(BenchmarkName("DealWithProgressWindow").c_str(),
                                 [&bench](benchmark::State& state) { DealWithProgressWindow(state, bench); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(NewGameRuns)
        ->ReportAggregatesOnly(true);
}

} // namespace tessaron
