// The game starts on a settings store full of garbage: every value it reads is damaged.
// It must come up with a playable deal, open its hall of fame and sound windows, and
// report only the damage its conversions are meant to report.
#include "RobustnessSuites.h"

#include "board/Rules.h"
#include "doubles/FakeFileDialog.h"
#include "doubles/FakeMultimedia.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/ManualClock.h"
#include "doubles/ManualTimer.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingLinkOpener.h"
#include "doubles/RecordingMessageBox.h"
#include "halloffame/ModalDriver.h"
#include "halloffame/frmHallOfFame.h"
#include "halloffame/frmPlayer.h"
#include "records/GameRecord.h"
#include "shell/Locale.h"
#include "shell/QtSettingsStore.h"
#include "shell/Registry.h"
#include "shell/Services.h"
#include "sound/SharedSoundPlayer.h"
#include "sound/frmSound.h"
#include "window/GameCompanions.h"
#include "window/TilePicture.h"
#include "window/frmBoard.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <random>
#include <set>

namespace tessaron {

namespace {

// Every value the program reads.
std::vector<std::pair<std::string, std::string>> KeysRead()
{
    std::vector<std::pair<std::string, std::string>> keys = {
        {"General", "Version"},    {"General", "Locale"},        {"General", "Player"},
        {"Board", "Left"},         {"Board", "Top"},             {"Board", "TimingActive"},
        {"Board", "Game"},         {"Board", "GameOrigin"},      {"Board", "PathGameOpen"},
        {"Board", "PathGameSave"}, {"Sound", "SoundActiveGame"}, {"Sound", "SoundActiveTile"},
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
    {"letters", "abc"},
    {"empty", ""},
    {"control characters", "\x01\x02\t\r\n\x1b\x7f"},
    {"very long", std::string(70000, '7')},
    {"invalid UTF-8", "\xff\xfe\xc3\x28\xa0\xe2\x82"},
    {"wrong length digits", "1234567"},
    {"huge number", "-1e40"},
    {"not a number", "NaN"},
    {"blanks around digits", " 12 "},
    {"embedded NUL", std::string("12\0x", 4)},
    {"a deal record's length", std::string(144, 'J')},
};

// The reports the conversions give for values they cannot read; nothing else may appear.
const std::set<std::string> NamedReports = {
    "modSubMain.ConvertTimeToDate",
    "modSubMain.ConvertDateTimeToDate",
    "modSubMain.LoadRegistrySingle",
    "modSubMain.LoadLocaleFromRegistry",
};

// Main's start-up over doubles: language, version check, the shared sound player over a
// fake audio layer, the real companions, the board window.
struct StartUp {
    explicit StartUp(SettingsStore* store = nullptr) : Used(store ? *store : Store) {}
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

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
    ~StartUp()
    {
        if (Board) Board->close();
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

// Starts, plays a click, opens and closes the hall of fame and sound windows, closes the
// board; returns the reports seen, which must all be named ones.
std::vector<std::string> StartAndPlay(StartUp& game)
{
    [&] { QVERIFY(game.Run()); }();
    const Play& play = game.Board->Model();
    TileArray faces = play.TileFaces();
    [&] {
        QVERIFY(ConvertTilesFromString(faces, ConvertTilesToString(play.TileFaces(), game.Report.Errors)));
        TilePresence present{};
        int shown = 0;
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
            auto* picture = game.Board->findChild<TilePicture*>(QStringLiteral("imgTile_%1").arg(tile));
            present[tile] = picture->isVisible();
            shown += present[tile] ? 1 : 0;
        }
        QCOMPARE(shown, TileCount);
        BoardGeometry geometry(game.Report.Errors);
        geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f);
        QVERIFY(!NoMovePossible(geometry, present, play.TileFaces()));
        // A click on the top tile is played (and sounds, whatever the sound settings say).
        QTest::mouseClick(game.Board->findChild<TilePicture*>(QStringLiteral("imgTile_1")), Qt::LeftButton, {},
                          QPoint(20, 28));
        QCOMPARE(play.SelectedTile1(), 1);

        bool hallOfFameShown = false;
        testkit::WhenShown<frmHallOfFame>([&hallOfFameShown](frmHallOfFame& window) {
            hallOfFameShown = true;
            window.findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
        });
        game.Board->findChild<QAction*>(QStringLiteral("mnuFileShowHallOfFame"))->trigger();
        QVERIFY(hallOfFameShown);

        bool soundShown = false;
        testkit::WhenShown<frmSound>([&soundShown](frmSound& dialog) {
            soundShown = true;
            dialog.reject();
        });
        game.Board->findChild<QAction*>(QStringLiteral("mnuOptionEditSounds"))->trigger();
        QVERIFY(soundShown);

        // The file dialogs open on the stored paths, whatever they hold.
        game.FileDialog.Choice.reset();
        game.Board->findChild<QAction*>(QStringLiteral("mnuFileLoadGame"))->trigger();
        game.Board->findChild<QAction*>(QStringLiteral("mnuFileSaveGame"))->trigger();
        QCOMPARE(game.FileDialog.Requests.size(), std::size_t(2));

        // A game solved against the clock enters the damaged list: the name dialog offers
        // the stored name, the player types another, the list window shows.
        bool named = false;
        hallOfFameShown = false;
        testkit::WhenShown<frmPlayer>([&named](frmPlayer& dialog) {
            auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txtPlayer"));
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("Ann"));
            QTest::keyClick(box, Qt::Key_Return);
            named = true;
        });
        testkit::WhenShown<frmHallOfFame>([&hallOfFameShown](frmHallOfFame& window) {
            hallOfFameShown = true;
            window.findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
        });
        TileArray moves{};
        for (std::int32_t k = 1; k <= TileCount; ++k) moves[k] = k;
        game.Companions->InsertGame(game.Board.get(), 1.0 / 86400.0, play.TileFaces(), moves, game.Time.Now());
        QVERIFY(named);
        QVERIFY(hallOfFameShown);
        game.Board->close();
        QCOMPARE(game.ProgramEnds + game.Report.Ended.Count, 0);
        for (const std::string& title : game.Report.Titles())
            QVERIFY2(NamedReports.count(title) == 1, ("unexpected report " + title).c_str());
    }();
    return game.Report.Titles();
}

} // namespace

class DamagedSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void GameStartsOnGarbage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("currentVersion");
        for (int kind = 0; kind < int(Garbage.size()); ++kind) {
            QTest::newRow((std::string(Garbage[kind].first) + ", current version").c_str()) << kind << true;
            QTest::newRow((std::string(Garbage[kind].first) + ", damaged version").c_str()) << kind << false;
        }
        // Each value damaged its own way.
        for (int seed = 1; seed <= 4; ++seed)
            QTest::newRow(("mixed " + std::to_string(seed)).c_str()) << -seed << true;
    }

    void GameStartsOnGarbage()
    {
        QFETCH(int, kind);
        QFETCH(bool, currentVersion);
        StartUp game;
        std::mt19937 random(unsigned(-kind));
        for (const auto& [section, key] : KeysRead()) {
            const std::string& value = kind >= 0 ? Garbage[std::size_t(kind)].second
                                                 : Garbage[random() % Garbage.size()].second;
            game.Store.Write(section, key, value);
        }
        if (currentVersion) game.Store.Write("General", "Version", Registry::CurrentVersionText());

        const std::vector<std::string> titles = StartAndPlay(game);
        // A damaged version wipes the store right after the language was read: only the
        // language can be reported.
        if (!currentVersion)
            for (const std::string& title : titles) QCOMPARE(title, std::string("modSubMain.LoadLocaleFromRegistry"));
    }

    // The settings file itself damaged: bytes that are no text, lines without a key or an
    // end, values written by hand with commas and quotes.
    void GameStartsOnADamagedSettingsFile()
    {
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("Tessaron.ini"));
        {
            QtSettingsStore writer(ini.toStdString());
            std::mt19937 random(11);
            for (const auto& [section, key] : KeysRead()) writer.Write(section, key, Garbage[random() % Garbage.size()].second);
            writer.Write("General", "Version", Registry::CurrentVersionText());
        }
        QFile file(ini);
        QVERIFY(file.open(QIODevice::Append));
        file.write("\n[Board]\nLeft=\xff\xfe,1\nGame=\"\x01\x02\nTop\n=7\n[HallOfFame]\n01\\Result=\xc3\x28\n"
                   "02\\Result=1,2,3\n[Sound\nFilePath3=\"unterminated\n");
        file.write(QByteArray(5000, '\xee'));
        file.close();

        QtSettingsStore store(ini.toStdString());
        StartUp game(&store);
        StartAndPlay(game);
    }
};

int RunDamagedSettingsTests(int argc, char** argv)
{
    DamagedSettingsTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tessaron

#include "DamagedSettingsTest.moc"
