// Play through the real board window: clicks, double clicks, Enter and Ctrl shortcuts.
#include "BoardBench.h"

#include <QTest>

namespace tessaron {

class BoardPlayTest : public QObject {
    Q_OBJECT

private slots:
    // A move by two clicks and the button, by a double click and by Enter on the default
    // button; undo, redo and restart by their shortcuts; clicks beside the tiles only stop
    // the sound.
    void MovesByMouseAndKeysWithTheirShortcuts()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.Key(Qt::Key_Return);  // nothing selected: nothing happens
        QCOMPARE(bench.VisibleTiles(), 144);
        bench.MovePair(72);
        QCOMPARE(bench.Text("lblTileCount"), QString("142 of 144"));
        bench.Click(bench.Deal.Pair(71).first);
        bench.DoubleClick(bench.Deal.Pair(71).second);
        QCOMPARE(bench.VisibleTiles(), 140);
        bench.Click(bench.Deal.Pair(70).first);
        bench.Click(bench.Deal.Pair(70).second);
        QVERIFY(bench.Button("cmdRemoveTiles")->isDefault());
        bench.Key(Qt::Key_Return);
        QCOMPARE(bench.VisibleTiles(), 138);

        bench.Key(Qt::Key_Z, Qt::ControlModifier);  // undo
        QCOMPARE(bench.VisibleTiles(), 140);
        bench.Key(Qt::Key_V, Qt::ControlModifier);  // redo
        QCOMPARE(bench.VisibleTiles(), 138);
        bench.Key(Qt::Key_R, Qt::ControlModifier);  // restart keeps the moves for redo
        QCOMPARE(bench.Text("lblTileCount"), QString("144 of 144"));
        bench.Press("cmdRedoNextMove");
        bench.Press("cmdRedoNextMove");
        QCOMPARE(bench.VisibleTiles(), 140);

        bench.Sound.Clear();
        QTest::mouseClick(bench.Board->centralWidget(), Qt::LeftButton, {}, QPoint(5, 200));
        QTest::mouseClick(bench.Label("lblTileCount"), Qt::LeftButton);
        QCOMPARE(bench.Sound.Stops, 2);
        QVERIFY(bench.Sound.Events.empty());
        QCOMPARE(bench.VisibleTiles(), 140);
    }

    // Enter on Peek (the default with one tile selected) arms peek mode like the menu command,
    // so undo and redo never see an odd removal list. A peek leaves the count alone, but a
    // language switch writes it anew from the tiles off the board, and with all of them
    // lifted the banner comes up. Restart ends peek mode.
    void PeekModeLiftsAnyTileAndALanguageSwitchCountsThem()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.MovePair(72);
        bench.Click(bench.Deal.Pair(71).first);
        QVERIFY(bench.Button("cmdRemoveTile")->isDefault());
        bench.Key(Qt::Key_Enter);
        QVERIFY(bench.Board->Model().PeekMode());
        QVERIFY(!bench.Button("cmdUndoLastMove")->isEnabled());
        QVERIFY(!bench.Action("mnuGameUndoLastMove")->isEnabled());
        QVERIFY(!bench.Action("mnuGameRedoNextMove")->isEnabled());
        bench.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bench.VisibleTiles(), 141);
        bench.Click(2);  // locked, lifted all the same with a double click
        bench.DoubleClick(2);
        QVERIFY(!bench.Tile(2)->isVisible());
        QCOMPARE(bench.Text("lblTileCount"), QString("142 of 144"));

        bench.Action("mnuOptionLocaleSelect_1")->trigger();
        QCOMPARE(bench.Text("lblTileCount"), QString("140 von 144"));
        QCOMPARE(bench.Text("lblGameOrigin"), QString("Neues Spiel (gespeichert)"));
        QVERIFY(!bench.Label("imgGameWon_1")->isVisible());
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
            if (!bench.Tile(tile)->isVisible()) continue;
            bench.Click(tile);
            bench.Press("cmdRemoveTile");
        }
        bench.Action("mnuOptionLocaleSelect_0")->trigger();
        QCOMPARE(bench.Text("lblTileCount"), QString("0 of 144"));
        QVERIFY(bench.Label("imgGameWon_0")->isVisible());
        QVERIFY(!bench.Label("imgGameWon_1")->isVisible());

        bench.Key(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(bench.VisibleTiles(), 144);
        QVERIFY(!bench.Board->Model().PeekMode());
    }
};

} // namespace tessaron

int RunBoardPlayTests(int argc, char** argv)
{
    tessaron::BoardPlayTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BoardPlayTest.moc"
