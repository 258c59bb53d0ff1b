#pragma once
// The ten best solving times on one layout, shortest first, and their storage in the
// settings store: entry i of the classic layout lives in the section "HallOfFame\01" ..
// "HallOfFame\10", of another layout in "HallOfFame-KEY\01" .. (a layout key holds only
// a-z, 0-9 and "-", so no list reads another's). The list in effect runs
// from entry 1 up to the entry before the first one whose Result is 0; every search stops
// there.
#include "board/LayoutCatalog.h"
#include "shell/ErrorReport.h"
#include "shell/Registry.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessaron {

constexpr std::int32_t HallOfFameCapacity = 10;

struct HallOfFameEntry {
    double Stamp = 0;    // the moment the game was solved (OLE date)
    double Result = 0;   // the solving time in days; 0 marks an empty slot
    std::string Player;  // trimmed
    std::string Tiles;   // the deal's game record
    std::string Moves;   // positions in removal order, as a record; never decoded
};

class HallOfFameList {
public:
    HallOfFameList(Registry& settings, ErrorReport& errors, std::string_view layoutKey = ClassicLayoutKey);

    // The list of another layout from now on: forgets the entries; LoadList reads them.
    void UseLayout(std::string_view layoutKey) { layoutKey_ = layoutKey; entries_ = {}; }
    const std::string& LayoutKey() const { return layoutKey_; }

    // Fills the list from the store; sections behind the first missing "Result" are ignored.
    void LoadList();
    // Writes entries first..last (last 0 = through entry 10); an empty entry removes its
    // section.
    void SaveList(std::int32_t first, std::int32_t last);

    // The place 1..10 that result earns, 0 if none; an equal listed time ranks ahead. A
    // result of 0 or below, or of a day or more, earns none.
    std::int32_t FindPositionForResult(double result) const;
    // The first place holding this deal, 0 if none.
    std::int32_t FindPositionForTiles(const std::string& tiles) const;
    // The first place holding entry's player and deal (compared exactly) with an equal or
    // better time, 0 if none.
    std::int32_t FindBetterResultForTilesAndPlayer(const HallOfFameEntry& entry) const;

    // Puts entry at position and moves the entries behind it down one place, up to listed
    // (whose old entry, the same deal with a longer time, is dropped) or, when listed is 0,
    // up to entry 10, which drops out.
    void PlaceEntry(std::int32_t position, const HallOfFameEntry& entry, std::int32_t listed);

    // Entry 1..10; an empty slot has Result 0.
    const HallOfFameEntry& Entry(std::int32_t index) const { return entries_.at(index); }
    // The number of entries in effect.
    std::int32_t Count() const;

    // "HallOfFame\01" .. "HallOfFame\10" for the classic layout, "HallOfFame-KEY\01" ..
    // for another.
    static std::string SectionName(std::int32_t index, std::string_view layoutKey = ClassicLayoutKey);

private:
    Registry& settings_;
    ErrorReport& errors_;
    std::string layoutKey_;
    std::array<HallOfFameEntry, HallOfFameCapacity + 1> entries_{};  // element 0 unused
};

} // namespace tessaron
