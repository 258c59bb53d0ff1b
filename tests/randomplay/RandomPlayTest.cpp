// Thousands of short games of random actions on the real board window, each with its own
// random mix of the player's preferences; after every action the board must still be consistent. TESSARON_RANDOMPLAY_SEED and TESSARON_RANDOMPLAY_GAMES
// choose other runs (TESSARON_RANDOMPLAY_FIRST_GAME replays one game of a run).
#include "board/Rules.h"
#include "preferences/Preferences.h"
#include "records/GameFile.h"
#include "window/BoardBench.h"
#include "window/BoardPictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <tuple>

namespace tessaron {

namespace {

// The controls of one board window, looked up once (a lookup by name per check costs more
// than the check itself).
struct BoardControls {
    explicit BoardControls(const BoardBench& bench)
        : Redo(bench.Button("cmdRedoNextMove")),
          Peek(bench.Button("cmdRemoveTile")),
          DoMove(bench.Button("cmdRemoveTiles")),
          Undo(bench.Button("cmdUndoLastMove")),
          TileCountLabel(bench.Label("lblTileCount")),
          NoMovePossible(bench.Label("lblNoMovePossible")),
          GameWon{bench.Label("imgGameWon_0"), bench.Label("imgGameWon_1")}
    {
        for (std::int32_t tile = 1; tile <= TileCount; ++tile) Tiles[tile] = bench.Tile(tile);
        for (const char* name : {"mnuFileNewGame", "mnuFileLoadGame", "mnuFileSaveGame", "mnuFileShowHallOfFame",
                                 "mnuFileQuit", "mnuGameUndoLastMove", "mnuGameRedoNextMove", "mnuGameRemoveTiles",
                                 "mnuGameRemoveTile", "mnuGameRestartGame", "mnuOptionTimingActive",
                                 "mnuOptionEditSounds", "mnuOptionLocaleSelect_0", "mnuOptionLocaleSelect_1",
                                 "mnuHelpAbout"})
            Actions.emplace_back(name, bench.Action(name));
    }
    QAction* Action(const std::string& name) const
    {
        for (const auto& [itemName, item] : Actions)
            if (itemName == name) return item;
        return nullptr;
    }

    std::array<TilePicture*, TileCount + 1> Tiles{};
    QPushButton* Redo;
    QPushButton* Peek;
    QPushButton* DoMove;
    QPushButton* Undo;
    std::vector<std::pair<std::string, QAction*>> Actions;
    QLabel* TileCountLabel;
    QLabel* NoMovePossible;
    std::array<QLabel*, 2> GameWon;
};

TilePresence PicturePresence(const BoardControls& controls)
{
    TilePresence present{};
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) present[tile] = controls.Tiles[tile]->isVisible();
    return present;
}

bool FreeOnScreen(const BoardBench& bench, const TilePresence& present, std::int32_t tile)
{
    return tile >= 1 && tile <= TileCount && present[tile] && !TileIsLocked(bench.Geometry, present, tile);
}

// The face and look a tile picture shows, found once per distinct picture by comparing it
// with the carried face pictures.
std::pair<std::int32_t, bool> ShownLook(const QPixmap& shown)
{
    static const BoardPictures reference;
    static std::map<qint64, std::pair<std::int32_t, bool>> known;
    const auto found = known.find(shown.cacheKey());
    if (found != known.end()) return found->second;
    const QImage image = shown.toImage();
    std::pair<std::int32_t, bool> look{0, false};
    for (std::int32_t face = 1; face <= FaceCount && look.first == 0; ++face)
        for (const bool bright : {false, true})
            if (reference.Face(face, bright, 1).toImage() == image) look = {face, bright};
    return known[shown.cacheKey()] = look;
}

// Present (visible), free pairs of matching tiles, each pair once.
std::vector<std::pair<std::int32_t, std::int32_t>> FreeMatchingPairs(const BoardBench& bench,
                                                                     const BoardControls& controls)
{
    const TilePresence present = PicturePresence(controls);
    const TileArray& faces = bench.Board->Model().TileFaces();
    std::vector<std::int32_t> free;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (FreeOnScreen(bench, present, tile)) free.push_back(tile);
    std::vector<std::pair<std::int32_t, std::int32_t>> pairs;
    for (std::size_t i = 0; i < free.size(); ++i)
        for (std::size_t j = i + 1; j < free.size(); ++j)
            if (!TilesAreNotMatching(faces, free[i], free[j])) pairs.emplace_back(free[i], free[j]);
    return pairs;
}

// What must hold on the board window after every action of a player, whatever the action
// was: "" when everything holds, else the first broken rule. The expected command states
// come from the model's fields and the pictures on screen, not from the model's own
// availability table. tilesLeftShown is the count last written to the label (a peek lifts
// a tile without rewriting it); wonShown whether the banner should show (a peek that lifts
// the last tile shows none, a language switch shows it whenever every tile is off the board).
std::string CheckBoardInvariants(const BoardBench& bench, const BoardControls& controls, std::int32_t tilesLeftShown,
                                 bool wonShown, bool enterNeverPeeks = false)
{
    const Play& play = bench.Board->Model();
    const TileArray& faces = play.TileFaces();
    const TilePresence present = PicturePresence(controls);
    const std::int32_t count = play.RemovedCount();
    const std::int32_t selected1 = play.SelectedTile1();
    const std::int32_t selected2 = play.SelectedTile2();
    const bool peeking = play.PeekMode();
    const int language = bench.Texts.GetLocale();

    // A tile is in play exactly while its picture is visible, and the pictures show its look.
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        if (play.Presence()[tile] != present[tile])
            return "presence of " + std::to_string(tile) + " differs from its picture";
        const std::pair<std::int32_t, bool> look{faces[tile], tile == selected1 || tile == selected2};
        if (present[tile] && ShownLook(controls.Tiles[tile]->Picture()) != look)
            return "tile " + std::to_string(tile) + " does not show face " + std::to_string(look.first)
                + (look.second ? " bright" : " dark");
    }
    const auto visible = std::count(present.begin() + 1, present.end(), true);
    if (count < 0 || count > TileCount || visible != TileCount - count)
        return std::to_string(visible) + " pictures visible with RemovedCount " + std::to_string(count);

