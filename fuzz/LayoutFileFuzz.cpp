// The layout file reader over any bytes: it never throws; an accepted text has 144 sound
// places in drawing order that build a board without a report; a refused one names the
// source and a line of the text.
#include "FuzzSupport.h"
#include "board/BoardGeometry.h"
#include "board/Layout.h"
#include "doubles/RecordingMessageBox.h"
#include "shell/StringTable.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace tessaron;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = fuzz::InputText(data, size);
    const LayoutReading reading = ReadLayout(text, "fuzz.layout");
    if (const auto* fault = std::get_if<LayoutFault>(&reading)) {
        const auto lines = std::int32_t(std::count(text.begin(), text.end(), '\n')) + 1;
        FUZZ_CHECK(fault->Source == "fuzz.layout");
        FUZZ_CHECK(fault->Line >= 1 && fault->Line <= lines);
        FUZZ_CHECK(LayoutFaultText(*fault, EnglishStringBase).starts_with("fuzz.layout, line "));
        return 0;
    }
    const Layout& layout = std::get<Layout>(reading);
    FUZZ_CHECK(layout.Places.size() == std::size_t(TileCount));
    FUZZ_CHECK(!layout.Key.empty() && !layout.EnglishName.empty() && !layout.GermanName.empty());
    RecordingErrorReport report;
    auto geometry = std::make_unique<BoardGeometry>(report.Errors);
    geometry->CreateTileRelations(layout.Places, 36.0f, 52.0f);
    FUZZ_CHECK(report.Box.Boxes.empty());
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        const TileLocation& at = geometry->Location(tile);
        FUZZ_CHECK(at.X >= 0 && at.X <= LayoutCoordinateLimit && at.Y >= 0 && at.Y <= LayoutCoordinateLimit);
        // Resting: the tiles below cover all four units of a raised tile, and nothing else.
        std::int32_t covered = 0;
        const TileList& below = geometry->Relation(tile).Below;
        for (std::int32_t i = 0; i < below.Count; ++i) {
            const TileLocation& under = geometry->Location(below.Tile[i]);
            covered += (2 - std::abs(under.X - at.X)) * (2 - std::abs(under.Y - at.Y));
        }
        FUZZ_CHECK(covered == (at.Layer > 0 ? 4 : 0));
        if (tile > 1) FUZZ_CHECK(geometry->Location(tile - 1).Layer >= at.Layer);
    }
    return 0;
}
