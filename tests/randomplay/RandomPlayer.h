#pragma once
// A player that does anything a person could do on the board window, legal or not, chosen
// by a seeded generator: clicks anywhere, every command by button, menu item, shortcut,
// Enter or double click, language and clock changes, saving and loading files (also bad
// ones) and the hall of fame's answers. It knows which boxes its actions should raise.
#include "randomplay/BoardInvariants.h"

#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace tessaron {

using Random = std::mt19937_64;

inline int Pick(Random& random, int count) { return int(random() % std::uint64_t(count)); }

template <class Item>
const Item& PickOf(Random& random, const std::vector<Item>& items)
{
    return items[std::size_t(Pick(random, int(items.size())))];
}

class RandomPlayer {
public:
    // Writes the known deals and the files the game refuses into folder.
    RandomPlayer(BoardBench& bench, const QString& folder);

    // Starts a game from one of the known deals. Preferences, language and clock option are
    // drawn from the game's own seed, so one game can be replayed alone.
    void StartGame(Random& random, bool solving);
    // One action; returns its name for the log. A solving game favours the known solution,
    // so that some games are won, and keeps to actions that do not end its course (no peek,
    // restart or new deal).
    std::string Act(Random& random, bool solving);

    std::unique_ptr<BoardControls> Controls;
    // The preferences switched on in this game, for the failure message.
    std::string Mix;
    // The boxes the last actions should have raised, as "title" texts; cleared by the caller.
    std::vector<std::string> ExpectedBoxes;
    // What the screen should show beyond the model: the count and banner last written, the
    // preferences in force.
    ShownState Shown;
    // What went wrong outside the board's own state (checked with the invariants).
    std::string Failure;

private:
    QAction* Action(const char* name) const;
    void ChoosePreferences(Random& random);
    bool On(Preference preference) const;
    std::string PauseAndGoOn(Random& random);
    std::string QuitAndStartAgain();
    std::string Path(const QString& name) const;
    std::string WriteFile(const QString& name, const std::string& bytes);
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Click(std::int32_t tile);
    void ScriptHallOfFame(Random& random);
    std::string ClickAt(QPoint point, bool doubleClick);
    std::string ClickTile(Random& random, std::int32_t tile, bool doubleClick);
    std::string ClickSomewhere(Random& random, bool doubleClick);
    std::string ClickFreeTile(Random& random);
    std::string SelectMatchingPair(Random& random, bool known);
    std::string Command(Random& random, const char* button, const char* menuItem, Qt::Key shortcut);
    std::string Confirm(Random& random, const char* button, const char* menuItem, Qt::Key shortcut);
    std::string DoMove(Random& random);
    std::string FileCommand(Random& random, const std::string& path, const char* menuItem, Qt::Key shortcut);
    std::string SaveGame(Random& random);
    std::string LoadGame(Random& random);

    BoardBench& bench_;
    QString folder_;
    std::vector<std::string> knownFiles_;
    std::vector<std::string> invalidFiles_;
    std::vector<std::string> savedFiles_;
    // The order of pairs that clears each known deal, by its game record.
    std::map<std::string, KnownDeal> known_;
};

} // namespace tessaron
