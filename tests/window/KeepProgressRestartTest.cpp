// "KeepProgress" across a real restart: this program runs itself twice on one settings file
// in a temporary folder. The first run plays and closes the board window the orderly way;
// the second starts it on the same file and checks what came back. The clock is a manual
// one in each run, so the kept time is exact without timing the processes.
#include "BoardBench.h"

#include "board/Rules.h"
#include "shell/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <iostream>

namespace tessaron {

namespace {

// The board window on the doubles of BoardBench, but with its settings in an INI file.
struct FileBench {
    explicit FileBench(const QString& folder)
        : Store(QDir(folder).filePath(QStringLiteral("settings.ini")).toStdString())
    {
        Geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f);
        Deal = GenerateDeal(Geometry, Doubles.Report.Errors, 5);
        Doubles.Texts.SetLocale();
    }

    bool Open()
    {
        Board = std::make_unique<frmBoard>(Wiring, Companions, BoardOptions{&Timer, [] {}, nullptr, nullptr});
        Board->show();
        if (!QTest::qWaitFor([this] { return Board->Model().DealExists(); }, 20000)) return false;
        Board->activateWindow();
        return QTest::qWaitForWindowActive(Board.get());
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QCoreApplication::processEvents();
        QTest::keyClick(Board.get(), key, modifiers);
    }
    void Move(std::int32_t first, std::int32_t second)
    {
        for (std::int32_t tile : {first, second})
            QTest::mouseClick(Board->findChild<TilePicture*>(QStringLiteral("imgTile_%1").arg(tile)), Qt::LeftButton,
                              {}, QPoint(20, 28));
        QTest::mouseClick(Board->findChild<QPushButton*>(QStringLiteral("cmdRemoveTiles")), Qt::LeftButton);
    }
    int Seconds() const { return qRound(Board->GameClockState().GameTime() * 86400.0); }
    const Play& Model() const { return Board->Model(); }

    DoubleServices Doubles{99};
    QtSettingsStore Store;
    Registry Settings{Store, Doubles.Report.Errors, Doubles.System};
    Services Wiring{Settings,      Doubles.Texts, Doubles.Report.Errors, Doubles.Report.Box, Doubles.Sound,
                    Doubles.Random, Doubles.Time, Doubles.FileDialog,    Doubles.Links,      Doubles.Program};
    BoardGeometry Geometry{Doubles.Report.Errors};
    RecordingCompanions Companions;
    ManualTimer Timer;
    KnownDeal Deal;
    std::unique_ptr<frmBoard> Board;
};

// What a run found wrong, one line each; empty when all held.
std::vector<std::string> failures;

void Expect(bool holds, const std::string& what)
{
    if (!holds) failures.push_back(what);
}

std::string FacesText(const TileArray& faces)
{
    std::string text;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) text += std::to_string(faces[tile]) + ' ';
    return text;
}

