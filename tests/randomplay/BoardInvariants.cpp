#include "BoardInvariants.h"

#include "board/Rules.h"
#include "window/BoardPictures.h"

#include <QAction>
#include <QPushButton>

#include <map>
#include <set>
#include <sstream>

namespace tessaron {

namespace {

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

struct Expected {
    bool DoMove, Peek, Undo, Redo, Restart, Timing;
};

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

std::string TileCountText(std::int32_t tilesLeft, int language)
{
    return std::to_string(tilesLeft) + (language == 1 ? " von 144" : " of 144");
}

} // namespace

BoardControls::BoardControls(const BoardBench& bench)
    : Board(bench.Board.get()),
      Redo(bench.Button("cmdRedoNextMove")),
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

QAction* BoardControls::Action(const std::string& name) const
{
    for (const auto& [itemName, item] : Actions)
        if (itemName == name) return item;
    return nullptr;
}

bool FacesMatch(std::int32_t a, std::int32_t b)
{
    if (a < 1 || b < 1 || a > FaceCount || b > FaceCount) return false;
    if (a <= LastOrdinaryFace || b <= LastOrdinaryFace) return a == b;
    return (a < FirstSeasonFace) == (b < FirstSeasonFace);
}

std::vector<std::pair<std::int32_t, std::int32_t>> FreeMatchingPairs(const BoardBench& bench, const BoardControls& controls)
{
    const TilePresence present = PicturePresence(controls);
    const TileArray& faces = bench.Board->Model().TileFaces();
    std::vector<std::int32_t> free;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (FreeOnScreen(bench, present, tile)) free.push_back(tile);
    std::vector<std::pair<std::int32_t, std::int32_t>> pairs;
    for (std::size_t i = 0; i < free.size(); ++i)
        for (std::size_t j = i + 1; j < free.size(); ++j)
            if (FacesMatch(faces[free[i]], faces[free[j]])) pairs.emplace_back(free[i], free[j]);
    return pairs;
}

std::string CheckBoardInvariants(const BoardBench& bench, const BoardControls& controls, const InvariantContext& context)
{
    std::ostringstream out;
    const Play& play = bench.Board->Model();
    const TilePresence present = PicturePresence(controls);
    const std::int32_t count = play.RemovedCount();
    const std::int32_t selected1 = play.SelectedTile1();
    const std::int32_t selected2 = play.SelectedTile2();
    const int language = bench.Texts.GetLocale();

    // A tile is in play exactly while its picture is visible, and the pictures show its look.
    int visible = 0;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        if (play.Presence()[tile] != present[tile]) {
            out << "presence of " << tile << " is " << play.Presence()[tile] << " but its picture visible is "
                << present[tile];
            return out.str();
        }
        visible += present[tile] ? 1 : 0;
        const std::pair<std::int32_t, bool> look{play.TileFaces()[tile], tile == selected1 || tile == selected2};
        if (present[tile] && ShownLook(controls.Tiles[tile]->Picture()) != look) {
            out << "tile " << tile << " does not show face " << look.first << (look.second ? " bright" : " dark");
            return out.str();
        }
    }
    if (count < 0 || count > TileCount || visible != TileCount - count) {
        out << visible << " pictures visible with RemovedCount " << count;
        return out.str();
    }

    // Entries in effect are exactly the hidden tiles, each once.
    std::set<std::int32_t> removed;
    for (std::int32_t k = 1; k <= count; ++k) {
        const std::int32_t tile = play.RemovedTiles()[k];
        if (tile < 1 || tile > TileCount || present[tile] || !removed.insert(tile).second) {
            out << "RemovedTiles(" << k << ") = " << tile << " is not a distinct hidden tile";
            return out.str();
        }
    }

    // The availability table of the rules. Redo is only bounded by it: an entry that is no
    // longer a move may keep redo off, which the removal list checks below guard.
    const bool peeking = play.PeekMode();
    const Expected e{selected1 > 0 && selected2 != 0, selected1 > 0 && selected2 == 0, !peeking && count > 0,
                     !peeking && count < play.RemovedCountMax(), count > 0, count == 0};
    if (e.Undo || e.Redo) {
        if (count % 2 != 0) {
            out << "undo or redo available with an odd RemovedCount " << count;
            return out.str();
        }
        for (std::int32_t k = 1; k + 1 <= count; k += 2)
            if (!FacesMatch(play.TileFaces()[play.RemovedTiles()[k]], play.TileFaces()[play.RemovedTiles()[k + 1]])) {
                out << "removal list pair " << k << "/" << k + 1 << " does not match";
                return out.str();
            }
    }

