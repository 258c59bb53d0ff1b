// What the player keeps survives damage and failures. The game starts on a settings store
// full of garbage with a playable deal, working windows and only the reports its conversions
// are meant to give. A save that cannot be completed leaves the previous file as it was, a
// load that fails leaves the game as it was, and a hall of fame entry is on disk the moment
// it is added, even for a game process killed right after (this program, started again).
#include "doubles/FakeMultimedia.h"
#include "halloffame/HallOfFame.h"
#include "halloffame/HallOfFameDialogs.h"
#include "halloffame/ModalDriver.h"
#include "halloffame/frmHallOfFame.h"
#include "halloffame/frmPlayer.h"
#include "records/GameFile.h"
#include "shell/FormatPatterns.h"
#include "shell/QtSettingsStore.h"
#include "sound/SharedSoundPlayer.h"
#include "sound/frmSound.h"
#include "window/BoardBench.h"
#include "window/GameCompanions.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <optional>
#include <random>
#include <set>
#include <thread>
#include <tuple>

#include <unistd.h>

namespace tessaron {

namespace {

// Every value the program reads.
std::vector<std::pair<std::string, std::string>> KeysRead()
{
    std::vector<std::pair<std::string, std::string>> keys = {
        {"General", "Version"},    {"General", "Locale"},        {"General", "Player"},
        {"Board", "Left"},         {"Board", "Top"},             {"Board", "TimingActive"},
        {"Board", "Game"},         {"Board", "GameOrigin"},      {"Board", "PathGameOpen"},
        {"Board", "PathGameSave"}, {"Board", "Width"},           {"Board", "Height"},
        {"Board", "WarnLost"},     {"Sound", "SoundActiveGame"}, {"Sound", "SoundActiveTile"},
        {"Sound", "UsePlaySound"},
    };
    for (int n = 0; n <= 9; ++n) keys.emplace_back("Sound", "FilePath" + std::to_string(n));
    for (int slot = 1; slot <= 10; ++slot) {
        const std::string section = std::string("HallOfFame\\") + (slot < 10 ? "0" : "") + std::to_string(slot);
        for (const char* key : {"Player", "Result", "Stamp", "Tiles", "Moves"}) keys.emplace_back(section, key);
    }
    return keys;
}

const std::vector<std::pair<const char*, std::string>> Garbage = {
    {"letters", "abc"},           {"empty", ""},           {"control characters", "\x01\x02\t\r\n\x1b\x7f"},
    {"very long", std::string(70000, '7')},                {"invalid UTF-8", "\xff\xfe\xc3\x28\xa0\xe2\x82"},
    {"wrong length digits", "1234567"},                    {"huge number", "-1e40"},
    {"not a number", "NaN"},      {"blanks around digits", " 12 "},
    {"embedded NUL", std::string("12\0x", 4)},             {"a deal record's length", std::string(144, 'J')},
};

// The reports the conversions give for values they cannot read; nothing else may appear.
const std::set<std::string> NamedReports = {"modSubMain.ConvertTimeToDate", "modSubMain.ConvertDateTimeToDate",
                                            "modSubMain.LoadRegistrySingle", "modSubMain.LoadLocaleFromRegistry"};

// Main's start-up over doubles: language, version check, the shared sound player over a
// fake audio layer, the real companions, the board window.
struct StartUp {
    explicit StartUp(SettingsStore* store = nullptr) : Used(store ? *store : Store) {}

    bool Run()
    {
        Texts.LoadLocaleFromRegistry();
        Settings.CleanupRegistry();
        Sound = std::make_unique<SharedSoundPlayer>(Media, Settings, Texts, Report.Errors, Program.ProgramFolder);
        Wiring = std::make_unique<Services>(
            Services{Settings, Texts, Report.Errors, Report.Box, *Sound, Random, Time, FileDialog, Links, Program});
        Companions = std::make_unique<GameCompanions>(*Wiring, *Sound);
        Board = std::make_unique<frmBoard>(*Wiring, *Companions, BoardOptions{&Timer, [this] { ++ProgramEnds; }});
        Board->show();
        return QTest::qWaitFor([this] { return Board->Model().DealExists(); }, 10000);
    }

