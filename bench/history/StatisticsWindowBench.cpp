// Opening the statistics window over a history of 10,000 games (target under 100 ms): reading
// the rows from the SQLite file, working out the figures, filling the tables, the calendar
// and the chart, and showing the window once.
#include "PlayedGames.h"
#include "board/LayoutCatalog.h"
#include "doubles/DoubleServices.h"
#include "records/SqliteGameHistory.h"
#include "statistics/frmStatistics.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace tessaron {
namespace {

void BM_OpenStatisticsWindow10000(benchmark::State& state)
{
    QTemporaryDir folder;
    StopOnHistoryTrouble trouble;
    SqliteGameHistory history(QDir(folder.path()).filePath(QStringLiteral("history.sqlite")).toStdString(), trouble);
    for (std::int32_t i = 0; i < HistoryGames; ++i) history.FinishGame(history.StartGame(PlayedGame(i)), PlayedGame(i));
    const LayoutCatalog catalog;
    DoubleServices services(1);
    for (auto _ : state) {
        frmStatistics window(services.Wiring, history, catalog);
        window.Refresh();
        window.show();
        QApplication::processEvents();
        if (window.Summary().All.Played != HistoryGames) state.SkipWithError("not every game was counted");
    }
}
BENCHMARK(BM_OpenStatisticsWindow10000)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true)
    ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });

// The offscreen platform warns at every window it shows that it keeps no size hints.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace
} // namespace tessaron

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(tessaron::QuietMessages);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
