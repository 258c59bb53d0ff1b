// The preferences in the board window, each on and off: the move options, Enter, the two
// options the menu also has; and beside them the extra redo keys, full screen, the peek-mode
// text and the help window.
#include "BoardBench.h"

#include "board/Rules.h"
#include "window/BoardCommands.h"
#include "help/frmHelp.h"
#include "preferences/Preferences.h"

#include <QTest>

namespace tessaron {

namespace {

// A free tile that does not match tile.
std::int32_t FreeOtherKind(const frmBoard& board, std::int32_t tile)
{
    const Play& play = board.Model();
    for (std::int32_t other = 1; other <= TileCount; ++other)
        if (play.IsPresent(other) && !play.IsLocked(other) && TilesAreNotMatching(play.TileFaces(), tile, other))
            return other;
    return 0;
}

// Chooses values in the preferences dialog as the player would and saves them.
void ChoosePreferences(BoardBench& bench, std::initializer_list<std::pair<Preference, bool>> changes)
{
    Preferences held(bench.Settings);
    held.Load();
    PreferenceValues chosen = held.Values();
    for (const auto& [preference, on] : changes) chosen[preference] = on;
    bench.Companions.PreferencesChosen = chosen;
    bench.Action("mnuOptionPreferences")->trigger();
}

} // namespace

class PreferencesTest : public QObject {
    Q_OBJECT

private slots:
    // A pair taken by its second click sounds and starts the clock exactly as Do move does.
    void PairOnSecondClickIsDoMove()
    {
        std::vector<std::int32_t> sounds[2];
        double started[2]{};
        for (const bool onSecondClick : {false, true}) {
            BoardBench bench;
            bench.Settings.SaveRegistryString("Board", "TimingActive", "1", "0");
            bench.StoreGame(bench.Deal.Faces);
            QVERIFY(bench.Open());
            ChoosePreferences(bench, {{Preference::PairOnSecondClick, onSecondClick}});
            QCOMPARE(bench.Companions.PreferencesOwners.size(), std::size_t(1));
            QCOMPARE(bench.Board->Model().Options().PairOnSecondClick, onSecondClick);
            const auto [first, second] = bench.Deal.Pair(72);
            bench.Time.AdvanceSeconds(7);
            bench.Sound.Clear();
            bench.Click(first);
            bench.Click(second);
            QCOMPARE(bench.VisibleTiles(), onSecondClick ? 142 : 144);
            if (!onSecondClick) bench.Press("cmdRemoveTiles");
            QCOMPARE(bench.VisibleTiles(), 142);
            sounds[onSecondClick] = bench.Sound.Calls;
            started[onSecondClick] = bench.Board->GameClockState().GameTimeStart();
            QVERIFY(bench.Timer.IsActive());
            QVERIFY(bench.Action("mnuGameUndoLastMove")->isEnabled());
        }
        QCOMPARE(sounds[1], sounds[0]);
        QCOMPARE(started[1], started[0]);
    }

    // Stored before the start, the choices are in force from the first click.
    void ClickMovesSelectionAndEnterNeverPeeks()
    {
        for (const bool on : {false, true}) {
            BoardBench bench;
            if (on) {
                bench.Settings.SaveRegistryString("Board", "ClickMovesSelection", "1", "");
                bench.Settings.SaveRegistryString("Board", "EnterNeverPeeks", "1", "");
            }
            bench.StoreGame(bench.Deal.Faces);
            QVERIFY(bench.Open());
            const std::int32_t first = bench.Deal.Pair(72).first;
            const std::int32_t other = FreeOtherKind(*bench.Board, first);
            QVERIFY(other != 0);
            bench.Click(first);
            bench.Click(other);
            QCOMPARE(bench.Board->Model().SelectedTile1(), on ? other : first);
            bench.Key(Qt::Key_Return);
            QCOMPARE(bench.Board->Model().PeekMode(), !on);
            QCOMPARE(bench.VisibleTiles(), on ? 144 : 143);
            // Peek stays on its shortcut.
            bench.Key(Qt::Key_P, Qt::ControlModifier);
            QVERIFY(bench.Board->Model().PeekMode());
        }
    }

    // The clock option and the lost-game warning follow the dialog, with their check marks;
    // the clock option may be changed only before the first move, as its menu item.
    void ClockAndWarningFollowTheDialog()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        QVERIFY(bench.Action("mnuOptionWarnLost")->isChecked());
        ChoosePreferences(bench, {{Preference::TimingActive, true}, {Preference::WarnLost, false}});
        QVERIFY(bench.Companions.TimingChangeable);
        QVERIFY(bench.Board->GameClockState().TimingActive());
        QVERIFY(bench.Action("mnuOptionTimingActive")->isChecked());
        QVERIFY(!bench.Action("mnuOptionWarnLost")->isChecked());
        bench.MovePair(72);
        ChoosePreferences(bench, {{Preference::WarnLost, true}});
        QVERIFY(!bench.Companions.TimingChangeable);
        QVERIFY(bench.Action("mnuOptionWarnLost")->isChecked());
        QVERIFY(bench.Board->GameClockState().TimingActive());
    }

