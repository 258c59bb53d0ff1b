#include "randomplay/RandomPlayer.h"

#include "records/GameFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessaron {

RandomPlayer::RandomPlayer(BoardBench& bench, const QString& folder)
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

void RandomPlayer::StartGame(Random& random, bool solving)
{
    ChoosePreferences(random);
    Action(Pick(random, 2) == 0 ? "mnuOptionLocaleSelect_0" : "mnuOptionLocaleSelect_1")->trigger();
    FileCommand(random, PickOf(random, knownFiles_), "mnuFileLoadGame", Qt::Key_O);
    const bool timing = solving ? Pick(random, 4) != 0 : Pick(random, 2) == 0;
    if (bench_.Board->GameClockState().TimingActive() != timing) Action("mnuOptionTimingActive")->trigger();
    Shown.TilesLeft = TileCount;
    Shown.Won = false;
}

std::string RandomPlayer::Act(Random& random, bool solving)
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
        Shown.TilesLeft = TileCount - bench_.Board->Model().RemovedCount();
        Shown.Won = Shown.TilesLeft == 0;
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
        Shown.TilesLeft = TileCount - bench_.Board->Model().RemovedCount();
        Shown.Won = Shown.TilesLeft == 0;
    }
    return name;
}

QAction* RandomPlayer::Action(const char* name) const { return Controls->Action(name); }

// Switches each of the five ways of play and the two helpers on or off through the
// preferences dialog.
void RandomPlayer::ChoosePreferences(Random& random)
{
    Preferences held(bench_.Settings);
    held.Load();
    PreferenceValues chosen = held.Values();
    Mix.clear();
    for (const Preference preference :
         {Preference::PairOnSecondClick, Preference::ClickMovesSelection, Preference::EnterNeverPeeks,
          Preference::KeepProgress, Preference::PauseWhenHidden, Preference::ShowFreePairs, Preference::ShowMatches}) {
        chosen[preference] = Pick(random, 2) == 0;
        if (chosen[preference]) Mix += std::string(Mix.empty() ? "" : "+") + PreferenceKey(preference);
    }
    if (Mix.empty()) Mix = "none";
    Shown.Chosen = chosen;
    bench_.Companions.PreferencesChosen = chosen;
    bench_.Action("mnuOptionPreferences")->trigger();
    held.Load();
    if (held.Values() != chosen) Failure = "the preferences dialog did not store the mix";
}

bool RandomPlayer::On(Preference preference) const
{
    Preferences held(bench_.Settings);
    held.Load();
    return held.IsOn(preference);
}

// Game › Pause (by its keys or menu item), or with "PauseWhenHidden" a minimised window;
// then any key or a click goes on.
std::string RandomPlayer::PauseAndGoOn(Random& random)
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
std::string RandomPlayer::QuitAndStartAgain()
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
    Shown.TilesLeft = TileCount - bench_.Board->Model().RemovedCount();
    Shown.Won = false;
    return "quit and start again";
}
std::string RandomPlayer::Path(const QString& name) const { return QDir(folder_).filePath(name).toStdString(); }

std::string RandomPlayer::WriteFile(const QString& name, const std::string& bytes)
{
    QFile file(QDir(folder_).filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes.data(), qint64(bytes.size()));
    return file.fileName().toStdString();
}

void RandomPlayer::Key(Qt::Key key, Qt::KeyboardModifiers modifiers)
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

void RandomPlayer::Click(std::int32_t tile) { QTest::mouseClick(Controls->Tiles[tile], Qt::LeftButton, {}, QPoint(20, 28)); }

void RandomPlayer::ScriptHallOfFame(Random& random)
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
std::string RandomPlayer::ClickAt(QPoint point, bool doubleClick)
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

std::string RandomPlayer::ClickTile(Random& random, std::int32_t tile, bool doubleClick)
{
    const QPoint corner = Controls->Tiles[tile]->geometry().topLeft();
    return ClickAt(corner + QPoint(4 + Pick(random, 32), 4 + Pick(random, 48)), doubleClick);
}

std::string RandomPlayer::ClickSomewhere(Random& random, bool doubleClick)
{
    QWidget* surface = bench_.Board->centralWidget();
    return ClickAt(QPoint(Pick(random, surface->width()), Pick(random, surface->height())), doubleClick);
}

std::string RandomPlayer::ClickFreeTile(Random& random)
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

std::string RandomPlayer::SelectMatchingPair(Random& random, bool known)
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

std::string RandomPlayer::Command(Random& random, const char* button, const char* menuItem, Qt::Key shortcut)
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
std::string RandomPlayer::Confirm(Random& random, const char* button, const char* menuItem, Qt::Key shortcut)
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

std::string RandomPlayer::DoMove(Random& random) { return Confirm(random, "cmdRemoveTiles", "mnuGameRemoveTiles", Qt::Key_X); }

// The file command by menu or shortcut, with the file dialog answering path (an empty
// one cancels).
std::string RandomPlayer::FileCommand(Random& random, const std::string& path, const char* menuItem, Qt::Key shortcut)
{
    bench_.FileDialog.Choice.reset();
    if (!path.empty())
        bench_.FileDialog.Choice = {path, QFileInfo(QString::fromStdString(path)).fileName().toStdString()};
    return Command(random, nullptr, menuItem, shortcut) + (path.empty() ? " cancelled" : " " + path);
}

std::string RandomPlayer::SaveGame(Random& random)
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

std::string RandomPlayer::LoadGame(Random& random)
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

} // namespace tessaron
