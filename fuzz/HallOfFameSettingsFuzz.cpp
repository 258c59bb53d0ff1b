// The hall of fame sections from any stored values: loading never crashes, the list in
// effect holds only entries with a time, nothing behind the first empty slot is loaded,
// and each loaded entry can be shown, ranked and stored again without a failure.
#include "FuzzSupport.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/RecordingMessageBox.h"
#include "halloffame/HallOfFameList.h"
#include "window/TimeGone.h"

#include <cmath>
#include <vector>

using namespace tessaron;

namespace {

std::vector<fuzz::SettingsKey> MakeKeys()
{
    static const char* const sections[] = {
        "HallOfFame\\01", "HallOfFame\\02", "HallOfFame\\03", "HallOfFame\\04", "HallOfFame\\05",
        "HallOfFame\\06", "HallOfFame\\07", "HallOfFame\\08", "HallOfFame\\09", "HallOfFame\\10",
    };
    static const char* const values[] = {"Result", "Stamp", "Player", "Tiles", "Moves"};
    std::vector<fuzz::SettingsKey> keys;
    for (const char* section : sections)
        for (const char* value : values) keys.push_back({section, value});
    return keys;
}

const std::vector<fuzz::SettingsKey> Keys = MakeKeys();

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemorySettingsStore store;
    fuzz::FillStore(store, Keys, data, size);
    FixedSystemLocale system;
    RecordingErrorReport report;
    Registry settings{store, report.Errors, system};

    HallOfFameList list{settings, report.Errors};
    list.LoadList();

    const std::int32_t count = list.Count();
    FUZZ_CHECK(count >= 0 && count <= HallOfFameCapacity);
    // Each loaded entry may report its "Result" and "Stamp"; the slot that ends the list
    // only its "Result".
    FUZZ_CHECK(report.Box.Boxes.size() <= std::size_t(2 * count + 1));
    for (std::int32_t i = 1; i <= HallOfFameCapacity; ++i) {
        const HallOfFameEntry& entry = list.Entry(i);
        FUZZ_CHECK(std::isfinite(entry.Result) && std::isfinite(entry.Stamp));
        if (i > count) {
            FUZZ_CHECK(entry.Result == 0 && entry.Stamp == 0);
            FUZZ_CHECK(entry.Player.empty() && entry.Tiles.empty() && entry.Moves.empty());
            continue;
        }
        const std::string section = HallOfFameList::SectionName(i);
        FUZZ_CHECK(entry.Result != 0);
        FUZZ_CHECK(store.Read(section, "Player").value_or("") == entry.Player);
        FUZZ_CHECK(store.Read(section, "Tiles").value_or("") == entry.Tiles);
        FUZZ_CHECK(store.Read(section, "Moves").value_or("") == entry.Moves);
        (void)FormatTimeGone(entry.Result, "n\\mss\\s", "s\\s");
        const std::int32_t place = list.FindPositionForResult(entry.Result);
        FUZZ_CHECK(place >= 0 && place <= HallOfFameCapacity);
        const std::int32_t listed = list.FindPositionForTiles(entry.Tiles);
        FUZZ_CHECK(listed >= 1 && listed <= i);
        FUZZ_CHECK(list.FindBetterResultForTilesAndPlayer(entry) <= i);
    }

    // Every value that was loaded can be stored again: a save that failed half-way would
    // leave the store out of step with the list.
    const std::size_t reportsAfterLoad = report.Box.Boxes.size();
    list.SaveList(1, 0);
    FUZZ_CHECK(report.Box.Boxes.size() == reportsAfterLoad);
    list.LoadList();
    FUZZ_CHECK(list.Count() == count);
    return 0;
}
