// Game › Shuffle through the real board window: offered at a dead end and when the solver
// says the game is lost, the board redrawn and spoken, undo, redo and restart across it,
// and its cost to the clock.
#include "BoardBench.h"

#include "board/Rules.h"
#include "window/PositionSolver.h"

#include <QTest>

#include <tuple>

namespace tessaron {

namespace {
// Answers every search at once with the verdict the test sets.
class VerdictSolver final : public PositionSolver {
public:
    void Solve(quint64 generation, const PositionQuestion&) override { emit Answered(generation, {Verdict, {}}); }
    void Cancel() override {}
    SolverVerdict Verdict = SolverVerdict::Undecided;
};

// A valid deal that, played pair by pair as returned (each time the two lowest free
// positions but the stack's), leaves a tile lying on one on the table: no arrangement of two
// stacked tiles can be cleared. Empty when no stack could be left so.
std::pair<TileArray, std::vector<std::pair<std::int32_t, std::int32_t>>> StackLeftLastDeal(const BoardGeometry& geometry)
{
    std::vector<std::pair<std::int32_t, std::int32_t>> facePairs{{35, 36}, {37, 38}, {39, 40}, {41, 42}};
    for (std::int32_t face = 1; face <= LastOrdinaryFace; ++face) facePairs.insert(facePairs.end(), 2, {face, face});
    for (std::int32_t top = 1; top <= TileCount; ++top) {
        const TileList& below = geometry.Relation(top).Below;
        if (geometry.Location(top).Layer != 1 || below.Count != 1) continue;
        const std::int32_t bottom = below.Tile[0];
        TilePresence present{};
        std::fill(present.begin() + 1, present.end(), true);
        TileArray faces{};
        std::vector<std::pair<std::int32_t, std::int32_t>> moves;
        for (std::size_t move = 0; move + 1 < facePairs.size(); ++move) {
            std::vector<std::int32_t> freeTiles;
            for (std::int32_t tile = 1; tile <= TileCount; ++tile)
                if (present[tile] && tile != top && tile != bottom && !TileIsLocked(geometry, present, tile))
                    freeTiles.push_back(tile);
            if (freeTiles.size() < 2) break;
            moves.emplace_back(freeTiles[0], freeTiles[1]);
            present[freeTiles[0]] = present[freeTiles[1]] = false;
            std::tie(faces[freeTiles[0]], faces[freeTiles[1]]) = facePairs[move];
        }
        if (moves.size() + 1 < facePairs.size()) continue;
        std::tie(faces[top], faces[bottom]) = facePairs.back();
        return {faces, moves};
    }
    return {};
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
        QTRY_VERIFY(bench.Spoken("Tiles shuffled: the game can be won again"));
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

    // Two stacked tiles are all that is left: no arrangement can be won, so the board stays
    // and the question offers to take back the last move, which OK does. In both languages.
    void NoArrangementCanWinAskToTakeBackTheLastMove()
    {
        BoardBench bench;
        VerdictSolver solver;
        bench.Solver = &solver;
        const auto [faces, moves] = StackLeftLastDeal(bench.Geometry);
        QCOMPARE(moves.size(), std::size_t(71));
        bench.StoreGame(faces);
        QVERIFY(bench.Open());
        const Play& play = bench.Board->Model();
        QCOMPARE(play.TileFaces(), faces);
        for (const auto& [first, second] : moves) bench.Move(first, second);
        QCOMPARE(play.RemovedCount(), 142);
        QVERIFY(bench.Action("mnuGameShuffle")->isEnabled());

        bench.Report.Box.Answers = {MessageBoxAnswer::Cancel, MessageBoxAnswer::Ok};
        bench.Key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(bench.Report.Box.Boxes.size(), std::size_t(1));
        QCOMPARE(bench.Report.Box.Boxes[0].Title, std::string("Shuffle"));
        QCOMPARE(bench.Report.Box.Boxes[0].Text,
                 std::string("No arrangement of the tiles left can be won. Take back the last move?"));
        QCOMPARE(play.TileFaces(), faces);
        QCOMPARE(play.RemovedCount(), 142);
        bench.Action("mnuOptionLocaleSelect_1")->trigger();
        bench.Key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(bench.Report.Box.Boxes.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(bench.Report.Box.Boxes[1].Text),
                 QString("Keine Anordnung der übrigen Steine ist zu gewinnen. Den letzten Zug zurücknehmen?"));
        QCOMPARE(play.RemovedCount(), 140);
        QCOMPARE(play.TileFaces(), faces);
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
        QTRY_VERIFY(bench.Spoken("Steine gemischt: Das Spiel ist wieder zu gewinnen"));
    }
};

} // namespace tessaron

int RunShuffleWindowTests(int argc, char** argv)
{
    tessaron::ShuffleWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ShuffleWindowTest.moc"
