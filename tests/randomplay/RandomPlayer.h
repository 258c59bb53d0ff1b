#pragma once
// A player that does anything a person could do on the board window, legal or not, chosen
// by a seeded generator: clicks anywhere, every command by button, menu item, shortcut,
// Enter or double click, language and clock changes, saving and loading files (also bad
// ones) and the hall of fame's answers. It knows which boxes its actions should raise.
#include "BoardInvariants.h"
#include "window/BoardBench.h"

#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace tessaron {

class RandomPlayer {
public:
    RandomPlayer(BoardBench& bench, const QString& folder, int knownDeals);

    // Starts a game from one of the known deals (loaded from its file); solving games
    // favour the known solution so that some of them are won.
    void StartGame(std::mt19937_64& random, bool solving);
    // One action; returns its name for the log.
    std::string Act(std::mt19937_64& random, bool solving);

    const BoardControls& Controls() const { return *controls_; }

    // The boxes the last actions should have raised, as "title" texts; cleared by the caller.
    std::vector<std::string> ExpectedBoxes;
    // The tile count the label shows: a peek does not rewrite it.
    std::int32_t TilesLeftShown = TileCount;
    bool WonShown = false;
    // What went wrong outside the board's own state (checked with the invariants).
    std::string Failure;
    // How often the board had to be activated again before a key.
    int Reactivations = 0;

private:
    using Random = std::mt19937_64;
    std::string ClickAt(QPoint point, bool doubleClick);
    std::string ClickSomewhere(Random& random, bool doubleClick);
    std::string ClickTile(Random& random, std::int32_t tile, bool doubleClick);
    std::string ClickFreeTile(Random& random);
    std::string SelectMatchingPair(Random& random, bool known);
    std::string Command(Random& random, const char* button, const char* menuItem, Qt::Key shortcut);
    std::string DoMove(Random& random);
    std::string Peek(Random& random);
    std::string SaveGame(Random& random);
    std::string LoadGame(Random& random);
    std::string LoadFile(const std::string& path, const std::string& title, bool viaShortcut);
    void ScriptHallOfFame(Random& random);
    void Click(std::int32_t tile);
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QAction* Action(const char* name) const { return controls_->Action(name); }

    BoardBench& bench_;
    std::unique_ptr<BoardControls> controls_;
    QString folder_;
    std::vector<std::string> knownFiles_;
    std::vector<std::string> invalidFiles_;
    std::vector<std::string> savedFiles_;
    // The order of pairs that clears each known deal, by its game record.
    std::map<std::string, KnownDeal> known_;
};

} // namespace tessaron
