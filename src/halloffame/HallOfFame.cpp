#include "halloffame/HallOfFame.h"

#include "records/GameRecord.h"
#include "shell/FormatPatterns.h"
#include "shell/TextTools.h"

#include <utility>

namespace tessaron {

namespace {

// Text numbers of the messages about the place a solved game earns.
constexpr std::int16_t TextPlaceIfNotDoneBetter = 390;  // the deal is listed with a better time
constexpr std::int16_t TextPlaceEarned = 391;
constexpr std::int16_t TextOwnEntryIsBetter = 392;
} // namespace

HallOfFame::HallOfFame(Registry& settings, Locale& texts, SoundService& sound, ErrorReport& errors,
                       TimeGoneFormatter formatTimeGone)
    : list_(settings, errors), texts_(texts), sound_(sound), errors_(errors),
      formatTimeGone_(std::move(formatTimeGone))
{
    list_.LoadList();
}

std::int32_t HallOfFame::InsertGame(HallOfFameDialogs& dialogs, double result, const TileArray& tiles,
                                    const TileArray& moves, double stamp)
{
    std::int32_t choice = HallOfFameNotShown;
    Guarded(errors_, HallOfFameObject, "InsertGame", [&] {
        const std::int32_t position = list_.FindPositionForResult(result);
        if (position == 0) return;

        HallOfFameEntry entry;
        entry.Stamp = stamp;
        entry.Result = result;
        entry.Tiles = ConvertTilesToString(tiles, errors_);
        entry.Moves = ConvertTilesToString(moves, errors_);

        std::int32_t listed = list_.FindPositionForTiles(entry.Tiles);
        const bool doneBetter = listed > 0 && list_.Entry(listed).Result <= result;
        sound_.SoundStart(doneBetter ? SoundGameWon : SoundHallOfFame);

        const std::string message = ReplaceSubString(
            texts_.LoadLocaleString(doneBetter ? TextPlaceIfNotDoneBetter : TextPlaceEarned), "^0",
            std::to_string(position));
        entry.Player = dialogs.RequestPlayerName(message);
        if (entry.Player.empty()) {
            sound_.SoundStop();
            return;
        }

        if (doneBetter) {
            const std::int32_t own = list_.FindBetterResultForTilesAndPlayer(entry);
            if (own > 0) {
                std::string sorry = ReplaceSubString(texts_.LoadLocaleString(TextOwnEntryIsBetter), "^0",
                                                     std::to_string(own));
                sorry = ReplaceSubString(sorry, "^1", FormatTimeGone(list_.Entry(own).Result));
                dialogs.ShowMessage(sorry);
                // The player's own entry is shown selected, so closing the window gives the
                // board the origin of the entry that stands for this deal.
                selectedIndex_ = own;
                choice = AcceptChoice(dialogs.ShowAsDialog(own, OwnEntryHighlight, false));
                return;
            }
            sound_.SoundStart(SoundHallOfFame);
            listed = 0;
        }

        list_.PlaceEntry(position, entry, listed);
        list_.SaveList(position, listed);
        selectedIndex_ = position;
        choice = AcceptChoice(dialogs.ShowAsDialog(position, NewEntryHighlight, true));
    });
    return choice;
}

void HallOfFame::UseLayout(std::string_view layoutKey)
{
    if (layoutKey == list_.LayoutKey()) return;
    list_.UseLayout(layoutKey);
    list_.LoadList();
    selectedIndex_ = 0;
}

std::int32_t HallOfFame::AcceptChoice(std::int32_t choice) const
{
    if (choice == HallOfFameChallenge && !HasEntry(selectedIndex_)) return HallOfFameClosed;
    return choice;
}

std::string HallOfFame::SelectedGameOrigin() const
{
    std::string origin;
    Guarded(errors_, HallOfFameObject, "SelectedGameOrigin (Get)", [&] {
        if (!HasEntry(selectedIndex_)) return;
        const HallOfFameEntry& entry = list_.Entry(selectedIndex_);
        origin = entry.Player + " " + FormatStamp(entry.Stamp) + " (" + FormatTimeGone(entry.Result) + ")";
    });
    return origin;
}

std::string HallOfFame::SelectedGameTiles() const
{
    std::string tiles;
    Guarded(errors_, HallOfFameObject, "SelectedGameTiles (Get)", [&] {
        if (HasEntry(selectedIndex_)) tiles = list_.Entry(selectedIndex_).Tiles;
    });
    return tiles;
}

bool HallOfFame::Select(std::int32_t index)
{
    if (!HasEntry(index)) return false;
    selectedIndex_ = index;
    return true;
}

std::string HallOfFame::FormatTimeGone(double timeGone) const
{
    return formatTimeGone_ ? formatTimeGone_(timeGone) : std::string();
}

std::string HallOfFame::FormatStamp(double stamp) const { return FormatDate(stamp, texts_.DateTimeFormat); }

} // namespace tessaron
