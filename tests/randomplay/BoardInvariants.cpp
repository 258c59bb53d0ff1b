#include "randomplay/BoardInvariants.h"

#include "board/Rules.h"
#include "window/BoardPictures.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace tessaron {

BoardControls::BoardControls(const BoardBench& bench)
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

QAction* BoardControls::Action(const std::string& name) const
{
    for (const auto& [itemName, item] : Actions)
        if (itemName == name) return item;
    return nullptr;
}

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
} // namespace

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

std::string CheckBoardInvariants(const BoardBench& bench, const BoardControls& controls, const ShownState& shown)
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
    if (controls.Peek->isDefault() != (peek && !shown.Chosen[Preference::EnterNeverPeeks]) || controls.DoMove->isDefault() != doMove)
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
    const std::int32_t tilesLeft = peeking ? shown.TilesLeft : TileCount - count;
    std::string countText = std::to_string(tilesLeft) + (language == 1 ? " von 144" : " of 144");
    if (shown.Chosen[Preference::ShowFreePairs] && tilesLeft > 0) {
        // With "ShowFreePairs" the count ends with the free pairs the rules see on the screen
        // (none on a cleared board).
        const std::int32_t pairs = FreePairCount(bench.Geometry, present, faces);
        countText += ", ";
        if (pairs == 1) countText += language == 1 ? "1 freies Paar" : "1 free pair";
        else countText += std::to_string(pairs) + (language == 1 ? " freie Paare" : " free pairs");
    }
    if (controls.TileCountLabel->text().toStdString() != countText)
        return "tile count reads '" + controls.TileCountLabel->text().toStdString() + "', expected '" + countText + "'";

    // With "ShowMatches" and one tile selected outside peek mode, exactly its free matches carry
    // the mark; else no tile does.
    const bool marking = shown.Chosen[Preference::ShowMatches] && selected1 != 0 && selected2 == 0 && !peeking;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        const bool match = marking && tile != selected1 && FreeOnScreen(bench, present, tile)
            && !TilesAreNotMatching(faces, selected1, tile);
        if (controls.Tiles[tile]->MatchMark() != match)
            return "tile " + std::to_string(tile) + (match ? " lacks" : " carries") + " the match mark";
    }

    // The banner of the current language only while won; the dead-end text only on a dead end.
    if (controls.GameWon[language == 1]->isVisible() != shown.Won || controls.GameWon[language != 1]->isVisible())
        return "the win banner does not show exactly while won, in the current language";
    const bool deadEnd = controls.NoMovePossible->isVisible();
    if (deadEnd && (shown.Won || (!peeking && (count == 0 || !FreeMatchingPairs(bench, controls).empty()))))
        return "the dead-end text shows while won or while a move is possible";

    // The clock runs only in play: not while peeking, stuck or won.
    if (bench.Timer.IsActive() && (peeking || shown.Won || deadEnd)) return "the clock runs while peeking, stuck or won";
    return {};
}
} // namespace tessaron
