// The board window around play: the saved deal, the language switch, game files, the
// window's place and the menus that open other windows.
#include "BoardBench.h"

#include "records/GameFile.h"
#include "window/QtFileDialog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace tessaron {

class BoardGameTest : public QObject {
    Q_OBJECT

private slots:
    // Without a readable stored game the first start deals a new game, silently, and leaves
    // the window's place to the window manager.
    void FirstStartOrDamagedStoredGameDealsANewGame()
    {
        for (const std::string& stored : {std::string(), std::string(143, '!')}) {
            BoardBench bench;
            if (!stored.empty()) bench.Store.Write("Board", "Game", stored);
            QVERIFY(bench.Open());
            QVERIFY(!bench.Board->testAttribute(Qt::WA_Moved));
            QCOMPARE(bench.Board->windowTitle(), QString("Tessaron"));
            QCOMPARE(bench.Board->centralWidget()->size(), QSize(580, 474));
            QCOMPARE(bench.Text("lblGameOrigin"), QString("New game"));
            QCOMPARE(bench.VisibleTiles(), 144);
            QCOMPARE(bench.Sound.Events, std::vector<std::int32_t>{SoundNewGame});
            QVERIFY(bench.Report.Box.Boxes.empty());
            QCOMPARE(bench.Report.Box.Beeps, 0);
        }
    }

    void CloseAndRestartResumesTheSameDealWithItsOrigin()
    {
        BoardBench bench;
        QVERIFY(bench.Open());
        const TileArray faces = bench.Board->Model().TileFaces();
        bench.Click(88);
        bench.Board->move(100, 50);
        const QPoint place = bench.Board->frameGeometry().topLeft();
        const double twips = 1440.0 / bench.Board->logicalDpiX();
        bench.Close();
        QCOMPARE(bench.Store.Values().at({"Board", "Game"}), ConvertTilesToString(faces, bench.Report.Errors));
        QCOMPARE(bench.Settings.LoadRegistrySingle("Board", "Left", 0), float(place.x() * twips));
        QCOMPARE(bench.Settings.LoadRegistrySingle("Board", "Top", 0), float(place.y() * twips));

        bench.Sound.Clear();
        QVERIFY(bench.Open());
        QCOMPARE(bench.Board->Model().TileFaces(), faces);
        QCOMPARE(bench.Text("lblGameOrigin"), QString("New game (saved)"));
        QCOMPARE(bench.Sound.Events, std::vector<std::int32_t>{SoundRestartGame});
        QCOMPARE(bench.VisibleTiles(), 144);
        QCOMPARE(bench.Board->frameGeometry().topLeft(), place);

        bench.Close();
        bench.Store.Write("Board", "GameOrigin", "Puzzle");
        QVERIFY(bench.Open());
        QCOMPARE(bench.Text("lblGameOrigin"), QString("Puzzle"));
    }

    void SavedPlaceIsUsedOnlyWhenTheWindowStaysOnTheScreen()
    {
        BoardBench bench;
        bench.Store.Write("Board", "Left", "1500");  // twips: 100 pixels at 96 dpi
        bench.Store.Write("Board", "Top", "750");
        QVERIFY(bench.Open());
        const double twips = 1440.0 / bench.Board->logicalDpiX();
        QCOMPARE(bench.Board->frameGeometry().topLeft(), QPoint(qRound(1500 / twips), qRound(750 / twips)));
        bench.Board->move(200, 80);
        bench.Board->setWindowState(Qt::WindowMaximized);
        bench.Close();  // a maximised window leaves the stored place alone
        QCOMPARE(bench.Store.Values().at({"Board", "Left"}), std::string("1500"));

        BoardBench far;
        far.Store.Write("Board", "Left", "9999999");
        far.Store.Write("Board", "Top", "750");
        QVERIFY(far.Open());
        QVERIFY(far.Board->frameGeometry().left() < 5000);
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
        bench.MovePair(72);  // whatever: the loaded deal starts from the full board
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

    // The patterns show once, in Qt's form, whether or not the description shows them.
    void FileDialogFilterTakesQtsForm()
    {
        const std::pair<const char*, const char*> cases[] = {
            {"Tessaron game files (*.tsg)|*.tsg", "Tessaron game files (*.tsg)"},
            {"Sound files (*.mid;*.mp3;*.rmi;*.wav)|*.mid;*.mp3;*.rmi;*.wav", "Sound files (*.mid *.mp3 *.rmi *.wav)"},
            {"Sounds|*.wav;*.mid|All (*.*)|*.*", "Sounds (*.wav *.mid);;All (*.*)"},
        };
        for (const auto& [filter, shown] : cases)
            QCOMPARE(QString::fromStdString(QtFileDialogFilter(filter)), QString(shown));
    }

    void MenusOpenTheCompanionsOverTheBoard()
    {
        BoardBench bench;
        QVERIFY(bench.Open());
        const TileArray before = bench.Board->Model().TileFaces();
        bench.Companions.HallOfFameAnswer = 2;  // new game
        bench.Action("mnuFileShowHallOfFame")->trigger();
        QCOMPARE(bench.Companions.HallOfFameOwners.size(), std::size_t(1));
        QVERIFY(bench.Board->Model().TileFaces() != before);
        bench.Action("mnuOptionEditSounds")->trigger();
        bench.Action("mnuHelpAbout")->trigger();
        QCOMPARE(bench.Companions.SoundDialogOwners, std::vector<QWidget*>{bench.Board.get()});
        QCOMPARE(bench.Companions.AboutDialogOwners, std::vector<QWidget*>{bench.Board.get()});
    }
};

} // namespace tessaron

int RunBoardGameTests(int argc, char** argv)
{
    tessaron::BoardGameTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BoardGameTest.moc"