    // The free pairs after the tile count and the marks on the selected tile's free matches:
    // shown and spoken only while on, read again after every change, in both languages.
    void FreePairsAndMatchesAreShownAndSpokenWhileOn()
    {
        BoardBench bench;
        bench.StoreGame(DeadEndDeal(1));  // 88 and 114 are the one free pair
        QVERIFY(bench.Open());
        const auto marked = [&bench] {
            std::vector<std::int32_t> tiles;
            for (std::int32_t tile = 1; tile <= TileCount; ++tile)
                if (bench.Tile(tile)->MatchMark()) tiles.push_back(tile);
            return tiles;
        };
        const QImage unmarked = bench.Tile(114)->grab().toImage();
        bench.Click(88);
        QCOMPARE(bench.Text("lblTileCount"), QString("144 of 144"));
        QVERIFY(marked().empty());

        ChoosePreferences(bench, {{Preference::ShowFreePairs, true}, {Preference::ShowMatches, true}});
        QCOMPARE(bench.Text("lblTileCount"), QString("144 of 144, 1 free pair"));
        QCOMPARE(marked(), std::vector<std::int32_t>{114});
        QVERIFY(bench.Tile(114)->grab().toImage() != unmarked);
        QVERIFY(!bench.Tile(114)->Bright());
        bench.Click(88);
        QVERIFY(marked().empty());
        bench.Click(114);
        QCOMPARE(marked(), std::vector<std::int32_t>{88});
        QTRY_VERIFY(bench.Spoken("selected, 1 free tile matches"));
        bench.Click(114);
        const std::int32_t lonely = FreeOtherKind(*bench.Board, 114);
        bench.Click(lonely);
        QVERIFY(marked().empty());
        QTRY_VERIFY(bench.Spoken("selected, No free tile matches"));
        bench.Click(lonely);

        bench.Move(88, 114);
        QCOMPARE(bench.Text("lblTileCount"), QString("142 of 144, 0 free pairs"));
        QTRY_VERIFY(bench.Spoken("Pair removed, 142 of 144, 0 free pairs"));
        bench.Action("mnuOptionLocaleSelect_1")->trigger();
        QCOMPARE(bench.Text("lblTileCount"), QString("142 von 144, 0 freie Paare"));
        bench.Press("cmdUndoLastMove");
        QCOMPARE(bench.Text("lblTileCount"), QString("144 von 144, 1 freies Paar"));
        QTRY_VERIFY(bench.Spoken("144 von 144, 1 freies Paar"));
        bench.Click(88);
        QTRY_VERIFY(bench.Spoken("1 freier Stein passt"));

        ChoosePreferences(bench, {{Preference::ShowFreePairs, false}, {Preference::ShowMatches, false}});
        QCOMPARE(bench.Text("lblTileCount"), QString("144 von 144"));
        QVERIFY(marked().empty());
        QVERIFY(!bench.Store.Read("Board", "ShowFreePairs").has_value());
    }

    // Ctrl+Y and Ctrl+Shift+Z redo beside Ctrl+V; F11 switches full screen on and off.
    void MoreKeys()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.MovePair(72);
        for (const auto& [key, modifiers] : {std::pair{Qt::Key_Y, Qt::KeyboardModifiers(Qt::ControlModifier)},
                                             std::pair{Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}}) {
            bench.Key(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(bench.VisibleTiles(), 144);
            bench.Key(key, modifiers);
            QCOMPARE(bench.VisibleTiles(), 142);
        }
        for (const bool full : {true, false}) {
            bench.Key(Qt::Key_F11);
            QCOMPARE(bench.Board->isFullScreen(), full);
            QCOMPARE(bench.Action("mnuOptionFullScreen")->isChecked(), full);
        }
    }