    // Entries in effect are exactly the hidden tiles, each once.
    std::set<std::int32_t> removed;
    for (std::int32_t k = 1; k <= count; ++k) {
        const std::int32_t tile = play.RemovedTiles()[k];
        if (tile < 1 || tile > TileCount || present[tile] || !removed.insert(tile).second)
            return "RemovedTiles(" + std::to_string(k) + ") is not a distinct hidden tile";
    }

    // The availability table of the rules. Redo is only bounded by it: an entry that is no
    // longer a move may keep redo off, which the removal list check below guards.
    const bool doMove = selected1 > 0 && selected2 != 0;
    const bool peek = selected1 > 0 && selected2 == 0;
    const bool undo = !peeking && count > 0;
    const bool redo = !peeking && count < play.RemovedCountMax();
    if (undo || redo) {
        if (count % 2 != 0) return "undo or redo available with an odd RemovedCount " + std::to_string(count);
        for (std::int32_t k = 1; k + 1 <= count; k += 2)
            if (TilesAreNotMatching(faces, play.RemovedTiles()[k], play.RemovedTiles()[k + 1]))
                return "removal list pair " + std::to_string(k) + "/" + std::to_string(k + 1) + " does not match";
    }

    // The selection: tiles on the board; outside peek mode free, and a second one matching the first.
    if (selected1 != 0 && !(peeking ? selected1 >= 1 && selected1 <= TileCount && present[selected1]
                                    : FreeOnScreen(bench, present, selected1)))
        return "SelectedTile1 is hidden, or locked outside peek mode";
    if (selected2 != 0
        && (peeking || selected2 == selected1 || !FreeOnScreen(bench, present, selected2)
            || TilesAreNotMatching(faces, selected1, selected2)))
        return "SelectedTile2 is set in peek mode, locked or does not match SelectedTile1";