    // The selection.
    if (selected1 != 0 && !present.at(std::size_t(selected1))) return "SelectedTile1 is hidden";
    if (selected2 != 0 && (selected1 == 0 || !present.at(std::size_t(selected2)) || selected2 == selected1))
        return "SelectedTile2 without a valid SelectedTile1";
    if (!play.PeekMode()) {
        if (selected1 != 0 && !FreeOnScreen(bench, present, selected1)) return "SelectedTile1 is locked";
        if (selected2 != 0
            && (!FreeOnScreen(bench, present, selected2)
                || !FacesMatch(play.TileFaces()[selected1], play.TileFaces()[selected2])))
            return "SelectedTile2 is locked or does not match SelectedTile1";
    } else if (selected2 != 0) {
        return "SelectedTile2 set in peek mode";
    }

    // Every command's button and menu item.
    struct Command {
        const char* Name;
        bool Expected;
        bool Actual;
        bool Bound = false;  // only "not without": enabled implies expected
    };
    const Command commands[] = {
        {"cmdRedoNextMove", e.Redo, controls.Redo->isEnabled(), true},
        {"cmdRemoveTile", e.Peek, controls.Peek->isEnabled()},
        {"cmdRemoveTile default", e.Peek, controls.Peek->isDefault()},
        {"cmdRemoveTiles", e.DoMove, controls.DoMove->isEnabled()},
        {"cmdRemoveTiles default", e.DoMove, controls.DoMove->isDefault()},
        {"cmdUndoLastMove", e.Undo, controls.Undo->isEnabled()},
        {"mnuGameRedoNextMove", e.Redo, controls.Action("mnuGameRedoNextMove")->isEnabled(), true},
        {"mnuGameRemoveTile", e.Peek, controls.Action("mnuGameRemoveTile")->isEnabled()},
        {"mnuGameRemoveTiles", e.DoMove, controls.Action("mnuGameRemoveTiles")->isEnabled()},
        {"mnuGameRestartGame", e.Restart, controls.Action("mnuGameRestartGame")->isEnabled()},
        {"mnuGameUndoLastMove", e.Undo, controls.Action("mnuGameUndoLastMove")->isEnabled()},
        {"mnuOptionTimingActive", e.Timing, controls.Action("mnuOptionTimingActive")->isEnabled()},
    };
    for (const Command& command : commands)
        if (command.Bound ? command.Actual && !command.Expected : command.Expected != command.Actual) {
            out << command.Name << " is " << (command.Actual ? "enabled" : "disabled") << " but should not be";
            return out.str();
        }
    if (controls.Action("mnuGameRedoNextMove")->isEnabled() != controls.Redo->isEnabled())
        return "redo's button and menu item disagree";
    for (const auto& [name, item] : controls.Actions)  // the file, option and help items stay enabled
        if (name.rfind("mnuGame", 0) != 0 && name != "mnuOptionTimingActive" && !item->isEnabled())
            return name + " is disabled";
    if (controls.Action("mnuOptionLocaleSelect_0")->isChecked() != (language == 0)
        || controls.Action("mnuOptionLocaleSelect_1")->isChecked() != (language == 1))
        return "the language check marks do not follow the language";
    if (controls.Action("mnuOptionTimingActive")->isChecked() != bench.Board->GameClockState().TimingActive())
        return "the clock option's check mark does not follow TimingActive";

    // The tile count in the current language; a peek does not rewrite it.
    const std::int32_t tilesLeft = play.PeekMode() ? context.TilesLeftShown : TileCount - count;
    if (controls.TileCountLabel->text().toStdString() != TileCountText(tilesLeft, language)) {
        out << "tile count reads '" << controls.TileCountLabel->text().toStdString() << "', expected '"
            << TileCountText(tilesLeft, language) << "'";
        return out.str();
    }

    // Messages: the banner of the current language only while won; the dead-end text only on a dead end.
    const bool won = context.WonShown;
    if (controls.GameWon[language == 1 ? 1 : 0]->isVisible() != won)
        return won ? "the win banner is missing" : "the win banner shows without a win";
    if (controls.GameWon[language == 1 ? 0 : 1]->isVisible())
        return "the other language's banner shows";
    if (!play.PeekMode() && controls.NoMovePossible->isVisible()
        && (count == 0 || count == TileCount || !FreeMatchingPairs(bench, controls).empty()))
        return "the dead-end text shows while a move is possible";
    if (controls.NoMovePossible->isVisible() && won) return "dead-end text and win banner together";

    // The clock runs only in play: not while peeking, stuck or won.
    if (bench.Timer.IsActive() && (play.PeekMode() || won || controls.NoMovePossible->isVisible()))
        return "the clock runs while peeking, stuck or won";
    return {};
}

} // namespace tessaron