    // Peek mode says itself in the dead-end text's place, to the eye and to a screen reader,
    // until the game is restarted.
    void PeekModeIsShownAndSpoken()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        const QString text("Peek mode: restart the game to play on");
        QVERIFY(!bench.Label("lblPeekMode")->isVisible());
        bench.Click(bench.Deal.Pair(72).first);
        bench.Key(Qt::Key_P, Qt::ControlModifier);
        QVERIFY(bench.Label("lblPeekMode")->isVisible());
        QCOMPARE(bench.Text("lblPeekMode"), text);
        const auto spoken = [&bench, &text] {
            for (const QLabel* announcer : bench.Board->centralWidget()->findChildren<QLabel*>("BoardAnnouncement"))
                if (announcer->text().contains(text)) return true;
            return false;
        };
        QTRY_VERIFY(spoken());
        bench.Action("mnuOptionLocaleSelect_1")->trigger();
        QCOMPARE(bench.Text("lblPeekMode"), QString("Nachschaumodus: Spiel wiederholen, um weiterzuspielen"));
        bench.Key(Qt::Key_R, Qt::ControlModifier);
        QVERIFY(!bench.Label("lblPeekMode")->isVisible());
    }

    // With "KeepProgress" a closed and opened board goes on at the same position with undo,
    // redo and the clock (the time between the runs does not count); without it the deal
    // starts full. A damaged kept position is dropped silently.
    void KeepProgressGoesOnAfterARestart()
    {
        const auto seconds = [](const BoardBench& bench) {
            return qRound(bench.Board->GameClockState().GameTime() * 86400.0);
        };
        for (const bool keep : {false, true}) {
            BoardBench bench;
            bench.Settings.SaveRegistryString("Board", "TimingActive", "1", "0");
            bench.Settings.SaveRegistryString("Board", "KeepProgress", keep ? "1" : "", "");
            bench.StoreGame(bench.Deal.Faces);
            QVERIFY(bench.Open());
            bench.MovePair(72);
            bench.Time.AdvanceSeconds(30);
            bench.MovePair(71);
            bench.MovePair(70);
            bench.Key(Qt::Key_Z, Qt::ControlModifier);
            bench.Time.AdvanceSeconds(60);
            bench.Close();
            bench.Time.AdvanceSeconds(3600);
            QVERIFY(bench.Open());
            QCOMPARE(bench.VisibleTiles(), keep ? 140 : 144);
            QCOMPARE(bench.Timer.IsActive(), keep);
            if (!keep) continue;
            QCOMPARE(seconds(bench), 90);
            bench.Time.AdvanceSeconds(10);
            QVERIFY(bench.Timer.Tick());
            QCOMPARE(seconds(bench), 100);
            bench.Key(Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(bench.VisibleTiles(), 138);
            for (int undo = 0; undo < 3; ++undo) bench.Key(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(bench.VisibleTiles(), 144);

            bench.MovePair(72);
            bench.Close();
            bench.Store.Write("Board", "Progress", "2,2,0,0,0,0;1,1");
            QVERIFY(bench.Open());
            QCOMPARE(bench.VisibleTiles(), 144);
            QVERIFY(bench.Report.Box.Boxes.empty());
        }
    }

    // Paused, every face is hidden, the clock stands still and its time does not count, and
    // no command that changes the board is available; a click or any key goes on. With
    // "PauseWhenHidden" minimising pauses.
    void PauseHidesTheBoardAndStopsTheClock()
    {
        for (const bool whenHidden : {false, true}) {
            BoardBench bench;
            bench.Settings.SaveRegistryString("Board", "TimingActive", "1", "0");
            bench.Settings.SaveRegistryString("Board", "PauseWhenHidden", whenHidden ? "1" : "", "");
            bench.StoreGame(bench.Deal.Faces);
            QVERIFY(bench.Open());
            bench.MovePair(72);
            bench.Click(bench.Deal.Pair(71).first);
            bench.Time.AdvanceSeconds(10);
            bench.Key(Qt::Key_P);
            QCOMPARE(bench.VisibleTiles(), 0);
            QVERIFY(bench.Label("lblPaused")->isVisible());
            QCOMPARE(bench.Text("lblPaused"), QString("Paused"));
            QVERIFY(!bench.Timer.IsActive());
            for (const CommandRow& row : BoardCommandRows())
                if (row.Available)
                    QVERIFY2(bench.Action(row.Name)->isEnabled() == (row.Available == &CommandAvailability::Pause),
                             row.Name);
            bench.Time.AdvanceSeconds(300);
            for (const Qt::Key key : {Qt::Key_N, Qt::Key_Z, Qt::Key_Control, Qt::Key_Space, Qt::Key_Left, Qt::Key_Escape,
                                       Qt::Key_P, Qt::Key_F10}) {
                bench.Key(key);
                QCOMPARE(bench.VisibleTiles(), 142);
                QVERIFY(!bench.Label("lblPaused")->isVisible());
                QCOMPARE(bench.Board->Model().SelectedTile1(), bench.Deal.Pair(71).first);
                bench.Key(Qt::Key_Pause);
                QCOMPARE(bench.VisibleTiles(), 0);
            }
            QTest::mouseClick(bench.Board->centralWidget(), Qt::LeftButton, {}, QPoint(5, 200));
            QCOMPARE(bench.VisibleTiles(), 142);
            QTRY_VERIFY(bench.Spoken("The game goes on"));
            QVERIFY(bench.Timer.Tick());
            QCOMPARE(qRound(bench.Board->GameClockState().GameTime() * 86400.0), 10);
            bench.Board->showMinimized();
            QCOMPARE(bench.Label("lblPaused")->isHidden(), !whenHidden);
        }
    }

    // F1 opens the one help window, which follows a language switch.
    void HowToPlay()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.Key(Qt::Key_F1);
        auto* help = bench.Board->findChild<frmHelp*>();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QVERIFY(help->windowTitle().contains("How to play"));
        bench.Action("mnuHelpHowToPlay")->trigger();
        QCOMPARE(bench.Board->findChildren<frmHelp*>().size(), 1);
        bench.Action("mnuOptionLocaleSelect_1")->trigger();
        QVERIFY(help->windowTitle().contains("Spielanleitung"));
    }
};

} // namespace tessaron

int RunPreferencesTests(int argc, char** argv)
{
    tessaron::PreferencesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PreferencesTest.moc"
