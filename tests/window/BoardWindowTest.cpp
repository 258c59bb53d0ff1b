// The board window around play: moves by mouse and keys, the saved deal, the language
// switch, game files, the window's place and the menus.
#include "BoardBench.h"

#include "records/GameFile.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace tessaron {

namespace {

// One line per entry in display order: a menu (depth 0), its items (1), the items of a
// submenu (2). "-" is a separator; no German text means the same text in both languages.
struct MenuLine {
    int Depth;
    const char* English;
    const char* German = nullptr;
    const char* Shortcut = "";
};

const MenuLine BoardMenuBar[] = {
    {0, "File", "Datei"},
    {1, "New Game", "Neues Spiel", "Ctrl+N"},
    {1, "Load game...", "Spiel laden...", "Ctrl+O"},
    {1, "-"},
    {1, "Save game...", "Spiel speichern...", "Ctrl+S"},
    {1, "-"},
    {1, "Hall of Fame...", "Ruhmeshalle..."},
    {1, "Statistics...", "Statistik..."},
    {1, "-"},
    {1, "Quit", "Beenden", "Ctrl+Q"},
    {0, "Game", "Spiel"},
    {1, "Undo last move", "Letzten Zug zurücknehmen", "Ctrl+Z"},
    {1, "Redo next move", "Nächsten Zug wiederholen", "Ctrl+V"},
    {1, "-"},
    {1, "Do move (remove tiles)", "Ziehen (Steine entfernen)", "Ctrl+X"},
    {1, "-"},
    {1, "Peek (remove tile)", "Nachschauen (Stein entfernen)", "Ctrl+P"},
    {1, "-"},
    {1, "Restart game", "Spiel wiederholen", "Ctrl+R"},
    {1, "-"},
    {1, "Pause", "Pause", "Pause"},
    {1, "-"},
    {1, "Hint", "Tipp", "Ctrl+H"},
    {1, "Shuffle", "Mischen", "Ctrl+F"},
    {1, "Demo", "Vorführung", "Ctrl+D"},
    {1, "-"},
    {1, "Layout...", "Aufstellung..."},
    {1, "-"},
    {1, "New numbered game...", "Neues Spiel mit Nummer..."},
    {1, "Deal of the day", "Spiel des Tages"},
    {1, "New game by difficulty", "Neues Spiel nach Schwierigkeit"},
    {2, "Easy", "Leicht"},
    {2, "Medium", "Mittel"},
    {2, "Hard", "Schwer"},
    {2, "Expert", "Experte"},
    {0, "Option", "Einstellungen"},
    {1, "Play against the clock", "Spiel gegen die Uhr"},
    {1, "Warn when the game is lost", "Warnen, wenn das Spiel verloren ist"},
    {1, "Full screen", "Vollbild", "F11"},
    {1, "-"},
    {1, "Sound..."},
    {1, "Preferences...", "Voreinstellungen..."},
    {1, "-"},
    {1, "Language", "Sprache"},
    {2, "English"},
    {2, "Deutsch"},
    {0, "?"},
    {1, "How to play...", "Spielanleitung...", "F1"},
    {1, "-"},
    {1, "About...", "Über..."},
};

QString Line(int depth, const QString& text, const QString& shortcut)
{
    return QString(depth * 2, QLatin1Char(' ')) + text + (shortcut.isEmpty() ? QString() : QStringLiteral("  ") + shortcut);
}

// Each caption as read, without its Alt mnemonic marker. Within one menu every caption with
// a letter has a mnemonic and no two share one; faults lists those that do not.
void AddShown(const QList<QAction*>& items, int depth, QStringList& lines, QStringList& faults)
{
    QSet<QChar> used;
    for (const QAction* item : items) {
        QString text = item->text();
        const qsizetype marker = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        if (!item->isSeparator() && text.contains(QRegularExpression(QStringLiteral("\\w")))) {
            if (marker < 0)
                faults << QStringLiteral("no mnemonic: ") + text;
            else if (used.contains(text[marker + 1].toLower()))
                faults << QStringLiteral("mnemonic taken: ") + text;
            else
                used.insert(text[marker + 1].toLower());
        }
        if (marker >= 0) text.remove(marker, 1);
        lines << Line(depth, item->isSeparator() ? QStringLiteral("-") : text,
                      item->shortcut().toString(QKeySequence::PortableText));
        if (item->menu()) AddShown(item->menu()->actions(), depth + 1, lines, faults);
    }
}

// Window places and sizes are stored in twips: 15 to the pixel at 96 dpi.
constexpr float Twips = 15.0f;

} // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT

