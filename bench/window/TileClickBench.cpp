// A click on a free tile until the board shows it: the model selects or deselects it, the
// commands are enabled anew, and the event loop's next turn repaints what changed. The
// clicks alternate on one tile, selecting and deselecting it. The same click is measured
// again while a solver searches on a worker thread, as it does after every move.
#include "BoardWindowBench.h"
#include "WindowBenches.h"

#include "window/PositionSolver.h"

#include "ResourceNames.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPixmap>
#include <QTest>

#include <memory>
#include <utility>

namespace tessaron {

namespace {

constexpr int ClickRuns = 400;
const QPoint TileMiddle(20, 28);

void Click(TilePicture* tile)
{
    QTest::mouseClick(tile, Qt::LeftButton, {}, TileMiddle);
    QCoreApplication::processEvents();
}

// The first tile that a click selects, deselected again; null when none does.
TilePicture* FindFreeTile(BoardWindowBench& bench)
{
    for (std::int32_t position = 1; position <= TileCount; ++position) {
        TilePicture* tile = bench.Tile(position);
        if (!tile->isVisible()) continue;
        Click(tile);
        if (tile->Bright()) {
            Click(tile);
            return tile;
        }
    }
    return nullptr;
}

// Each repetition clicks once more on the same tile, so selections and deselections alternate.
void TileClick(benchmark::State& state, BoardWindowBench& bench, TilePicture*& clicked, int percent)
{
    bench.ShowBoardAt(percent);
    if (!clicked) clicked = FindFreeTile(bench);
    TilePicture* tile = clicked;
    if (!tile) {
        state.SkipWithError("no tile could be selected");
        return;
    }
    for (auto _ : state) {
        const bool wasSelected = tile->Bright();
        bench.Paints.Reset(tile);
        const auto start = std::chrono::steady_clock::now();
        Click(tile);
        const double seconds = SecondsSince(start);
        if (tile->Bright() == wasSelected || bench.Paints.WatchedTile == 0) {
            state.SkipWithError("the click was not shown");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

// A second worker that searches the board's position from the moment it is made until it
// is destroyed, so the click competes with a search for the processor.
class BusySolver {
public:
    explicit BusySolver(BoardWindowBench& bench) : geometry_(bench.Report.Errors)
    {
        geometry_.CreateTileRelations(BoardLayout, 36.0f, 52.0f);
        question_ = QuestionAbout(bench.Board->Model());
        QObject::connect(&solver_, &PositionSolver::Answered, &solver_, [this] { solver_.Solve(0, question_); });
        solver_.Solve(0, question_);
    }

private:
    BoardGeometry geometry_;
    PositionQuestion question_;
    ThreadedPositionSolver solver_{geometry_, std::chrono::seconds(5), std::chrono::seconds(5)};
};

// The first selection of a face also decodes its selected look (the board decodes it when
// first asked for); this is that extra cost, once per face and run.
void SelectedFaceDecode(benchmark::State& state)
{
    int face = 0;
    for (auto _ : state) {
        face = face % resources::TileFaceCount + 1;
        // As a first load does: decoded from the file (QPixmap(path) would hit the pixmap cache).
        const QPixmap picture = QPixmap::fromImage(QImage(QString::fromStdString(resources::TileFacePath(true, face))));
        benchmark::DoNotOptimize(picture);
        if (picture.isNull()) state.SkipWithError("a face picture is missing");
    }
}

} // namespace

void RegisterTileClickBenchmarks(BoardWindowBench& bench)
{
    auto clicked = std::make_shared<TilePicture*>(nullptr);
    // The board at its first-start size and at twice that.
    for (const auto& [name, percent] : {std::pair{"TileClick", 100}, std::pair{"TileClick200", 200}}) {
        benchmark::RegisterBenchmark(BenchmarkName(name).c_str(),
                                     [&bench, clicked, percent = percent](benchmark::State& state) {
                                         TileClick(state, bench, *clicked, percent);
                                     })
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(1)
            ->Repetitions(ClickRuns)
            ->ReportAggregatesOnly(true);
    }
    benchmark::RegisterBenchmark(BenchmarkName("TileClickWhileSolving").c_str(),
                                 [&bench, clicked](benchmark::State& state) {
                                     BusySolver busy(bench);
                                     TileClick(state, bench, *clicked, 100);
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(1)
        ->Repetitions(ClickRuns)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark(BenchmarkName("SelectedFaceDecode").c_str(), SelectedFaceDecode)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

} // namespace tessaron
