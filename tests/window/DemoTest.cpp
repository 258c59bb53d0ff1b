// Game › Demo through the real board window, its steps fired by hand: it plays a fresh deal
// out as a player would, stops on a key, a click or a command, costs what a hint costs, and
// in a lost game says so and offers the shuffle.
#include "BoardBench.h"
#include "LostGames.h"

#include "doubles/ImmediatePositionSolver.h"

#include <QTest>

namespace tessaron {

namespace {
// A deal whose positions the solver decides in milliseconds.
constexpr std::uint64_t QuickDeal = 99;

int TilesSelected(const Play& play) { return (play.SelectedTile1() != 0) + (play.SelectedTile2() != 0); }
} // namespace

class DemoTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietResizeWarnings(); }

    // Each move in three steps with the player's look and sounds; Ctrl+D, another key, a
    // click and a command each stop it where it is; the clock goes off for good, and the
    // cleared board stays out of the hall of fame.
    void DemoPlaysADealOutStopsOnAnyInputAndCostsLikeAHint()
    {
        BoardBench bench(QuickDeal);
        ImmediatePositionSolver solver(bench.Geometry);
        bench.Solver = &solver;
        bench.Store.Write("Board", "TimingActive", "1");
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        const Play& play = bench.Board->Model();
        QAction* demo = bench.Action("mnuGameDemo");
        QCOMPARE(demo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
        QCOMPARE(demo->text().remove('&'), QString("Demo"));
        bench.MovePair(72);
        QVERIFY(bench.Timer.IsActive());

        bench.Sound.Clear();
        bench.Key(Qt::Key_D, Qt::ControlModifier);
        QVERIFY(bench.DemoTimer.IsActive());
        QCOMPARE(TilesSelected(play), 1);  // the solver answered at once: the first tile shows
        QVERIFY(bench.Tile(play.SelectedTile1())->Bright());
        QVERIFY(play.HintUsed());
        QVERIFY(!bench.Timer.IsActive());
        QVERIFY(bench.DemoTimer.Tick());
        QCOMPARE(TilesSelected(play), 2);
        QVERIFY(bench.Tile(play.SelectedTile2())->Bright());
        QVERIFY(bench.DemoTimer.Tick());
        QCOMPARE(play.RemovedCount(), 4);
        QCOMPARE(bench.Sound.Events, (std::vector<std::int32_t>{SoundTileSelected, SoundTileSelected, SoundTileRemoval}));
        QTRY_VERIFY(bench.Spoken("Demo started"));

        // Stopped between its steps, the tile it chose is let go and nothing more happens.
        const std::function<void()> stoppers[] = {
            [&] { bench.Key(Qt::Key_D, Qt::ControlModifier); },  // stops it, does not start it again
            [&] { bench.Key(Qt::Key_A); },
            [&] { bench.Click(bench.Deal.Pair(1).first); },
        };
        for (const auto& stop : stoppers) {
            QCoreApplication::processEvents();  // the input that stopped it is over
            if (bench.DemoTimer.IsActive())
                QVERIFY(bench.DemoTimer.Tick());
            else
                demo->trigger();
            QCOMPARE(TilesSelected(play), 1);
            QVERIFY(bench.DemoTimer.Tick());
            const std::int32_t chosen[] = {play.SelectedTile1(), play.SelectedTile2()};
            const std::int32_t removed = play.RemovedCount();
            stop();
            QVERIFY(!bench.DemoTimer.IsActive());
            QVERIFY(!bench.DemoTimer.Tick());
            QVERIFY(!bench.Tile(chosen[0])->Bright() && !bench.Tile(chosen[1])->Bright());
            QTRY_VERIFY(bench.Spoken("Demo stopped"));
            QCOMPARE(play.RemovedCount(), removed);
        }
        // A command stops it too, and then does what it does.
        QCoreApplication::processEvents();
        demo->trigger();
        QVERIFY(bench.DemoTimer.Tick());
        QVERIFY(bench.DemoTimer.Tick());
        const std::int32_t removed = play.RemovedCount();
        bench.Action("mnuGameUndoLastMove")->trigger();
        QVERIFY(!bench.DemoTimer.IsActive());
        QCOMPARE(play.RemovedCount(), removed - 2);

        // Let run, it clears the board.
        bench.Key(Qt::Key_D, Qt::ControlModifier);
        for (int step = 0; step < 3 * 72 && bench.DemoTimer.Tick(); ++step) {
        }
        QVERIFY(play.GameWon());
        QVERIFY(!bench.DemoTimer.IsActive());
        QVERIFY(bench.Companions.Inserts.empty());
        QCOMPARE(bench.Sound.Events.back(), SoundGameWon);
        QCOMPARE(bench.Text("lblTimeGone"), QString());
        QVERIFY(!demo->isEnabled());
        // The cleared board is said as a player's winning move says it.
        QTRY_VERIFY(bench.Spoken("Game won! Demo finished"));
    }

    // At a dead end (in a deal lost from the start) the demo plays nothing: it says why and
    // offers the shuffle (no undo helps here); Cancel leaves the board, Shuffle shuffles it into
    // a game that can be won. In both languages.
    void DemoInALostGameSaysSoAndOffersTheShuffle()
    {
        BoardBench bench;
        ImmediatePositionSolver solver(bench.Geometry);
        bench.Solver = &solver;
        bench.StoreGame(DeadEndDeal(1));
        QVERIFY(bench.Open());
        const Play& play = bench.Board->Model();
        bench.Move(88, 114);
        QVERIFY(play.NoMovePossible());
        const TileArray dealt = play.TileFaces();

        const char* lostText = "This game cannot be won, not even from its first move.";
        bench.Report.Box.Choices = {-1, 0};
        bench.Key(Qt::Key_D, Qt::ControlModifier);
        QVERIFY(!bench.DemoTimer.IsActive());
        QCOMPARE(bench.Report.Box.Boxes.size(), std::size_t(1));
        QCOMPARE(bench.Report.Box.Boxes.back().Title, std::string("Demo"));
        QVERIFY(QString::fromStdString(bench.Report.Box.Boxes.back().Text).contains(lostText));
        QVERIFY(QString::fromStdString(bench.Report.Box.Boxes.back().Text).contains("Shuffle the tiles left"));
        QCOMPARE(bench.Report.Box.Boxes.back().Buttons, std::vector<std::string>{"Shuffle"});
        QTRY_VERIFY(bench.Spoken(lostText));
        QCOMPARE(play.TileFaces(), dealt);
        QCOMPARE(play.RemovedCount(), 2);

        bench.Action("mnuOptionLocaleSelect_1")->trigger();
        bench.Action("mnuGameDemo")->trigger();
        QCOMPARE(bench.Report.Box.Boxes.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(bench.Report.Box.Boxes.back().Title), QString("Vorführung"));
        QVERIFY(QString::fromStdString(bench.Report.Box.Boxes.back().Text).contains("Die übrigen Steine mischen"));
        QCOMPARE(bench.Report.Box.Boxes.back().Buttons, std::vector<std::string>{"Mischen"});
        QVERIFY(play.TileFaces() != dealt);
        QVERIFY(!play.NoMovePossible());
        QCOMPARE(play.ShufflesDone(), 1);
    }

    // Lost a move after the losing one: the demo offers the shuffle and the two undos back to a
    // game that can be won; taking them back leaves a game the demo can play out.
    void DemoInALostGameOffersTheUndosBack()
    {
        BoardBench bench(SolvedQuickly);
        bench.StoreGame(StackedPairDeal(bench.Deal.Faces));
        QVERIFY(bench.Open());
        const Play& play = bench.Board->Model();
        bench.Move(88, 114);
        const auto [a, b] = FreePair(play, bench.Geometry);
        bench.Move(a, b);
        bench.Report.Box.Choices = {1};
        bench.Key(Qt::Key_D, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(bench.Report.Box.Boxes.size(), std::size_t(1), 20000);
        QCOMPARE(bench.Report.Box.Boxes.back().Buttons, (std::vector<std::string>{"Shuffle", "Take back 2 moves"}));
        QCOMPARE(play.RemovedCount(), 0);
        QCOMPARE(play.ShufflesDone(), 0);
        QTRY_VERIFY(bench.Spoken("Pair put back"));
    }
};

} // namespace tessaron

int RunDemoTests(int argc, char** argv)
{
    tessaron::DemoTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DemoTest.moc"
