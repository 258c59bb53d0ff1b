#pragma once
// The hall of fame as the board uses it: the run-long HallOfFame with its list and
// selection, and the windows it needs, created for each showing over the board.
#include "board/Layout.h"
#include "board/TileTypes.h"
#include "halloffame/HallOfFame.h"
#include "shell/ErrorReport.h"
#include "shell/Locale.h"
#include "shell/Registry.h"
#include "sound/SoundService.h"

#include <cstdint>
#include <string>

class QWidget;

namespace tessaron {

class HallOfFameWindows {
public:
    // Reads the list from the store. caption is the dialogs' title (the program's title).
    HallOfFameWindows(Registry& settings, Locale& texts, SoundService& sound, ErrorReport& errors,
                      TimeGoneFormatter formatTimeGone, std::string caption);

    // A game solved against the clock: result is the solving time in days, tiles the deal,
    // moves the removed positions in order, stamp the moment of the win. Returns 0 (not
    // entered, or the name request cancelled), 1 closed, 2 new game, 3 challenge.
    std::int32_t InsertGame(QWidget* owner, double result, const TileArray& tiles, const TileArray& moves,
                            double stamp);
    // The window opened from the File menu: 1 closed, 2 new game, 3 challenge; 0 on a failure.
    std::int32_t ShowAsDialog(QWidget* owner);

    // The list of layout from now on (HallOfFame::UseLayout); the window's title then adds
    // the layout's name in the language of each showing, except for the classic layout,
    // whose window stays as it always was.
    void UseLayout(const Layout& layout);

    std::string SelectedGameOrigin() const { return hallOfFame_.SelectedGameOrigin(); }
    std::string SelectedGameTiles() const { return hallOfFame_.SelectedGameTiles(); }

    HallOfFame& Model() { return hallOfFame_; }

private:
    class OwnedDialogs;
    std::string WindowCaption() const;

    Registry& settings_;
    Locale& texts_;
    SoundService& sound_;
    ErrorReport& errors_;
    std::string caption_;
    std::string layoutEnglishName_;  // empty for the classic layout
    std::string layoutGermanName_;
    HallOfFame hallOfFame_;
};

} // namespace tessaron
