#include "RandomPlayer.h"

#include "BoardInvariants.h"
#include "records/GameFile.h"

#include <QAction>
#include <QDir>
#include <QFile>

namespace tessaron {

namespace {

int Pick(std::mt19937_64& random, int count) { return int(random() % std::uint64_t(count)); }

bool WriteBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

// The pair of the known solution that comes next: pairs come off in the reverse order of
// their insertion, so the last pair still on the board.
std::pair<std::int32_t, std::int32_t> NextKnownPair(const KnownDeal& deal, const Play& play)
{
    for (int k = TileCount / 2; k >= 1; --k) {
        const auto pair = deal.Pair(k);
        if (play.IsPresent(pair.first) && play.IsPresent(pair.second)) return pair;
    }
    return {0, 0};
}

} // namespace

RandomPlayer::RandomPlayer(BoardBench& bench, const QString& folder, int knownDeals)
    : bench_(bench), controls_(std::make_unique<BoardControls>(bench)), folder_(folder)
{
    for (int k = 0; k < knownDeals; ++k) {
        KnownDeal deal = GenerateDeal(bench_.Geometry, bench_.Report.Errors, std::uint64_t(1000 + k));
        const QString path = QDir(folder_).filePath(QStringLiteral("Deal%1.tsg").arg(k));
        WriteBytes(path, EncodeGameFile(deal.Faces, bench_.Report.Errors));
        knownFiles_.push_back(path.toStdString());
        known_[ConvertTilesToString(deal.Faces, bench_.Report.Errors)] = deal;
    }
    const std::string valid = EncodeGameFile(known_.begin()->second.Faces, bench_.Report.Errors);
    std::string wrongCase = valid;
    wrongCase[0] = 't';
    std::string fifthCopy = valid;
    // One face four times more, another one fewer: the counts no longer make a deal.
    fifthCopy[12] = fifthCopy[13] == fifthCopy[12] ? fifthCopy[14] : fifthCopy[13];
    if (fifthCopy == valid) fifthCopy[12] = 'J' + 1;
    const std::vector<std::pair<const char*, std::string>> invalid = {
        {"WrongCase.tsg", wrongCase}, {"Short.tsg", valid.substr(0, 100)}, {"FifthCopy.tsg", fifthCopy}};
    for (const auto& [name, bytes] : invalid) {
        const QString path = QDir(folder_).filePath(QString::fromLatin1(name));
        WriteBytes(path, bytes);
        invalidFiles_.push_back(path.toStdString());
    }
    QDir(folder_).mkdir(QStringLiteral("Folder.tsg"));
    for (int k = 0; k < 3; ++k) savedFiles_.push_back(QDir(folder_).filePath(QStringLiteral("Saved%1.tsg").arg(k)).toStdString());
}

void RandomPlayer::Key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // Keys go to the active window. The progress window of a new deal may still hold the
    // activation for its last second; a player would click the board first.
    if (!bench_.Board->isActiveWindow()) {
        ++Reactivations;
        bench_.Board->activateWindow();
        QCoreApplication::processEvents();
        // Waited for, not required: a key to an inactive board shows up in the invariants.
        if (!bench_.Board->isActiveWindow())
            [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(bench_.Board.get(), 1000);
    }
    bench_.Key(key, modifiers);
}

void RandomPlayer::Click(std::int32_t tile)
{
    QTest::mouseClick(controls_->Tiles[tile], Qt::LeftButton, {}, QPoint(20, 28));
}

void RandomPlayer::StartGame(Random& random, bool solving)
{
    // Language and clock option are drawn from the game's own seed, so one game can be
    // replayed alone.
    Action(Pick(random, 2) == 0 ? "mnuOptionLocaleSelect_0" : "mnuOptionLocaleSelect_1")->trigger();
    const std::string& path = knownFiles_.at(std::size_t(Pick(random, int(knownFiles_.size()))));
    LoadFile(path, "Start.tsg", false);
    const bool timing = solving ? Pick(random, 4) != 0 : Pick(random, 2) == 0;
    if (bench_.Board->GameClockState().TimingActive() != timing) Action("mnuOptionTimingActive")->trigger();
    TilesLeftShown = TileCount;
    WonShown = false;
}

std::string RandomPlayer::Act(Random& random, bool solving)
{
    ScriptHallOfFame(random);
    std::string name;
    const int roll = Pick(random, 1000);
    if (solving && roll < 650) {
        name = SelectMatchingPair(random, true) + " " + DoMove(random);
    } else {
        // A solving game keeps to actions that do not end its course (no peek, restart or new deal).
        static constexpr int SafeActions[] = {100, 250, 650, 720, 800, 850, 890, 960};
        const int r = solving ? SafeActions[Pick(random, 8)] : roll;
        if (r < 200) name = ClickFreeTile(random);
        else if (r < 300) name = ClickSomewhere(random, false);
        else if (r < 330) name = ClickSomewhere(random, true);
        else if (r < 440) name = SelectMatchingPair(random, false);
        else if (r < 540) name = DoMove(random);
        else if (r < 600) name = Peek(random);
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
        } else if (r < 975) {
            const char* labels[] = {"lblTileCount", "lblTimeGone", "lblGameOrigin", "lblNoMovePossible"};
            QTest::mouseClick(bench_.Label(labels[Pick(random, 4)]), Qt::LeftButton);
            name = "click a label";
        } else if (r < 988) {
            Action(Pick(random, 2) == 0 ? "mnuOptionEditSounds" : "mnuHelpAbout")->trigger();
            name = "sound or about dialog";
        } else if (r < 990) {
            // Quit and start again: the deal comes back from the store.
            Action("mnuFileQuit")->trigger();
            bench_.Board.reset();
            if (!bench_.Open()) Failure = "the board did not come back after quit";
            controls_ = std::make_unique<BoardControls>(bench_);
            name = "quit and start again";
        } else {
            name = ClickTile(random, 1 + Pick(random, TileCount), Pick(random, 2) == 0);
        }
    }
    if (!bench_.Board->Model().PeekMode()) {
        TilesLeftShown = TileCount - bench_.Board->Model().RemovedCount();
        WonShown = TilesLeftShown == 0;
    }
    return name;
}

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
    const QPoint corner = controls_->Tiles[tile]->geometry().topLeft();
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
    const std::int32_t tile = free[std::size_t(Pick(random, int(free.size())))];
    Click(tile);
    return "click free tile " + std::to_string(tile);
}

