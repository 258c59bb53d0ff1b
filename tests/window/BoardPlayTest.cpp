// Play through the real board window: clicks, double clicks, Enter and Ctrl shortcuts.
#include "BoardBench.h"

#include <QTest>

namespace tessaron {

class BoardPlayTest : public QObject {
    Q_OBJECT

private slots:
    // Undo, redo and restart by their shortcuts and the redo button.
    void UndoRedoAndRestartFollowTheirShortcuts()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.MovePair(72);
        QCOMPARE(bench.Text("lblTileCount"), QString("142 of 144"));
        bench.MovePair(71);

        bench.Key(Qt::Key_Z, Qt::ControlModifier);  // undo
        QCOMPARE(bench.VisibleTiles(), 142);
        bench.Key(Qt::Key_V, Qt::ControlModifier);  // redo
        QCOMPARE(bench.VisibleTiles(), 140);

        bench.Key(Qt::Key_R, Qt::ControlModifier);  // restart keeps the moves for redo
        QCOMPARE(bench.VisibleTiles(), 144);
        QCOMPARE(bench.Text("lblTileCount"), QString("144 of 144"));
        bench.Press("cmdRedoNextMove");
        bench.Press("cmdRedoNextMove");
        QCOMPARE(bench.VisibleTiles(), 140);
    }

    void EnterPressesPeekWithOneTileAndDoMoveWithTwo()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.Key(Qt::Key_Return);  // nothing selected: nothing happens
        QCOMPARE(bench.VisibleTiles(), 144);
        const auto [first, second] = bench.Deal.Pair(72);
        bench.Click(first);
        bench.Click(second);
        QVERIFY(bench.Button("cmdRemoveTiles")->isDefault());
        bench.Key(Qt::Key_Return);
        QCOMPARE(bench.VisibleTiles(), 142);
        bench.Click(bench.Deal.Pair(71).first);
        QVERIFY(bench.Button("cmdRemoveTile")->isDefault());
        bench.Key(Qt::Key_Enter);
        QVERIFY(bench.Board->Model().PeekMode());
        QCOMPARE(bench.VisibleTiles(), 141);
    }

    void DoubleClickOnAMatchingTileMakesTheMove()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        const auto [first, second] = bench.Deal.Pair(72);
        bench.Click(first);
        bench.DoubleClick(second);
        QVERIFY(!bench.Tile(first)->isVisible());
        QVERIFY(!bench.Tile(second)->isVisible());
        QCOMPARE(bench.Board->Model().RemovedCount(), 2);
    }

    // The Peek button outside peek mode arms peek mode like the menu command, so undo and
    // redo never see an odd removal list.
    void PeekModeLiftsAnyTileAndDisablesUndoAndRedo()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.MovePair(72);
        bench.Click(bench.Deal.Pair(71).first);
        bench.Press("cmdRemoveTile");
        QVERIFY(bench.Board->Model().PeekMode());
        QVERIFY(!bench.Button("cmdUndoLastMove")->isEnabled());
        QVERIFY(!bench.Action("mnuGameUndoLastMove")->isEnabled());
        QVERIFY(!bench.Action("mnuGameRedoNextMove")->isEnabled());
        QVERIFY(bench.Action("mnuGameRestartGame")->isEnabled());
        bench.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bench.VisibleTiles(), 141);

        bench.Click(2);  // locked, lifted all the same with a double click
        bench.DoubleClick(2);
        QVERIFY(!bench.Tile(2)->isVisible());
        QCOMPARE(bench.Text("lblTileCount"), QString("142 of 144"));  // peeks leave the count
        bench.Key(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(bench.VisibleTiles(), 144);
        QVERIFY(!bench.Board->Model().PeekMode());
    }

    // A peek leaves the count alone, but a language switch writes it anew from the tiles
    // off the board, and with all of them lifted the banner comes up.
    void LanguageSwitchInPeekModeCountsTheLiftedTiles()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.MovePair(72);
        bench.Click(bench.Deal.Pair(71).first);
        bench.Press("cmdRemoveTile");
        bench.Action("mnuOptionLocaleSelect_1")->trigger();
        QCOMPARE(bench.Text("lblTileCount"), QString("141 von 144"));
        QVERIFY(!bench.Label("imgGameWon_1")->isVisible());

        for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
            if (!bench.Tile(tile)->isVisible()) continue;
            bench.Click(tile);
            bench.Press("cmdRemoveTile");
        }
        QCOMPARE(bench.Board->Model().RemovedCount(), TileCount);
        bench.Action("mnuOptionLocaleSelect_0")->trigger();
        QCOMPARE(bench.Text("lblTileCount"), QString("0 of 144"));
        QVERIFY(bench.Label("imgGameWon_0")->isVisible());
    }

    // The ending's message in the current language: the dead-end text until undo, the win
    // banner (with no hall of fame while the clock is off).
    void EndingsShowTheirMessageUntilUndo()
    {
        BoardBench bench;
        bench.StoreGame(DeadEndDeal(1));
        QVERIFY(bench.Open());
        bench.Move(88, 114);
        QVERIFY(bench.Label("lblNoMovePossible")->isVisible());
        QCOMPARE(bench.Text("lblNoMovePossible"), QString("Bad luck - no further move possible!"));
        bench.Press("cmdUndoLastMove");
        QVERIFY(!bench.Label("lblNoMovePossible")->isVisible());

        BoardBench won(17);
        won.StoreGame(won.Deal.Faces);
        QVERIFY(won.Open());
        for (int k = 72; k >= 1; --k) won.MovePair(k);
        QCOMPARE(won.VisibleTiles(), 0);
        QCOMPARE(won.Text("lblTileCount"), QString("0 of 144"));
        QVERIFY(won.Label("imgGameWon_0")->isVisible());
        QVERIFY(!won.Label("imgGameWon_1")->isVisible());
        QVERIFY(won.Companions.Inserts.empty());
        QVERIFY(won.Report.Box.Boxes.empty());
        won.Press("cmdUndoLastMove");
        QVERIFY(!won.Label("imgGameWon_0")->isVisible());
    }

    void ClicksOnTheBackgroundAndLabelsOnlyStopTheSound()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.Sound.Clear();
        QTest::mouseClick(bench.Board->centralWidget(), Qt::LeftButton, {}, QPoint(5, 200));
        QTest::mouseClick(bench.Label("lblTileCount"), Qt::LeftButton);
        QCOMPARE(bench.Sound.Stops, 2);
        QVERIFY(bench.Sound.Events.empty());
        QCOMPARE(bench.VisibleTiles(), 144);
    }
};

} // namespace tessaron

int RunBoardPlayTests(int argc, char** argv)
{
    tessaron::BoardPlayTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BoardPlayTest.moc"