    // Every command's menu item, and its button where it has one; redo's is only bounded
    // (enabled implies expected).
    const std::tuple<const char*, QPushButton*, bool, bool> commands[] = {
        {"mnuGameRedoNextMove", controls.Redo, redo, true},
        {"mnuGameRemoveTile", controls.Peek, peek, false},
        {"mnuGameRemoveTiles", controls.DoMove, doMove, false},
        {"mnuGameUndoLastMove", controls.Undo, undo, false},
        {"mnuGameRestartGame", nullptr, count > 0, false},
        {"mnuOptionTimingActive", nullptr, count == 0, false},
    };
    for (const auto& [name, button, expected, boundOnly] : commands) {
        const bool enabled = controls.Action(name)->isEnabled();
        if (button && button->isEnabled() != enabled) return std::string(name) + "'s button and menu item disagree";
        if (boundOnly ? enabled && !expected : enabled != expected)
            return std::string(name) + (enabled ? " is enabled" : " is disabled") + " but should not be";
    }
    // With "EnterNeverPeeks" Enter only ever does the move: the peek button is never the default.
    if (controls.Peek->isDefault() != (peek && !enterNeverPeeks) || controls.DoMove->isDefault() != doMove)
        return "the default button is not the one of the available move";
    for (const auto& [name, item] : controls.Actions)  // the file, option and help items stay enabled
        if (name.rfind("mnuGame", 0) != 0 && name != "mnuOptionTimingActive" && !item->isEnabled())
            return name + " is disabled";
    if (controls.Action("mnuOptionLocaleSelect_0")->isChecked() != (language == 0)
        || controls.Action("mnuOptionLocaleSelect_1")->isChecked() != (language == 1))
        return "the language check marks do not follow the language";
    if (controls.Action("mnuOptionTimingActive")->isChecked() != bench.Board->GameClockState().TimingActive())
        return "the clock option's check mark does not follow TimingActive";

    // The tile count in the current language; a peek does not rewrite it.
    const std::int32_t tilesLeft = peeking ? tilesLeftShown : TileCount - count;
    const std::string countText = std::to_string(tilesLeft) + (language == 1 ? " von 144" : " of 144");
    if (controls.TileCountLabel->text().toStdString() != countText)
        return "tile count reads '" + controls.TileCountLabel->text().toStdString() + "', expected '" + countText + "'";

    // The banner of the current language only while won; the dead-end text only on a dead end.
    if (controls.GameWon[language == 1]->isVisible() != wonShown || controls.GameWon[language != 1]->isVisible())
        return "the win banner does not show exactly while won, in the current language";
    const bool deadEnd = controls.NoMovePossible->isVisible();
    if (deadEnd && (wonShown || (!peeking && (count == 0 || !FreeMatchingPairs(bench, controls).empty()))))
        return "the dead-end text shows while won or while a move is possible";

    // The clock runs only in play: not while peeking, stuck or won.
    if (bench.Timer.IsActive() && (peeking || wonShown || deadEnd)) return "the clock runs while peeking, stuck or won";
    return {};
}

using Random = std::mt19937_64;

int Pick(Random& random, int count) { return int(random() % std::uint64_t(count)); }

template <class Item>
const Item& PickOf(Random& random, const std::vector<Item>& items)
{
    return items[std::size_t(Pick(random, int(items.size())))];
}

std::uint64_t EnvironmentNumber(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : " | ") + item;
    return text;
}

// A player that does anything a person could do on the board window, legal or not, chosen
// by a seeded generator: clicks anywhere, every command by button, menu item, shortcut,
// Enter or double click, language and clock changes, saving and loading files (also bad
// ones) and the hall of fame's answers. It knows which boxes its actions should raise.
class RandomPlayer {
public:
    RandomPlayer(BoardBench& bench, const QString& folder)
        : Controls(std::make_unique<BoardControls>(bench)), bench_(bench), folder_(folder)
    {
        for (int k = 0; k < 16; ++k) {
            const KnownDeal deal = GenerateDeal(bench_.Geometry, bench_.Report.Errors, std::uint64_t(1000 + k));
            const std::string bytes = EncodeGameFile(deal.Faces, bench_.Report.Errors);
            knownFiles_.push_back(WriteFile(QStringLiteral("Deal%1.tsg").arg(k), bytes));
            known_[ConvertTilesToString(deal.Faces, bench_.Report.Errors)] = deal;
        }
        // Files the game refuses; which contents it refuses is the game file's own test.
        const std::string valid = EncodeGameFile(known_.begin()->second.Faces, bench_.Report.Errors);
        invalidFiles_ = {WriteFile(QStringLiteral("WrongCase.tsg"), "t" + valid.substr(1)),
                         WriteFile(QStringLiteral("Short.tsg"), valid.substr(0, 100))};
        QDir(folder_).mkdir(QStringLiteral("Folder.tsg"));
        for (int k = 0; k < 3; ++k) savedFiles_.push_back(Path(QStringLiteral("Saved%1.tsg").arg(k)));
    }