    RecordingErrorReport Report;
    MemorySettingsStore Store;
    SettingsStore& Used;
    FixedSystemLocale System;
    Registry Settings{Used, Report.Errors, System};
    Locale Texts{Settings, Report.Errors, System};
    FakeMultimedia Media;
    ManualClock Time;
    ManualTimer Timer;
    FakeFileDialog FileDialog;
    RecordingLinkOpener Links;
    ProgramInfo Program;
    SeededRandomSource Random{3};
    std::unique_ptr<SharedSoundPlayer> Sound;
    std::unique_ptr<Services> Wiring;
    std::unique_ptr<GameCompanions> Companions;
    std::unique_ptr<frmBoard> Board;
    int ProgramEnds = 0;
};

// Starts, plays a click, opens the hall of fame, sound and file dialogs, enters a solved
// game in the damaged list and closes the board; every report seen must be a named one.
void StartAndPlay(StartUp& game)
{
    QVERIFY(game.Run());
    const Play& play = game.Board->Model();
    // A valid deal with every tile shown, and a click on the top tile is played.
    TileArray faces{};
    QVERIFY(ConvertTilesFromString(faces, ConvertTilesToString(play.TileFaces(), game.Report.Errors)));
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        QVERIFY(game.Board->findChild<TilePicture*>(QStringLiteral("imgTile_%1").arg(tile))->isVisible());
    QTest::mouseClick(game.Board->findChild<TilePicture*>(QStringLiteral("imgTile_1")), Qt::LeftButton, {},
                      QPoint(20, 28));
    QCOMPARE(play.SelectedTile1(), 1);

    // The windows open (and are closed by the driver); the file dialogs on the stored paths.
    const auto trigger = [&game](const char* name) {
        game.Board->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    };
    int shown = 0;
    testkit::WhenShown<frmHallOfFame>([&shown](frmHallOfFame&) { ++shown; });
    trigger("mnuFileShowHallOfFame");
    testkit::WhenShown<frmSound>([&shown](frmSound&) { ++shown; });
    trigger("mnuOptionEditSounds");
    game.FileDialog.Choice.reset();
    trigger("mnuFileLoadGame");
    trigger("mnuFileSaveGame");
    QCOMPARE(shown, 2);
    QCOMPARE(game.FileDialog.Requests.size(), std::size_t(2));

    // A game solved against the clock enters the damaged list: the name dialog offers the
    // stored name, the player types another, the list window shows.
    testkit::WhenShown<frmPlayer>([&shown](frmPlayer& dialog) {
        auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txtPlayer"));
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("Ann"));
        QTest::keyClick(box, Qt::Key_Return);
        ++shown;
    });
    testkit::WhenShown<frmHallOfFame>([&shown](frmHallOfFame&) { ++shown; });
    TileArray moves{};
    for (std::int32_t k = 1; k <= TileCount; ++k) moves[k] = k;
    game.Companions->InsertGame(game.Board.get(), 1.0 / 86400.0, play.TileFaces(), moves, game.Time.Now());
    QCOMPARE(shown, 4);
    game.Board->close();
    QCOMPARE(game.ProgramEnds + game.Report.Ended.Count, 0);
    for (const std::string& title : game.Report.Titles())
        QVERIFY2(NamedReports.count(title) == 1, ("unexpected report " + title).c_str());
}

// Every value damaged: all the same way (kind >= 0), or each its own way (seeded by -kind).
void Damage(SettingsStore& store, int kind, bool currentVersion)
{
    std::mt19937 random(unsigned(-kind));
    for (const auto& [section, key] : KeysRead())
        store.Write(section, key, Garbage[kind >= 0 ? std::size_t(kind) : random() % Garbage.size()].second);
    if (currentVersion) store.Write("General", "Version", Registry::CurrentVersionText());
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Makes a file or folder unwritable for the test's lifetime. Permission bits do not stop
// root, so there the file system's immutable flag is set as well, where it is supported.
class WriteLock {
public:
    explicit WriteLock(QString path) : path_(std::move(path)), permissions_(QFile::permissions(path_))
    {
        const auto writable = QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
        QFile::setPermissions(path_, permissions_ & ~writable);
        if (::geteuid() == 0)
            immutable_ = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path_}) == 0;
    }
    ~WriteLock()
    {
        if (immutable_) QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
        QFile::setPermissions(path_, permissions_);
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    bool Holds() const { return ::geteuid() != 0 || immutable_; }

private:
    QString path_;
    QFile::Permissions permissions_;
    bool immutable_ = false;
};

QByteArray GameFileOf(const TileArray& faces, BoardBench& bench)
{
    const std::string bytes = EncodeGameFile(faces, bench.Report.Errors);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

// The file dialog answers with path, then the menu item runs.
void Choose(BoardBench& bench, const QString& path, const char* menuItem)
{
    bench.FileDialog.Choice = FileDialogChoice{path.toStdString(), QFileInfo(path).fileName().toStdString()};
    bench.Action(menuItem)->trigger();
}

// The titles of the boxes shown, one a line.
QString Titles(const BoardBench& bench)
{
    QStringList titles;
    for (const std::string& title : bench.Report.Titles()) titles << QString::fromStdString(title);
    return titles.join(QLatin1Char('\n'));
}

// Everything of the game in progress a failed load must leave alone.
auto GameState(const BoardBench& bench)
{
    const Play& play = bench.Board->Model();
    return std::make_tuple(play.TileFaces(), play.RemovedTiles(), play.RemovedCount(), play.RemovedCountMax(),
                           play.SelectedTile1(), play.SelectedTile2(), play.PeekMode(), bench.Text("lblGameOrigin"),
                           bench.Text("lblTileCount"), bench.Text("lblTimeGone"),
                           bench.Board->GameClockState().GameTimeStart(), bench.Timer.IsActive(), bench.VisibleTiles());
}

// The game the killed process enters: the deal of this seed, its pairs taken off in the
// reverse order of their insertion.
constexpr std::uint64_t KilledDealSeed = 7;

TileArray SolvingMoves(const KnownDeal& deal)
{
    TileArray moves{};
    for (std::int32_t k = 1; k <= TileCount; ++k) moves[k] = deal.InsertionOrder[TileCount + 1 - k];
    return moves;
}

// The killed process: it enters that game in the hall of fame through the real settings
// store at iniFile, names the player, and when the hall of fame window would open says
// "ENTERED" and waits to be killed.
int EnterTheKilledGame(const char* iniFile)
{
    struct WaitingDialogs final : HallOfFameDialogs {
        std::string RequestPlayerName(const std::string&) override { return "Killed Player"; }
        void ShowMessage(const std::string&) override {}
        std::int32_t ShowAsDialog(std::int32_t, RgbColour, bool) override
        {
            std::puts("ENTERED");
            std::fflush(stdout);
            for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
        }
    } dialogs;
    BoardBench game(KilledDealSeed);
    QtSettingsStore store(iniFile);
    Registry settings(store, game.Report.Errors, game.System);
    Locale texts(settings, game.Report.Errors, game.System);
    texts.SetLocale();
    HallOfFame hallOfFame(settings, texts, game.Sound, game.Report.Errors, [](double) { return std::string("3m"); });
    const TileArray moves = SolvingMoves(game.Deal);
    hallOfFame.InsertGame(dialogs, TimeSerial(0, 3, 0), game.Deal.Faces, moves, DateSerial(2026, 12, 6));
    return 1;  // the window was never reached
}

} // namespace

class RobustnessTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietResizeWarnings(); }

    void GameStartsOnGarbage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("currentVersion");
        QTest::addColumn<bool>("onDisk");
        for (int kind = 0; kind < int(Garbage.size()); ++kind) {
            QTest::newRow((std::string(Garbage[kind].first) + ", current version").c_str()) << kind << true << false;
            QTest::newRow((std::string(Garbage[kind].first) + ", damaged version").c_str()) << kind << false << false;
        }
        for (int seed = 1; seed <= 4; ++seed)
            QTest::newRow(("mixed " + std::to_string(seed)).c_str()) << -seed << true << false;
        // The real store's file, damaged by hand as well.
        QTest::newRow("damaged settings file") << -11 << true << true;
    }

    void GameStartsOnGarbage()
    {
        QFETCH(int, kind);
        QFETCH(bool, currentVersion);
        QFETCH(bool, onDisk);
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("Tessaron.ini"));
        std::optional<QtSettingsStore> file;
        if (onDisk) {
            Damage(file.emplace(ini.toStdString()), kind, currentVersion);
            // Bytes that are no text, lines without a key or an end, values with commas and quotes.
            QFile text(ini);
            QVERIFY(text.open(QIODevice::Append));
            text.write("\n[Board]\nLeft=\xff\xfe,1\nGame=\"\x01\x02\nTop\n=7\n[HallOfFame]\n01\\Result=\xc3\x28\n"
                       "02\\Result=1,2,3\n[Sound\nFilePath3=\"unterminated\n");
            text.write(QByteArray(5000, '\xee'));
            text.close();
            file.emplace(ini.toStdString());  // a fresh store reads the damaged file
        }
        StartUp game(file ? &*file : nullptr);
        if (!onDisk) Damage(game.Store, kind, currentVersion);

        StartAndPlay(game);
        // A damaged version wipes the store right after the language was read: only the
        // language can be reported.
        if (!currentVersion)
            for (const std::string& title : game.Report.Titles())
                QCOMPARE(title, std::string("modSubMain.LoadLocaleFromRegistry"));
    }

    void SaveReplacesTheWholeFileOrNothing_data()
    {
        QTest::addColumn<QString>("locked");
        QTest::addColumn<QString>("report");
        QTest::newRow("writable") << "" << "";
        QTest::newRow("read-only folder") << "folder" << "frmBoard.GameFileSave";
        // Refused before writing, with the reason in the game's language.
        QTest::newRow("read-only file") << "file" << "Save Tessaron game";
    }

    void SaveReplacesTheWholeFileOrNothing()
    {
        QFETCH(QString, locked);
        QFETCH(QString, report);
        BoardBench bench;
        QVERIFY(bench.Open());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Previous.tsg"));
        // A save keeps the bytes after the game and the file's permissions.
        const QByteArray tail(50, 'z');
        WriteBytes(path, GameFileOf(DeadEndDeal(2), bench) + tail);
        const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QFile::setPermissions(path, permissions);
        {
            std::optional<WriteLock> lock;
            if (!locked.isEmpty()) lock.emplace(locked == "folder" ? folder.path() : path);
            if (lock && !lock->Holds()) QSKIP("cannot make a file unwritable for this user here");
            Choose(bench, path, "mnuFileSaveGame");
            QCOMPARE(Titles(bench), report);
            if (locked == "file")
                QCOMPARE(bench.Report.Box.Boxes.back().Text, "'" + path.toStdString()
                             + "' is write-protected.\nThe game was not saved; please choose another file.");
            if (locked == "folder") {
                // A new file that the folder refuses is an access error, not a missing file.
                Choose(bench, folder.filePath(QStringLiteral("New.tsg")), "mnuFileSaveGame");
                QVERIFY(bench.Report.Box.Boxes.back().Text.find("Error 75") != std::string::npos);
            }
        }
        // No temporary file is left, and the file is a whole game file that loads.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Previous.tsg"});
        const TileArray saved = locked.isEmpty() ? bench.Board->Model().TileFaces() : DeadEndDeal(2);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), GameFileOf(saved, bench) + tail);
        QCOMPARE(QFile::permissions(path) & 0xF0FF, permissions);
        bench.Report.Box.Boxes.clear();
        Choose(bench, path, "mnuFileLoadGame");
        QVERIFY(bench.Report.Box.Boxes.empty());
        QCOMPARE(bench.Board->Model().TileFaces(), saved);
    }

    // Which contents are refused is the game file's own test; here each way of failing once.
    void FailedLoadLeavesTheGameInProgress_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // null: no such file
        QTest::addColumn<QString>("report");
        QTest::newRow("removed after it was chosen") << "Gone.tsg" << QByteArray() << "frmBoard.GameFileLoad";
        QTest::newRow("a folder") << "Folder.tsg" << QByteArray() << "frmBoard.GameFileLoad";
        QTest::newRow("wrong signature") << "Wrong.tsg" << QByteArray(156, 'T') << "Load Tessaron game";
    }

    void FailedLoadLeavesTheGameInProgress()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, report);
        BoardBench bench;
        QVERIFY(bench.Open());
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (name == "Folder.tsg") QVERIFY(QDir(folder.path()).mkdir(name));
        if (!bytes.isNull()) WriteBytes(path, bytes);

        // A game under way: a loaded deal, a move, the clock running, a tile selected.
        const QString start = folder.filePath(QStringLiteral("Start.tsg"));
        WriteBytes(start, GameFileOf(bench.Deal.Faces, bench));
        Choose(bench, start, "mnuFileLoadGame");
        bench.Action("mnuOptionTimingActive")->trigger();
        bench.MovePair(72);
        bench.Time.AdvanceSeconds(42);
        bench.Timer.Tick();
        bench.Click(bench.Deal.Pair(71).first);
        const auto before = GameState(bench);
        QVERIFY(bench.Timer.IsActive() && bench.Board->Model().SelectedTile1() != 0);

        Choose(bench, path, "mnuFileLoadGame");
        QCOMPARE(Titles(bench), report);
        QVERIFY(GameState(bench) == before);
        if (report == "Load Tessaron game")
            QCOMPARE(bench.Report.Box.Boxes[0].Text, "'" + path.toStdString() + "' is not a valid Tessaron game file.");
    }

    void HallOfFameEntrySurvivesAProcessKilledRightAfterIt()
    {
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("Tessaron.ini"));
        QProcess game;
        game.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--enter-the-killed-game"), ini});
        QVERIFY(QTest::qWaitFor([&game] { return game.canReadLine() || game.state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(game.readLine().trimmed(), QByteArray("ENTERED"));
        game.kill();  // SIGKILL: no destructor, no flush at exit
        QVERIFY(game.waitForFinished(10000));
        QCOMPARE(game.exitStatus(), QProcess::CrashExit);

        BoardBench killed(KilledDealSeed);
        const std::pair<const char*, std::string> entry[] = {
            {"Player", "Killed Player"}, {"Result", "000300"}, {"Stamp", "20261206000000"},
            {"Tiles", ConvertTilesToString(killed.Deal.Faces, killed.Report.Errors)},
            {"Moves", ConvertTilesToString(SolvingMoves(killed.Deal), killed.Report.Errors)},
        };
        const QtSettingsStore store(ini.toStdString());
        for (const auto& [key, value] : entry) QCOMPARE(store.Read("HallOfFame\\01", key), std::optional(value));
    }
};

} // namespace tessaron

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--enter-the-killed-game") return tessaron::EnterTheKilledGame(argv[2]);
    QApplication application(argc, argv);
    tessaron::RobustnessTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RobustnessTest.moc"
