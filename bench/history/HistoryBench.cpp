// What the statistics window costs with a long history: reading 10,000 games and working
// out every figure (target under 100 ms), opening the file, and keeping one game.
#include "board/DailyDeal.h"
#include "records/HistoryStatistics.h"
#include "records/SqliteGameHistory.h"
#include "PlayedGames.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace tessaron {
namespace {

// A history file of 10,000 games kept one by one as the game does, made once.
const std::string& FullHistoryPath()
{
    static QTemporaryDir folder;
    static const std::string path = [] {
        const std::string file = QDir(folder.path()).filePath(QStringLiteral("history.sqlite")).toStdString();
        StopOnHistoryTrouble trouble;
        SqliteGameHistory history(file, trouble);
        for (std::int32_t i = 0; i < HistoryGames; ++i) history.FinishGame(history.StartGame(PlayedGame(i)), PlayedGame(i));
        return file;
    }();
    return path;
}

void BM_HistoryStatistics10000(benchmark::State& state)
{
    StopOnHistoryTrouble trouble;
    SqliteGameHistory history(FullHistoryPath(), trouble);
    const std::int32_t today = *CalendarDay(2026, 6, 1);
    for (auto _ : state) {
        const std::vector<GameRow> games = history.Games();
        benchmark::DoNotOptimize(SummarizeHistory(games, today));
    }
}
BENCHMARK(BM_HistoryStatistics10000)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_HistoryOpen10000(benchmark::State& state)
{
    const std::string& path = FullHistoryPath();
    StopOnHistoryTrouble trouble;
    for (auto _ : state) {
        SqliteGameHistory history(path, trouble);
        benchmark::DoNotOptimize(history.Available());
    }
}
BENCHMARK(BM_HistoryOpen10000)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// Starting and finishing one game: the two transactions a game writes.
void BM_HistoryKeepOneGame(benchmark::State& state)
{
    QTemporaryDir folder;
    StopOnHistoryTrouble trouble;
    SqliteGameHistory history(QDir(folder.path()).filePath(QStringLiteral("h.sqlite")).toStdString(), trouble);
    std::int32_t i = 0;
    for (auto _ : state) {
        const GameRow game = PlayedGame(++i);
        history.FinishGame(history.StartGame(game), game);
    }
}
BENCHMARK(BM_HistoryKeepOneGame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
} // namespace tessaron