    // Starts a game from one of the known deals. Language and clock option are drawn from
    // the game's own seed, so one game can be replayed alone.
    void StartGame(Random& random, bool solving)
    {
        ChoosePreferences(random);
        Action(Pick(random, 2) == 0 ? "mnuOptionLocaleSelect_0" : "mnuOptionLocaleSelect_1")->trigger();
        FileCommand(random, PickOf(random, knownFiles_), "mnuFileLoadGame", Qt::Key_O);
        const bool timing = solving ? Pick(random, 4) != 0 : Pick(random, 2) == 0;
        if (bench_.Board->GameClockState().TimingActive() != timing) Action("mnuOptionTimingActive")->trigger();
        TilesLeftShown = TileCount;
        WonShown = false;
    }

    // One action; returns its name for the log. A solving game favours the known solution,
    // so that some games are won, and keeps to actions that do not end its course (no peek,
    // restart or new deal).
    std::string Act(Random& random, bool solving)
    {
        ScriptHallOfFame(random);
        static constexpr int SafeActions[] = {100, 250, 650, 720, 800, 850, 890, 960};
        const int roll = Pick(random, 1000);
        const int r = solving && roll >= 650 ? SafeActions[Pick(random, 8)] : roll;
        std::string name;
        if (solving && roll < 650) name = SelectMatchingPair(random, true) + " " + DoMove(random);
        else if (r < 200) name = ClickFreeTile(random);
        else if (r < 330) name = ClickSomewhere(random, r >= 300);
        else if (r < 440) name = SelectMatchingPair(random, false);
        else if (r < 540) name = DoMove(random);
        else if (r < 600) name = Confirm(random, "cmdRemoveTile", "mnuGameRemoveTile", Qt::Key_P);
        else if (r < 690) name = Command(random, "cmdUndoLastMove", "mnuGameUndoLastMove", Qt::Key_Z);
        else if (r < 760) name = Command(random, "cmdRedoNextMove", "mnuGameRedoNextMove", Qt::Key_V);
        else if (r < 790) name = Command(random, nullptr, "mnuGameRestartGame", Qt::Key_R);
        else if (r < 820) {
            const int index = Pick(random, 2);
            Action(index == 0 ? "mnuOptionLocaleSelect_0" : "mnuOptionLocaleSelect_1")->trigger();
            // The switch writes the count and the banner anew from the tiles off the board, peek or not.
            TilesLeftShown = TileCount - bench_.Board->Model().RemovedCount();
            WonShown = TilesLeftShown == 0;
            name = "language " + std::to_string(index);
        } else if (r < 840) {
            Action("mnuOptionTimingActive")->trigger();
            name = "clock option";
        } else if (r < 880) {
            bench_.Time.AdvanceSeconds(1 + Pick(random, 4000));
            bench_.Timer.Tick();
            name = "clock tick";
        } else if (r < 905) name = SaveGame(random);
        else if (r < 940) name = LoadGame(random);
        else if (r < 955) {
            Action("mnuFileShowHallOfFame")->trigger();
            name = "hall of fame answers " + std::to_string(bench_.Companions.HallOfFameAnswer);
        } else if (r < 960) {
            name = Command(random, nullptr, "mnuFileNewGame", Qt::Key_N);
        } else if (r < 974) {
            Action(Pick(random, 2) == 0 ? "mnuOptionEditSounds" : "mnuHelpAbout")->trigger();
            name = "sound or about dialog";
        } else if (r < 988) {
            name = PauseAndGoOn(random);
        } else if (r < 990) {
            name = QuitAndStartAgain();
        } else {
            name = ClickTile(random, 1 + Pick(random, TileCount), Pick(random, 2) == 0);
        }
        if (!bench_.Board->Model().PeekMode()) {
            TilesLeftShown = TileCount - bench_.Board->Model().RemovedCount();
            WonShown = TilesLeftShown == 0;
        }
        return name;
    }

