// Play through the real board window: clicks, double clicks, Enter and Ctrl shortcuts.
#include "BoardBench.h"

#include <QTest>

namespace tessaron {

class BoardPlayTest : public QObject {
    Q_OBJECT

private slots:
    void EnabledSetAtGameStartAndAfterTheFirstMove()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        const QString always = "mnuFileNewGame mnuFileLoadGame mnuFileSaveGame mnuFileShowHallOfFame mnuFileQuit";
        const QString rest = "mnuOptionEditSounds mnuOptionLocaleSelect_0 mnuOptionLocaleSelect_1 mnuHelpAbout";
        QCOMPARE(bench.EnabledCommands(), always + " mnuOptionTimingActive " + rest);
        bench.MovePair(72);
        QCOMPARE(bench.EnabledCommands(),
                 "cmdUndoLastMove " + always + " mnuGameUndoLastMove mnuGameRestartGame " + rest);
    }

    void SelectDeselectReplaceAndRefuseWithEvents0And1()
    {
        BoardBench bench;
        bench.StoreGame(ThreeFreeOfOneFace(bench.Deal.Faces));
        QVERIFY(bench.Open());
        bench.Sound.Clear();

        bench.Click(2);  // locked under the top tile
        QVERIFY(!bench.Tile(2)->Bright());
        bench.Click(88);
        QVERIFY(bench.Tile(88)->Bright());
        QVERIFY(bench.Button("cmdRemoveTile")->isEnabled());
        bench.Click(1);  // free, another face
        QVERIFY(!bench.Tile(1)->Bright());
        bench.Click(114);
        QVERIFY(bench.Button("cmdRemoveTiles")->isEnabled());
        bench.Click(144);  // a third matching tile replaces the second
        QVERIFY(bench.Tile(144)->Bright());
        QVERIFY(!bench.Tile(114)->Bright());
        bench.Click(88);  // deselecting the first makes the second the first
        QVERIFY(!bench.Tile(88)->Bright());
        QCOMPARE(bench.Board->Model().SelectedTile1(), 144);
        QVERIFY(!bench.Button("cmdRemoveTiles")->isEnabled());
        QVERIFY(bench.Button("cmdRemoveTile")->isEnabled());
        QCOMPARE(bench.Sound.Events, (std::vector<std::int32_t>{0, 1, 0, 1, 1, 1}));
    }

    void MoveIsRecordedSecondSelectedFirstAndUndoRedoRestartFollow()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        const auto [first, second] = bench.Deal.Pair(72);
        bench.Move(first, second);
        QVERIFY(!bench.Tile(first)->isVisible());
        QCOMPARE(bench.Board->Model().RemovedTiles()[1], second);
        QCOMPARE(bench.Board->Model().RemovedTiles()[2], first);
        QCOMPARE(bench.Text("lblTileCount"), QString("142 of 144"));
        bench.MovePair(71);

        bench.Key(Qt::Key_Z, Qt::ControlModifier);  // undo
        QCOMPARE(bench.VisibleTiles(), 142);
        QCOMPARE(bench.Sound.Events.back(), SoundTileInsertion);
        QVERIFY(bench.Button("cmdRedoNextMove")->isEnabled());
        bench.Key(Qt::Key_V, Qt::ControlModifier);  // redo
        QCOMPARE(bench.VisibleTiles(), 140);
        QVERIFY(!bench.Action("mnuGameRedoNextMove")->isEnabled());

        bench.Key(Qt::Key_R, Qt::ControlModifier);  // restart keeps the moves for redo
        QCOMPARE(bench.VisibleTiles(), 144);
        QCOMPARE(bench.Text("lblTileCount"), QString("144 of 144"));
        QCOMPARE(bench.Sound.Events.back(), SoundRestartGame);
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