// The runs. Each starts the board on the settings file in folder and closes it at the end.
void Run(const std::string& role, const QString& folder)
{
    FileBench bench(folder);
    QFile expected(QDir(folder).filePath(QStringLiteral("faces.txt")));
    if (role == "play" || role == "shuffle") {
        bench.Settings.SaveRegistryString("Board", "TimingActive", "1", "0");
        bench.Settings.SaveRegistryString("Board", "KeepProgress", "1", "");
        const TileArray deal = role == "play" ? bench.Deal.Faces : DeadEndDeal(1);
        bench.Settings.SaveRegistryString("Board", "Game", ConvertTilesToString(deal, bench.Doubles.Report.Errors), "");
    }
    if (!bench.Open()) {
        failures.push_back("the board did not open");
        return;
    }
    if (role == "play") {
        // Three moves, the last one undone, 90 s on the clock; the time before the close counts.
        bench.Move(bench.Deal.Pair(72).first, bench.Deal.Pair(72).second);
        bench.Doubles.Time.AdvanceSeconds(30);
        for (int k : {71, 70}) bench.Move(bench.Deal.Pair(k).first, bench.Deal.Pair(k).second);
        bench.Key(Qt::Key_Z, Qt::ControlModifier);
        bench.Doubles.Time.AdvanceSeconds(60);
    } else if (role == "resume") {
        Expect(bench.Model().RemovedCount() == 4, "the position did not come back");
        Expect(bench.Timer.IsActive(), "the clock does not run on");
        Expect(bench.Seconds() == 90, "the clock went on from " + std::to_string(bench.Seconds()) + " s, not 90 s");
        bench.Doubles.Time.AdvanceSeconds(10);
        bench.Timer.Tick();
        Expect(bench.Seconds() == 100, "10 s later the clock shows " + std::to_string(bench.Seconds()) + " s");
        bench.Key(Qt::Key_V, Qt::ControlModifier);
        Expect(bench.Model().RemovedCount() == 6, "redo did not take the undone move again");
        for (int undo = 0; undo < 3; ++undo) bench.Key(Qt::Key_Z, Qt::ControlModifier);
        Expect(bench.Model().RemovedCount() == 0, "undo did not walk back to the full board");
    } else if (role == "shuffle") {
        // The dead end, Game › Shuffle, and a move on the new faces.
        bench.Move(88, 114);
        bench.Key(Qt::Key_F, Qt::ControlModifier);
        const Play& play = bench.Model();
        Expect(play.TileFaces() != DeadEndDeal(1), "the shuffle did not change the faces");
        for (std::int32_t a = 1; a <= TileCount && play.RemovedCount() == 2; ++a)
            for (std::int32_t b = a + 1; b <= TileCount && play.RemovedCount() == 2; ++b)
                if (play.IsPresent(a) && play.IsPresent(b) && !play.IsLocked(a) && !play.IsLocked(b) &&
                    !TilesAreNotMatching(play.TileFaces(), a, b))
                    bench.Move(a, b);
        Expect(play.RemovedCount() == 4, "no move after the shuffle");
        expected.open(QIODevice::WriteOnly);
        expected.write(FacesText(play.TileFaces()).c_str());
    } else if (role == "resume-shuffled") {
        const Play& play = bench.Model();
        expected.open(QIODevice::ReadOnly);
        const std::string shuffled = expected.readAll().toStdString();
        Expect(play.RemovedCount() == 4 && FacesText(play.TileFaces()) == shuffled,
               "the shuffled faces and the move after them did not come back");
        for (int undo = 0; undo < 2; ++undo) bench.Key(Qt::Key_Z, Qt::ControlModifier);
        Expect(play.RemovedCount() == 2 && play.TileFaces() == DeadEndDeal(1), "undo did not take the shuffle back");
        for (int redo = 0; redo < 2; ++redo) bench.Key(Qt::Key_V, Qt::ControlModifier);
        Expect(play.RemovedCount() == 4 && FacesText(play.TileFaces()) == shuffled, "redo did not shuffle again");
    } else if (role == "fresh") {
        Expect(bench.Model().RemovedCount() == 0, "a damaged kept position did not start the deal afresh");
    }
    Expect(bench.Doubles.Report.Box.Boxes.empty(), "a message box showed");
    bench.Board->close();
    bench.Board.reset();
}

} // namespace

class KeepProgressRestartTest : public QObject {
    Q_OBJECT

    // Runs this program in role on the settings in folder; "" when the run found nothing wrong.
    static QString RunProcess(const QString& role, const QString& folder)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QCoreApplication::applicationFilePath(), {role, folder});
        if (!process.waitForFinished(300000)) return role + QStringLiteral(": did not end");
        if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return {};
        return role + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAll());
    }

private slots:
    // Moves, an undo and 90 s on the clock; the next run goes on with undo, redo and the time.
    void PositionUndoRedoAndClockGoOn()
    {
        QTemporaryDir folder;
        QCOMPARE(RunProcess(QStringLiteral("play"), folder.path()), QString());
        QCOMPARE(RunProcess(QStringLiteral("resume"), folder.path()), QString());
    }

    // A game with a shuffle comes back with the shuffled faces; undo takes the shuffle back.
    void ShuffledFacesComeBack()
    {
        QTemporaryDir folder;
        QCOMPARE(RunProcess(QStringLiteral("shuffle"), folder.path()), QString());
        QCOMPARE(RunProcess(QStringLiteral("resume-shuffled"), folder.path()), QString());
    }

    // A damaged kept position is dropped: the deal starts from the full board, silently.
    void DamagedProgressStartsFresh()
    {
        QTemporaryDir folder;
        QCOMPARE(RunProcess(QStringLiteral("play"), folder.path()), QString());
        QtSettingsStore(QDir(folder.path()).filePath(QStringLiteral("settings.ini")).toStdString())
            .Write("Board", "Progress", "2,2,0,0,0,0;1,1");
        QCOMPARE(RunProcess(QStringLiteral("fresh"), folder.path()), QString());
    }
};

} // namespace tessaron

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc == 3) {
        tessaron::QuietResizeWarnings();
        tessaron::Run(argv[1], QString::fromLocal8Bit(argv[2]));
        for (const std::string& failure : tessaron::failures) std::cerr << failure << '\n';
        return tessaron::failures.empty() ? 0 : 1;
    }
    tessaron::KeepProgressRestartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "KeepProgressRestartTest.moc"