private slots:
    // A move by two clicks and the button and by a double click (Enter on the default button
    // makes the moves of the keyboard and hint tests); undo, redo and restart (which keeps the
    // moves for redo) by their shortcuts; clicks beside the tiles only stop the sound.
    // A quick click a few pixels from the last one arrives as the second press of a double
    // click: on any tile but the second of the pair it is a click of its own.
    void MovesByMouseAndKeysWithTheirShortcuts()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.MovePair(72);
        const auto [first, second] = bench.Deal.Pair(71);
        QTest::mouseDClick(bench.Tile(first), Qt::LeftButton, {}, QPoint(20, 28));
        QCOMPARE(bench.Board->Model().SelectedTile1(), first);
        bench.DoubleClick(first);  // deselected and selected again
        QCOMPARE(bench.Board->Model().SelectedTile1(), first);
        bench.DoubleClick(second);
        QCOMPARE(bench.VisibleTiles(), 140);
        const std::pair<Qt::Key, int> shortcuts[] = {{Qt::Key_Z, 142}, {Qt::Key_V, 140}, {Qt::Key_R, 144}};
        for (const auto& [key, visible] : shortcuts) {
            bench.Key(key, Qt::ControlModifier);
            QCOMPARE(bench.VisibleTiles(), visible);
        }
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
    // so undo never sees an odd removal list. A peek leaves the count alone, but a language
    // switch writes it anew from the tiles off the board, and with all of them lifted the
    // banner comes up. Restart ends peek mode.
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
        bench.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bench.VisibleTiles(), 141);
        bench.Click(2);  // locked, lifted all the same with a double click
        bench.DoubleClick(2);
        QCOMPARE(bench.Text("lblTileCount"), QString("142 of 144"));

        bench.Action("mnuOptionLocaleSelect_1")->trigger();
        QCOMPARE(bench.Text("lblTileCount"), QString("140 von 144"));
        QCOMPARE(bench.Text("lblGameOrigin"), QString("Neues Spiel (gespeichert)"));
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

    // Without a readable stored game the first start deals a new game, silently, and leaves
    // the window's place to the window manager. The next start resumes the deal from the
    // full board with its origin, at the place the window had. A maximised window leaves the
    // stored place alone; a stored place off the desktop is not taken.
    void FirstStartDealsANewGameAndTheNextResumesItWithItsOriginAndPlace()
    {
        BoardBench damaged, bench;
        damaged.Store.Write("Board", "Game", std::string(143, '!'));
        for (BoardBench* first : {&damaged, &bench}) {
            QVERIFY(first->Open());
            QVERIFY(!first->Board->testAttribute(Qt::WA_Moved));
            QCOMPARE(first->Board->windowTitle(), QString("Tessaron"));
            QCOMPARE(first->Board->centralWidget()->size(), QSize(580, 474));
            QCOMPARE(first->Text("lblGameOrigin"), QString("New game"));
            QCOMPARE(first->VisibleTiles(), 144);
            QCOMPARE(first->Sound.Events, std::vector<std::int32_t>{SoundNewGame});
            QVERIFY(first->Report.Box.Boxes.empty());
            QCOMPARE(first->Report.Box.Beeps, 0);
        }
        damaged.Close();

        const TileArray faces = bench.Board->Model().TileFaces();
        bench.Click(88);
        bench.Board->move(100, 50);
        const QPoint place = bench.Board->frameGeometry().topLeft();
        bench.Close();
        QCOMPARE(bench.Store.Values().at({"Board", "Game"}), ConvertTilesToString(faces, bench.Report.Errors));
        QCOMPARE(bench.Settings.LoadRegistrySingle("Board", "Left", 0), place.x() * Twips);
        QCOMPARE(bench.Settings.LoadRegistrySingle("Board", "Top", 0), place.y() * Twips);

        bench.Sound.Clear();
        QVERIFY(bench.Open());
        QCOMPARE(bench.Board->Model().TileFaces(), faces);
        QCOMPARE(bench.Text("lblGameOrigin"), QString("New game (saved)"));
        QCOMPARE(bench.Sound.Events, std::vector<std::int32_t>{SoundRestartGame});
        QCOMPARE(bench.VisibleTiles(), 144);
        QCOMPARE(bench.Board->frameGeometry().topLeft(), place);
        bench.Board->move(200, 80);
        bench.Board->setWindowState(Qt::WindowMaximized);
        bench.Close();
        QCOMPARE(bench.Settings.LoadRegistrySingle("Board", "Left", 0), place.x() * Twips);

        bench.Store.Write("Board", "GameOrigin", "Puzzle");
        bench.Store.Write("Board", "Left", "9999999");
        QVERIFY(bench.Open());
        QCOMPARE(bench.Text("lblGameOrigin"), QString("Puzzle"));
        QVERIFY(bench.Board->frameGeometry().left() < 5000);
    }

    // A cancelled dialog remembers nothing. A saved file loads again from the full board
    // under its name, and each dialog opens at its own last file: saving never moves the
    // folder the load dialog opens in.
    void GameFileSavedAndLoadedAgainDealsFromTheFullBoardUnderItsName()
    {
        QTemporaryDir folder;
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.FileDialog.Choice.reset();
        bench.Key(Qt::Key_S, Qt::ControlModifier);
        bench.Key(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(bench.FileDialog.Requests.size(), std::size_t(2));
        QCOMPARE(bench.Store.Values().count({"Board", "PathGameSave"}), std::size_t(0));
        QCOMPARE(bench.Store.Values().count({"Board", "PathGameOpen"}), std::size_t(0));

        const std::string path = folder.filePath("Puzzle.tsg").toStdString();
        bench.FileDialog.Choice = FileDialogChoice{path, "Puzzle.tsg"};
        bench.Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(QFileInfo(QString::fromStdString(path)).size(), qint64(GameFileSize));
        QVERIFY(bench.FileDialog.Requests.back().Save);
        QCOMPARE(bench.FileDialog.Requests.back().Filter, std::string("Tessaron game files (*.tsg)|*.tsg"));

        bench.Key(Qt::Key_N, Qt::ControlModifier);
        bench.Click(1);  // the top tile is free in any deal: a peek lifts it, a load puts it back
        bench.Key(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(bench.VisibleTiles(), 143);
        bench.Key(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(bench.FileDialog.Requests.back().InitialFileName, std::string());
        QCOMPARE(bench.Board->Model().TileFaces(), bench.Deal.Faces);
        QCOMPARE(bench.Text("lblGameOrigin"), QString("Puzzle"));
        QCOMPARE(bench.VisibleTiles(), 144);
        QCOMPARE(bench.Store.Values().at({"Board", "PathGameOpen"}), path);
        QCOMPARE(bench.Store.Values().at({"Board", "PathGameSave"}), path);
        bench.Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(bench.FileDialog.Requests.back().InitialFileName, path);
    }

    // The menu bar as the player reads it in both languages, with Alt mnemonics that never
    // clash within a menu, and the items that open the companions over the board.
    void MenuBarReadsAsTheTableInEachLanguage()
    {
        BoardBench bench;
        QVERIFY(bench.Open());
        for (const std::int32_t language : {1, 0}) {
            bench.Action(language == 1 ? "mnuOptionLocaleSelect_1" : "mnuOptionLocaleSelect_0")->trigger();
            QStringList shown, expected, faults;
            AddShown(bench.Board->menuBar()->actions(), 0, shown, faults);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
            for (const MenuLine& line : BoardMenuBar) {
                const char* text = language == 1 && line.German ? line.German : line.English;
                expected << Line(line.Depth, QString::fromUtf8(text), QString::fromLatin1(line.Shortcut));
            }
            QCOMPARE(shown, expected);
        }

        const TileArray before = bench.Board->Model().TileFaces();
        bench.Companions.HallOfFameAnswer = 2;  // new game
        bench.Action("mnuFileShowHallOfFame")->trigger();
        QCOMPARE(bench.Companions.HallOfFameOwners, std::vector<QWidget*>{bench.Board.get()});
        QVERIFY(bench.Board->Model().TileFaces() != before);
        bench.Action("mnuOptionEditSounds")->trigger();
        bench.Action("mnuHelpAbout")->trigger();
        QCOMPARE(bench.Companions.SoundDialogOwners, std::vector<QWidget*>{bench.Board.get()});
        QCOMPARE(bench.Companions.AboutDialogOwners, std::vector<QWidget*>{bench.Board.get()});
    }
};

} // namespace tessaron

int RunBoardWindowTests(int argc, char** argv)
{
    tessaron::BoardWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BoardWindowTest.moc"
