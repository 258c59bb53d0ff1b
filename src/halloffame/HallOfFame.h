#pragma once
// The hall of fame as the board keeps it for the whole run: the list, read once when the
// object is made, the entry selected in its window, and the entry of a game solved
// against the clock.
#include "board/TileTypes.h"
#include "halloffame/HallOfFameDialogs.h"
#include "halloffame/HallOfFameList.h"
#include "shell/ErrorReport.h"
#include "shell/Locale.h"
#include "shell/Registry.h"
#include "sound/SoundService.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tessaron {

// Writes an elapsed time the way the board's clock shows it ("7s", "1m05s").
using TimeGoneFormatter = std::function<std::string(double timeGone)>;

class HallOfFame {
public:
    HallOfFame(Registry& settings, Locale& texts, SoundService& sound, ErrorReport& errors,
               TimeGoneFormatter formatTimeGone);

    // Decides whether and where a game solved in result (days) enters the list, asks for
    // the name, stores the list and shows the window. Returns a HallOfFameChoice; 0 also
    // after a failure. A choice of 3 always comes with a selected entry.
    std::int32_t InsertGame(HallOfFameDialogs& dialogs, double result, const TileArray& tiles,
                            const TileArray& moves, double stamp);

    // Reads the list of this layout when it is not the one held; the selection goes with the
    // old list. The list of the classic layout is the one held at first.
    void UseLayout(std::string_view layoutKey);
    const std::string& LayoutKey() const { return list_.LayoutKey(); }

    // The window's answer, made safe for the board: a challenge without a selected entry
    // counts as a plain close.
    std::int32_t AcceptChoice(std::int32_t choice) const;

    // "Player dd.mm.yyyy hh:nn (time)" of the selected entry; "" when none is selected.
    std::string SelectedGameOrigin() const;
    // The deal of the selected entry; "" when none is selected.
    std::string SelectedGameTiles() const;

    // Selects entry index when it is in effect; returns whether it did.
    bool Select(std::int32_t index);
    std::int32_t SelectedIndex() const { return selectedIndex_; }

    const HallOfFameList& List() const { return list_; }
    std::string FormatTimeGone(double timeGone) const;
    // The moment of solving in the language's date pattern.
    std::string FormatStamp(double stamp) const;

private:
    bool HasEntry(std::int32_t index) const { return index >= 1 && index <= list_.Count(); }

    HallOfFameList list_;
    Locale& texts_;
    SoundService& sound_;
    ErrorReport& errors_;
    TimeGoneFormatter formatTimeGone_;
    std::int32_t selectedIndex_ = 0;
};

} // namespace tessaron