    void DeadEndShowsTheTextStopsTheClockAndUndoResumesIt()
    {
        BoardBench bench;
        bench.Store.Write("Board", "TimingActive", "1");
        bench.StoreGame(DeadEndDeal(2));
        QVERIFY(bench.Open());
        bench.Move(88, 114);
        bench.Time.AdvanceSeconds(5);
        bench.Move(89, 101);
        QVERIFY(bench.Label("lblNoMovePossible")->isVisible());
        QCOMPARE(bench.Text("lblNoMovePossible"), QString("Bad luck - no further move possible!"));
        QCOMPARE(bench.Sound.Events.back(), SoundGameLost);
        QVERIFY(!bench.Timer.IsActive());

        bench.Time.AdvanceSeconds(20);
        bench.Press("cmdUndoLastMove");
        QVERIFY(!bench.Label("lblNoMovePossible")->isVisible());
        QVERIFY(bench.Timer.IsActive());
        bench.Time.AdvanceSeconds(1);
        bench.Timer.Tick();
        QCOMPARE(bench.Text("lblTimeGone"), QString("0m26s"));
    }

    // The whole game from the first tile to the win, only by clicking tiles and Do move.
    void WholeGameWonByClicksWithTheClockOff()
    {
        BoardBench bench(17);
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        for (int k = 72; k >= 1; --k) bench.MovePair(k);
        QCOMPARE(bench.VisibleTiles(), 0);
        QCOMPARE(bench.Text("lblTileCount"), QString("0 of 144"));
        QVERIFY(bench.Label("imgGameWon_0")->isVisible());
        QVERIFY(!bench.Label("imgGameWon_1")->isVisible());
        QCOMPARE(bench.Sound.Events.back(), SoundGameWon);
        QVERIFY(bench.Companions.Inserts.empty());
        QCOMPARE(bench.Text("lblTimeGone"), QString());
        QVERIFY(bench.Report.Box.Boxes.empty());
    }

    void WinAgainstTheClockGoesToTheHallOfFame()
    {
        BoardBench bench;
        bench.Store.Write("Board", "TimingActive", "1");
        bench.StoreGame(bench.Deal.Faces);
        bench.Companions.InsertAnswer = 1;
        bench.Companions.Origin = "N.N. 03/05/2004 07:08 (2m22s)";
        QVERIFY(bench.Open());
        for (int k = 72; k >= 1; --k) {
            bench.Time.AdvanceSeconds(2);
            bench.MovePair(k);
        }
        QCOMPARE(bench.Companions.Inserts.size(), std::size_t(1));
        QCOMPARE(bench.Companions.Inserts[0].Owner, static_cast<QWidget*>(bench.Board.get()));
        QCOMPARE(qRound(bench.Companions.Inserts[0].GameTime * 86400), 142);
        QCOMPARE(bench.Text("lblGameOrigin"), QString::fromStdString(bench.Companions.Origin));
    }

    void ClockTextsAfterTheFirstMove()
    {
        BoardBench bench;
        bench.Store.Write("Board", "TimingActive", "1");
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        QVERIFY(bench.Action("mnuOptionTimingActive")->isChecked());
        bench.MovePair(72);
        QCOMPARE(bench.Text("lblTimeGone"), QString());
        const std::vector<std::pair<int, QString>> expected{{7, "7s"}, {30, "0m30s"}, {65, "1m05s"}, {3725, "2m05s"}};
        int elapsed = 0;
        for (const auto& [seconds, text] : expected) {
            bench.Time.AdvanceSeconds(seconds - elapsed);
            elapsed = seconds;
            QVERIFY(bench.Timer.Tick());
            QCOMPARE(bench.Text("lblTimeGone"), text);
        }
    }

    void ClockOptionIsStoredAndOnlyChangeableBeforeTheFirstMove()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.Action("mnuOptionTimingActive")->trigger();
        QVERIFY(bench.Action("mnuOptionTimingActive")->isChecked());
        QCOMPARE(bench.Store.Values().at({"Board", "TimingActive"}), std::string("1"));
        bench.MovePair(72);
        QVERIFY(!bench.Action("mnuOptionTimingActive")->isEnabled());
        QVERIFY(bench.Timer.IsActive());
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
