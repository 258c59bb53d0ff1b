#include "halloffame/HallOfFameList.h"

#include "records/DateTimeText.h"
#include "shell/FormatPatterns.h"

#include <utility>

namespace tessaron {

HallOfFameList::HallOfFameList(Registry& settings, ErrorReport& errors, std::string_view layoutKey)
    : settings_(settings), errors_(errors), layoutKey_(layoutKey)
{
}

std::string HallOfFameList::SectionName(std::int32_t index, std::string_view layoutKey)
{
    const std::string slot = FormatNumber(index, "\"\\\"00");
    if (layoutKey == ClassicLayoutKey) return "HallOfFame" + slot;
    return "HallOfFame-" + std::string(layoutKey) + slot;
}

void HallOfFameList::LoadList()
{
    Guarded(errors_, HallOfFameObject, "LoadList", [&] {
        entries_ = {};
        for (std::int32_t i = 1; i <= HallOfFameCapacity; ++i) {
            const std::string section = SectionName(i, layoutKey_);
            HallOfFameEntry& entry = entries_[i];
            entry.Result = ConvertTimeToDate(settings_.LoadRegistryString(section, "Result", ""), errors_);
            // Only the time of day of a result is stored. A damaged text that reads as a
            // negative time or a whole day would be written back as no time at all, and the
            // next load would lose every entry behind it: such a slot ends the list too.
            if (!(entry.Result > 0 && entry.Result < 1)) {
                entry.Result = 0;
                break;
            }
            entry.Player = settings_.LoadRegistryString(section, "Player", "");
            entry.Stamp = ConvertDateTimeToDate(settings_.LoadRegistryString(section, "Stamp", ""), errors_);
            entry.Moves = settings_.LoadRegistryString(section, "Moves", "");
            entry.Tiles = settings_.LoadRegistryString(section, "Tiles", "");
        }
    });
}

void HallOfFameList::SaveList(std::int32_t first, std::int32_t last)
{
    Guarded(errors_, HallOfFameObject, "SaveList", [&] {
        for (std::int32_t i = first; i <= HallOfFameCapacity; ++i) {
            const std::string section = SectionName(i, layoutKey_);
            const HallOfFameEntry& entry = entries_.at(i);
            if (entry.Result > 0) {
                settings_.SaveRegistryString(section, "Player", entry.Player, "");
                settings_.SaveRegistryString(section, "Result", ConvertTimeToString(entry.Result), "");
                settings_.SaveRegistryString(section, "Tiles", entry.Tiles, "");
                settings_.SaveRegistryString(section, "Moves", entry.Moves, "");
                settings_.SaveRegistryString(section, "Stamp", ConvertDateTimeToString(entry.Stamp), "");
            } else {
                settings_.DeleteRegistrySection(section);
            }
            if (i == last) break;
        }
    });
}

std::int32_t HallOfFameList::FindPositionForResult(double result) const
{
    // Only a time the store can hold earns a place: a time of 0 or below would be saved as
    // an empty slot and cut off every entry behind it, a whole day would come back as its
    // time of day.
    if (!(result > 0 && result < 1)) return 0;
    for (std::int32_t i = 1; i <= HallOfFameCapacity; ++i)
        if (entries_[i].Result == 0 || entries_[i].Result > result) return i;
    return 0;
}

std::int32_t HallOfFameList::FindPositionForTiles(const std::string& tiles) const
{
    for (std::int32_t i = 1; i <= HallOfFameCapacity; ++i) {
        if (entries_[i].Result == 0) return 0;
        if (entries_[i].Tiles == tiles) return i;
    }
    return 0;
}

std::int32_t HallOfFameList::FindBetterResultForTilesAndPlayer(const HallOfFameEntry& entry) const
{
    for (std::int32_t i = 1; i <= HallOfFameCapacity; ++i) {
        const HallOfFameEntry& listed = entries_[i];
        if (listed.Result == 0 || listed.Result > entry.Result) return 0;
        if (listed.Player == entry.Player && listed.Tiles == entry.Tiles) return i;
    }
    return 0;
}

void HallOfFameList::PlaceEntry(std::int32_t position, const HallOfFameEntry& entry, std::int32_t listed)
{
    HallOfFameEntry carry = entry;
    for (std::int32_t i = position; i <= HallOfFameCapacity; ++i) {
        std::swap(entries_.at(i), carry);  // carry now holds the entry that moves down
        if (i == listed) break;
    }
}

std::int32_t HallOfFameList::Count() const
{
    std::int32_t count = 0;
    while (count < HallOfFameCapacity && entries_[count + 1].Result != 0) ++count;
    return count;
}

} // namespace tessaron
