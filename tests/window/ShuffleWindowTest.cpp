// Game › Shuffle through the real board window: offered at a dead end and when the solver
// says the game is lost, the board redrawn and spoken, undo, redo and restart across it,
// and its cost to the clock.
#include "BoardBench.h"

#include "board/Rules.h"
#include "window/PositionSolver.h"

#include <QTest>

namespace tessaron {

namespace {
// Answers every search at once with the verdict the test sets.
class VerdictSolver final : public PositionSolver {
public:
    void Solve(quint64 generation, const PositionQuestion&) override { emit Answered(generation, {Verdict, {}}); }
    void Cancel() override {}
    SolverVerdict Verdict = SolverVerdict::Undecided;
};

// Some notification the board showed for a screen reader holds text.
bool Announced(const BoardBench& bench, const QString& text)
{
    const QList<QLabel*> labels = bench.Board->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) { return label->text().contains(text); });
}
} // namespace

class ShuffleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietResizeWarnings(); }

    void ShuffleAtADeadEndIsUndoneRedoneAndRestartedAndCostsTheClock()
    {
        BoardBench bench;
        VerdictSolver solver;
        bench.Solver = &solver;
        bench.Store.Write("Board", "TimingActive", "1");
        const TileArray dealt = DeadEndDeal(1);
        bench.StoreGame(dealt);
        QVERIFY(bench.Open());
        const Play& play = bench.Board->Model();
        QAction* shuffle = bench.Action("mnuGameShuffle");
        QVERIFY(!shuffle->isEnabled());
        bench.Move(88, 114);
        QVERIFY(bench.Label("lblNoMovePossible")->isVisible());
        QVERIFY(shuffle->isEnabled());

        std::vector<qint64> pictures;
        for (std::int32_t tile = 1; tile <= TileCount; ++tile)
            pictures.push_back(bench.Tile(tile)->Picture().cacheKey());
        bench.Key(Qt::Key_F, Qt::ControlModifier);
        const TileArray shuffled = play.TileFaces();
        QVERIFY(shuffled != dealt);
        QVERIFY(!NoMovePossible(bench.Geometry, play.Presence(), shuffled));
        for (std::int32_t tile = 1; tile <= TileCount; ++tile)  // the board shows the new faces
            if (shuffled[tile] != dealt[tile]) QVERIFY(bench.Tile(tile)->Picture().cacheKey() != pictures[tile - 1]);
        QVERIFY(!bench.Label("lblNoMovePossible")->isVisible());
        QVERIFY(!shuffle->isEnabled());
        QCOMPARE(bench.Sound.Events.back(), SoundTileInsertion);
        QTRY_VERIFY(Announced(bench, "Tiles shuffled: the game can be won again"));
        QVERIFY(play.HintUsed());
        QVERIFY(!bench.Timer.IsActive());

        bench.Press("cmdUndoLastMove");
        QCOMPARE(play.TileFaces(), dealt);
        QCOMPARE(play.RemovedCount(), 2);
        QVERIFY(bench.Label("lblNoMovePossible")->isVisible());
        QVERIFY(shuffle->isEnabled());
        bench.Press("cmdRedoNextMove");
        QCOMPARE(play.TileFaces(), shuffled);
        bench.Key(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(play.TileFaces(), dealt);
        QCOMPARE(bench.VisibleTiles(), TileCount);
        QVERIFY(!play.HintUsed());
        QVERIFY(!shuffle->isEnabled());
    }

    // The solver's word that the game is lost offers it before any dead end; its word on the
    // shuffled board takes it away. Its caption follows the language.
    void SolversVerdictOffersItInBothLanguages()
    {
        BoardBench bench;
        VerdictSolver solver;
        solver.Verdict = SolverVerdict::Lost;
        bench.Solver = &solver;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        QAction* shuffle = bench.Action("mnuGameShuffle");
        QVERIFY(shuffle->isEnabled());
        QCOMPARE(shuffle->text().remove('&'), QString("Shuffle"));
        bench.Action("mnuOptionLocaleSelect_1")->trigger();
        QCOMPARE(shuffle->text().remove('&'), QString("Mischen"));
        solver.Verdict = SolverVerdict::Winnable;
        shuffle->trigger();
        QVERIFY(bench.Board->Model().TileFaces() != bench.Deal.Faces);
        QVERIFY(!shuffle->isEnabled());
        QTRY_VERIFY(Announced(bench, "Steine gemischt: Das Spiel ist wieder zu gewinnen"));
    }
};

} // namespace tessaron

int RunShuffleWindowTests(int argc, char** argv)
{
    tessaron::ShuffleWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ShuffleWindowTest.moc"