std::string RandomPlayer::SelectMatchingPair(Random& random, bool known)
{
    std::pair<std::int32_t, std::int32_t> pair{0, 0};
    const Play& play = bench_.Board->Model();
    const auto deal = known_.find(ConvertTilesToString(play.TileFaces(), bench_.Report.Errors));
    if (known && deal != known_.end()) {
        pair = NextKnownPair(deal->second, play);
        if (pair.first != 0 && (play.IsLocked(pair.first) || play.IsLocked(pair.second))) pair = {0, 0};
    }
    if (pair.first == 0) {
        const auto pairs = FreeMatchingPairs(bench_, *controls_);
        if (pairs.empty()) return ClickFreeTile(random);
        pair = pairs[std::size_t(Pick(random, int(pairs.size())))];
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

std::string RandomPlayer::DoMove(Random& random)
{
    switch (Pick(random, 5)) {
    case 0: Key(Qt::Key_Return); return "Enter";
    case 1: {
        // The second tile of a pair by double click: selects it and makes the move.
        const Play& play = bench_.Board->Model();
        std::int32_t tile = play.SelectedTile2();
        if (tile == 0) tile = 1 + Pick(random, TileCount);
        if (play.SelectedTile2() != 0) Click(tile);  // deselect, so the double click selects it again
        return ClickTile(random, tile, true);
    }
    default: return Command(random, "cmdRemoveTiles", "mnuGameRemoveTiles", Qt::Key_X);
    }
}

std::string RandomPlayer::Peek(Random& random)
{
    switch (Pick(random, 4)) {
    case 0: Key(Qt::Key_Return); return "Enter";
    case 1: return ClickTile(random, 1 + Pick(random, TileCount), true);
    default: return Command(random, "cmdRemoveTile", "mnuGameRemoveTile", Qt::Key_P);
    }
}

std::string RandomPlayer::SaveGame(Random& random)
{
    const int choice = Pick(random, 6);
    if (choice == 0) {
        bench_.FileDialog.Choice.reset();
    } else if (choice == 1) {
        // A folder that does not exist: the save fails and says so.
        const std::string path = QDir(folder_).filePath(QStringLiteral("Missing/Saved.tsg")).toStdString();
        bench_.FileDialog.Choice = FileDialogChoice{path, "Saved.tsg"};
        ExpectedBoxes.push_back("frmBoard.GameFileSave");
    } else {
        const std::string& path = savedFiles_.at(std::size_t(Pick(random, int(savedFiles_.size()))));
        bench_.FileDialog.Choice = FileDialogChoice{path, QFileInfo(QString::fromStdString(path)).fileName().toStdString()};
    }
    if (Pick(random, 2) == 0)
        Action("mnuFileSaveGame")->trigger();
    else
        Key(Qt::Key_S, Qt::ControlModifier);
    return choice == 0 ? "save cancelled" : "save " + (bench_.FileDialog.Choice ? bench_.FileDialog.Choice->FileName : "");
}

std::string RandomPlayer::LoadFile(const std::string& path, const std::string& title, bool viaShortcut)
{
    bench_.FileDialog.Choice = FileDialogChoice{path, title};
    if (viaShortcut)
        Key(Qt::Key_O, Qt::ControlModifier);
    else
        Action("mnuFileLoadGame")->trigger();
    return (viaShortcut ? "Ctrl+O load " : "load ") + path;
}

std::string RandomPlayer::LoadGame(Random& random)
{
    const int choice = Pick(random, 10);
    const auto title = [](const std::string& path) {
        return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    };
    if (choice == 0) {
        bench_.FileDialog.Choice.reset();
        Key(Qt::Key_O, Qt::ControlModifier);
        return "load cancelled";
    }
    if (choice <= 3) {
        const std::string& path = invalidFiles_.at(std::size_t(Pick(random, int(invalidFiles_.size()))));
        ExpectedBoxes.push_back(bench_.Texts.GetLocale() == 1 ? "Tessaron-Spiel laden" : "Load Tessaron game");
        return LoadFile(path, title(path), Pick(random, 2) == 0);
    }
    if (choice == 4) {
        // Removed after it was chosen, or a folder: the file cannot be read.
        const std::string path = QDir(folder_).filePath(Pick(random, 2) == 0 ? "Gone.tsg" : "Folder.tsg").toStdString();
        ExpectedBoxes.push_back("frmBoard.GameFileLoad");
        return LoadFile(path, title(path), Pick(random, 2) == 0);
    }
    if (choice <= 6) {
        const std::string& path = savedFiles_.at(std::size_t(Pick(random, int(savedFiles_.size()))));
        if (!QFile::exists(QString::fromStdString(path))) ExpectedBoxes.push_back("frmBoard.GameFileLoad");
        return LoadFile(path, title(path), Pick(random, 2) == 0);
    }
    const std::string& path = knownFiles_.at(std::size_t(Pick(random, int(knownFiles_.size()))));
    return LoadFile(path, title(path), Pick(random, 2) == 0);
}

} // namespace tessaron
