#pragma once
// What the board window opens besides itself: the hall of fame, the sound dialog and the
// about dialog. The game wires the real windows; until then, and in tests, simpler
// implementations stand in.
#include "board/TileTypes.h"

#include <cstdint>
#include <string>

class QWidget;

namespace tessaron {

class LayoutCatalog;
class Preferences;
struct Layout;
struct LayoutChoice;

class BoardCompanions {
public:
    virtual ~BoardCompanions() = default;

    // A game solved against the clock: the hall of fame decides on an entry, may ask for
    // the player's name and shows its window modally over owner. Returns 0 when the game
    // was not entered (or the name request was cancelled), else the window's answer:
    // 1 closed, 2 new game, 3 challenge the selected entry.
    virtual std::int32_t InsertGame(QWidget* owner, double gameTime, const TileArray& tileFaces,
                                    const TileArray& removedTiles, double gameTimeNow) = 0;
    // The hall of fame window from the File menu, nothing highlighted: 1, 2 or 3 as above.
    virtual std::int32_t ShowHallOfFame(QWidget* owner) = 0;
    // The origin text and the game record of the entry selected in the hall of fame.
    virtual std::string SelectedGameOrigin() = 0;
    virtual std::string SelectedGameTiles() = 0;

    // The hall of fame keeps and shows the list of this layout from now on.
    virtual void UseLayout(const Layout& layout) = 0;
    // The layout chooser, modal over owner, opened on choice; true when the player chose
    // Play, choice then holding the layout and the option.
    virtual bool ChooseLayout(QWidget* owner, const LayoutCatalog& catalog, LayoutChoice& choice) = 0;

    virtual void ShowSoundDialog(QWidget* owner) = 0;
    virtual void ShowAboutDialog(QWidget* owner) = 0;
    // The preferences dialog, modal over owner; "Play against the clock" may be changed only
    // when timingChangeable (as its menu item). True when a stored value changed.
    virtual bool ShowPreferences(QWidget* owner, Preferences& preferences, bool timingChangeable) = 0;
    // The game's message dialog with one OK button, modal over owner.
    virtual void ShowMessage(QWidget* owner, const std::string& message) = 0;
};

// Until the other windows are wired: no game enters a hall of fame, and the dialogs do not open.
class NoCompanions final : public BoardCompanions {
public:
    std::int32_t InsertGame(QWidget*, double, const TileArray&, const TileArray&, double) override { return 0; }
    std::int32_t ShowHallOfFame(QWidget*) override { return 1; }
    std::string SelectedGameOrigin() override { return {}; }
    std::string SelectedGameTiles() override { return {}; }
    void UseLayout(const Layout&) override {}
    bool ChooseLayout(QWidget*, const LayoutCatalog&, LayoutChoice&) override { return false; }
    void ShowSoundDialog(QWidget*) override {}
    void ShowAboutDialog(QWidget*) override {}
    bool ShowPreferences(QWidget*, Preferences&, bool) override { return false; }
    void ShowMessage(QWidget*, const std::string&) override {}
};

} // namespace tessaron