    std::unique_ptr<BoardControls> Controls;
    // The preferences switched on in this game, for the failure message.
    std::string Mix;
    bool EnterNeverPeeks = false;
    // The boxes the last actions should have raised, as "title" texts; cleared by the caller.
    std::vector<std::string> ExpectedBoxes;
    // The tile count the label shows: a peek does not rewrite it.
    std::int32_t TilesLeftShown = TileCount;
    bool WonShown = false;
    // What went wrong outside the board's own state (checked with the invariants).
    std::string Failure;

private:
    QAction* Action(const char* name) const { return Controls->Action(name); }

    // Switches each of the five ways of play on or off through the preferences dialog.
    void ChoosePreferences(Random& random)
    {
        Preferences held(bench_.Settings);
        held.Load();
        PreferenceValues chosen = held.Values();
        Mix.clear();
        for (const Preference preference : {Preference::PairOnSecondClick, Preference::ClickMovesSelection,
                                            Preference::EnterNeverPeeks, Preference::KeepProgress,
                                            Preference::PauseWhenHidden}) {
            chosen[preference] = Pick(random, 2) == 0;
            if (chosen[preference]) Mix += std::string(Mix.empty() ? "" : "+") + PreferenceKey(preference);
        }
        if (Mix.empty()) Mix = "none";
        EnterNeverPeeks = chosen[Preference::EnterNeverPeeks];
        bench_.Companions.PreferencesChosen = chosen;
        bench_.Action("mnuOptionPreferences")->trigger();
        held.Load();
        if (held.Values() != chosen) Failure = "the preferences dialog did not store the mix";
    }

    bool On(Preference preference) const
    {
        Preferences held(bench_.Settings);
        held.Load();
        return held.IsOn(preference);
    }

    // Game › Pause (by its keys or menu item), or with "PauseWhenHidden" a minimised window;
    // then any key or a click goes on.
    std::string PauseAndGoOn(Random& random)
    {
        const bool available = bench_.Action("mnuGamePause")->isEnabled();
        std::string name;
        switch (Pick(random, 4)) {
        case 0: Key(Qt::Key_Pause); name = "Pause"; break;
        case 1: Key(Qt::Key_P); name = "P"; break;
        case 2: bench_.Action("mnuGamePause")->trigger(); name = "menu Pause"; break;
        default:
            bench_.Board->showMinimized();
            QCoreApplication::processEvents();
            bench_.Board->showNormal();
            name = "minimise";
            break;
        }
        const bool paused = !bench_.Label("lblPaused")->isHidden();
        const bool shouldPause = available && (name != "minimise" || On(Preference::PauseWhenHidden));
        if (paused != shouldPause) {
            Failure = name + (paused ? " paused" : " did not pause");
            return name;
        }
        if (!paused) return name;
        static constexpr Qt::Key GoOnKeys[] = {Qt::Key_Space, Qt::Key_Left,  Qt::Key_Escape, Qt::Key_Return,
                                               Qt::Key_P,     Qt::Key_Pause, Qt::Key_Z,      Qt::Key_F10};
        const int way = Pick(random, int(std::size(GoOnKeys)) + 1);
        if (way == int(std::size(GoOnKeys))) {
            name += ", then " + ClickSomewhere(random, false);
        } else {
            Key(GoOnKeys[way]);
            name += ", then key " + QKeySequence(GoOnKeys[way]).toString().toStdString();
        }
        if (!bench_.Label("lblPaused")->isHidden()) Failure = name + ": still paused";
        return name;
    }

    // Quit and start again: the deal comes back from the store, with "KeepProgress" at the
    // position it was left in.
    std::string QuitAndStartAgain()
    {
        GameProgress before = bench_.Board->Model().Progress();
        const bool kept = On(Preference::KeepProgress) && before.RemovedCount < TileCount;
        Action("mnuFileQuit")->trigger();
        bench_.Board.reset();
        if (!bench_.Open()) Failure = "the board did not come back after quit";
        Controls = std::make_unique<BoardControls>(bench_);
        GameProgress after = bench_.Board->Model().Progress();
        before.GameTime = after.GameTime = 0;
        if (kept ? after != before : after.RemovedCount != 0)
            Failure = kept ? "the kept position did not come back" : "the deal did not start from the full board";
        // The new window writes the count afresh, peek mode or not, and shows no banner.
        TilesLeftShown = TileCount - bench_.Board->Model().RemovedCount();
        WonShown = false;
        return "quit and start again";
    }
    std::string Path(const QString& name) const { return QDir(folder_).filePath(name).toStdString(); }

    std::string WriteFile(const QString& name, const std::string& bytes)
    {
        QFile file(QDir(folder_).filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes.data(), qint64(bytes.size()));
        return file.fileName().toStdString();
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        // Keys go to the active window. The progress window of a new deal may still hold the
        // activation for its last second; a player would click the board first.
        if (!bench_.Board->isActiveWindow()) {
            bench_.Board->activateWindow();
            QCoreApplication::processEvents();
            // Waited for, not required: a key to an inactive board shows up in the invariants.
            if (!bench_.Board->isActiveWindow())
                [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(bench_.Board.get(), 1000);
        }
        bench_.Key(key, modifiers);
    }

    void Click(std::int32_t tile) { QTest::mouseClick(Controls->Tiles[tile], Qt::LeftButton, {}, QPoint(20, 28)); }

    void ScriptHallOfFame(Random& random)
    {
        RecordingCompanions& companions = bench_.Companions;
        companions.InsertAnswer = Pick(random, 4);
        companions.HallOfFameAnswer = 1 + Pick(random, 3);
        companions.Origin = "Hall of fame entry";
        // A replay of a listed deal, now and then of a damaged one (a new deal is built then).
        if (Pick(random, 20) == 0)
            companions.Tiles = std::string(144, 'K');
        else
            companions.Tiles = std::next(known_.begin(), Pick(random, int(known_.size())))->first;
    }

    // As the window system would: the click goes to whatever is visible at that point.
    std::string ClickAt(QPoint point, bool doubleClick)
    {
        QWidget* surface = bench_.Board->centralWidget();
        QWidget* target = surface->childAt(point);
        if (!target) target = surface;
        const QPoint local = target->mapFrom(surface, point);
        QTest::mouseClick(target, Qt::LeftButton, {}, local);
        if (doubleClick) {
            QTest::mouseDClick(target, Qt::LeftButton, {}, local);
            QTest::mouseRelease(target, Qt::LeftButton, {}, local);
        }
        return std::string(doubleClick ? "double click at " : "click at ") + std::to_string(point.x()) + ","
            + std::to_string(point.y()) + " on " + target->objectName().toStdString();
    }

    std::string ClickTile(Random& random, std::int32_t tile, bool doubleClick)
    {
        const QPoint corner = Controls->Tiles[tile]->geometry().topLeft();
        return ClickAt(corner + QPoint(4 + Pick(random, 32), 4 + Pick(random, 48)), doubleClick);
    }

    std::string ClickSomewhere(Random& random, bool doubleClick)
    {
        QWidget* surface = bench_.Board->centralWidget();
        return ClickAt(QPoint(Pick(random, surface->width()), Pick(random, surface->height())), doubleClick);
    }

    std::string ClickFreeTile(Random& random)
    {
        std::vector<std::int32_t> free;
        const Play& play = bench_.Board->Model();
        for (std::int32_t tile = 1; tile <= TileCount; ++tile)
            if (play.IsPresent(tile) && !play.IsLocked(tile)) free.push_back(tile);
        if (free.empty()) return ClickSomewhere(random, false);
        const std::int32_t tile = PickOf(random, free);
        Click(tile);
        return "click free tile " + std::to_string(tile);
    }

    std::string SelectMatchingPair(Random& random, bool known)
    {
        std::pair<std::int32_t, std::int32_t> pair{0, 0};
        const Play& play = bench_.Board->Model();
        const auto deal = known_.find(ConvertTilesToString(play.TileFaces(), bench_.Report.Errors));
        if (known && deal != known_.end()) {
            // The known solution takes the pairs off in the reverse order of their insertion.
            for (int k = TileCount / 2; k >= 1 && pair.first == 0; --k) {
                const auto next = deal->second.Pair(k);
                if (play.IsPresent(next.first) && play.IsPresent(next.second)) pair = next;
            }
            if (pair.first != 0 && (play.IsLocked(pair.first) || play.IsLocked(pair.second))) pair = {0, 0};
        }
        if (pair.first == 0) {
            const auto pairs = FreeMatchingPairs(bench_, *Controls);
            if (pairs.empty()) return ClickFreeTile(random);
            pair = PickOf(random, pairs);
        }
        // Clicking a selected tile would deselect it: start from a clear selection.
        for (std::int32_t tile : {play.SelectedTile2(), play.SelectedTile1()})
            if (tile != 0 && !play.PeekMode()) Click(tile);
        Click(pair.first);
        Click(pair.second);
        return "select pair " + std::to_string(pair.first) + "+" + std::to_string(pair.second);
    }

    std::string Command(Random& random, const char* button, const char* menuItem, Qt::Key shortcut)
    {
        const int route = Pick(random, button ? 3 : 2);
        if (route == 0) {
            Action(menuItem)->trigger();
            return std::string("menu ") + menuItem;
        }
        if (route == 1) {
            Key(shortcut, Qt::ControlModifier);
            return std::string("Ctrl+") + char('A' + (shortcut - Qt::Key_A));
        }
        bench_.Press(button);
        return std::string("button ") + button;
    }

    // A move or a peek by its command, by Enter, or by a double click: on the second tile of
    // a pair it selects that tile again and makes the move.
    std::string Confirm(Random& random, const char* button, const char* menuItem, Qt::Key shortcut)
    {
        const std::int32_t second = bench_.Board->Model().SelectedTile2();
        switch (Pick(random, 5)) {
        case 0: Key(Qt::Key_Return); return "Enter";
        case 1:
            if (second != 0) Click(second);
            return ClickTile(random, second != 0 ? second : 1 + Pick(random, TileCount), true);
        default: return Command(random, button, menuItem, shortcut);
        }
    }

    std::string DoMove(Random& random) { return Confirm(random, "cmdRemoveTiles", "mnuGameRemoveTiles", Qt::Key_X); }

    // The file command by menu or shortcut, with the file dialog answering path (an empty
    // one cancels).
    std::string FileCommand(Random& random, const std::string& path, const char* menuItem, Qt::Key shortcut)
    {
        bench_.FileDialog.Choice.reset();
        if (!path.empty())
            bench_.FileDialog.Choice = {path, QFileInfo(QString::fromStdString(path)).fileName().toStdString()};
        return Command(random, nullptr, menuItem, shortcut) + (path.empty() ? " cancelled" : " " + path);
    }

    std::string SaveGame(Random& random)
    {
        const int choice = Pick(random, 6);
        std::string path = choice == 0 ? std::string() : PickOf(random, savedFiles_);
        if (choice == 1) {
            // A folder that does not exist: the save fails and says so.
            path = Path(QStringLiteral("Missing/Saved.tsg"));
            ExpectedBoxes.push_back("frmBoard.GameFileSave");
        }
        return FileCommand(random, path, "mnuFileSaveGame", Qt::Key_S);
    }

    std::string LoadGame(Random& random)
    {
        const int choice = Pick(random, 10);
        std::string path;
        if (choice >= 7) {
            path = PickOf(random, knownFiles_);
        } else if (choice >= 5) {
            path = PickOf(random, savedFiles_);
            if (!QFile::exists(QString::fromStdString(path))) ExpectedBoxes.push_back("frmBoard.GameFileLoad");
        } else if (choice == 4) {
            // Removed after it was chosen, or a folder: the file cannot be read.
            path = Path(Pick(random, 2) == 0 ? QStringLiteral("Gone.tsg") : QStringLiteral("Folder.tsg"));
            ExpectedBoxes.push_back("frmBoard.GameFileLoad");
        } else if (choice >= 1) {
            path = PickOf(random, invalidFiles_);
            ExpectedBoxes.push_back(bench_.Texts.GetLocale() == 1 ? "Tessaron-Spiel laden" : "Load Tessaron game");
        }
        return FileCommand(random, path, "mnuFileLoadGame", Qt::Key_O);
    }

    BoardBench& bench_;
    QString folder_;
    std::vector<std::string> knownFiles_;
    std::vector<std::string> invalidFiles_;
    std::vector<std::string> savedFiles_;
    // The order of pairs that clears each known deal, by its game record.
    std::map<std::string, KnownDeal> known_;
};

} // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietResizeWarnings(); }

    // The checks see what a broken window would show (so a quiet run means something).
    void CheckerSeesABrokenBoard()
    {
        BoardBench bench;
        bench.StoreGame(bench.Deal.Faces);
        QVERIFY(bench.Open());
        bench.MovePair(72);
        const BoardControls controls(bench);
        const auto check = [&] { return QString::fromStdString(CheckBoardInvariants(bench, controls, 142, false)); };
        QCOMPARE(check(), QString());
        // A tile in play showing another face's picture or hidden, a command or a text out of step.
        const std::int32_t shown = bench.Deal.Pair(71).first;
        std::int32_t other = 1;
        while (bench.Deal.Faces[other] == bench.Deal.Faces[shown]) ++other;
        const QPixmap shownPicture = controls.Tiles[shown]->Picture();
        const QPixmap otherPicture = controls.Tiles[other]->Picture();
        const std::function<void(bool)> faults[] = {
            [&](bool on) { controls.Tiles[shown]->SetPicture(on ? otherPicture : shownPicture); },
            [&](bool on) { controls.Tiles[shown]->setVisible(!on); },
            [&](bool on) { controls.Redo->setEnabled(on); },
            [&](bool on) { controls.Action("mnuOptionTimingActive")->setEnabled(on); },
            [&](bool on) { controls.TileCountLabel->setText(on ? "144 of 144" : "142 of 144"); },
            [&](bool on) { controls.GameWon[0]->setVisible(on); },
            [&](bool on) { controls.NoMovePossible->setVisible(on); },
        };
        for (std::size_t fault = 0; fault < std::size(faults); ++fault) {
            faults[fault](true);
            QVERIFY2(!check().isEmpty(), std::to_string(fault).c_str());
            faults[fault](false);
            QCOMPARE(check(), QString());
        }
    }

    void RandomGamesKeepTheBoardConsistent()
    {
        const std::uint64_t seed = EnvironmentNumber("TESSARON_RANDOMPLAY_SEED", 20261206);
        const std::uint64_t firstGame = EnvironmentNumber("TESSARON_RANDOMPLAY_FIRST_GAME", 0);
        const std::uint64_t games = EnvironmentNumber("TESSARON_RANDOMPLAY_GAMES", 2000);
        BoardBench bench;
        QVERIFY(bench.Open());
        QTemporaryDir folder;
        RandomPlayer player(bench, folder.path());

        std::uint64_t actions = 0;
        bool reachedWin = false;
        bool reachedDeadEnd = false;
        for (std::uint64_t game = firstGame; game < firstGame + games; ++game) {
            // Each game has its own generator, so a failing game can be replayed alone.
            Random random(seed * 1000003u + game);
            const bool solving = random() % 6 == 0;
            const int length = solving ? 150 : 20 + int(random() % 21);
            player.StartGame(random, solving);
            std::vector<std::string> log;
            for (int action = 0; action <= length; ++action, ++actions) {
                log.push_back(action == 0 ? "start of the game" : player.Act(random, solving));
                std::string broken = player.Failure;
                if (broken.empty())
                    broken = CheckBoardInvariants(bench, *player.Controls, player.TilesLeftShown, player.WonShown,
                                                  player.EnterNeverPeeks);
                if (broken.empty() && bench.Report.Titles() != player.ExpectedBoxes)
                    broken = "message boxes [" + Joined(bench.Report.Titles()) + "], expected ["
                        + Joined(player.ExpectedBoxes) + "]";
                if (broken.empty() && (bench.Report.Ended.Count != 0 || bench.ProgramEnds != 0))
                    broken = "the program would have ended";
                if (!broken.empty()) {
                    const std::string failure = "seed " + std::to_string(seed) + ", game " + std::to_string(game)
                        + ", preferences " + player.Mix + ", action " + std::to_string(action) + ": " + broken
                        + "\nlast actions: " + Joined({log.size() > 12 ? log.end() - 12 : log.begin(), log.end()});
                    QFAIL(failure.c_str());
                }
                bench.Report.Box.Boxes.clear();
                player.ExpectedBoxes.clear();
                reachedWin = reachedWin || bench.Board->Model().GameWon();
                reachedDeadEnd = reachedDeadEnd || player.Controls->NoMovePossible->isVisible();
            }
        }
        qInfo() << "seed" << seed << "games" << firstGame << "to" << firstGame + games << "actions" << actions;
        // The runs reach the endings too, or the random play misses half the game.
        if (games >= 200) {
            QVERIFY(reachedWin);
            QVERIFY(reachedDeadEnd);
            QVERIFY(!bench.Companions.Inserts.empty());
        }
    }
};

} // namespace tessaron

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    tessaron::RandomPlayTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RandomPlayTest.moc"
