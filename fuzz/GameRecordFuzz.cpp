// The game record decoder over any text: a rejected text leaves the array exactly as it
// was; an accepted one is a full deal that encodes back to the same text.
#include "FuzzSupport.h"
#include "doubles/RecordingMessageBox.h"
#include "records/GameRecord.h"

#include <array>

using namespace tessaron;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = fuzz::InputText(data, size);

    // Values no deal holds, so that any element written by a rejected text shows.
    TileArray tiles{};
    for (std::int32_t k = 0; k <= TileCount; ++k) tiles[k] = 1000 + k;
    const TileArray before = tiles;

    if (!ConvertTilesFromString(tiles, text)) {
        FUZZ_CHECK(tiles == before);
        return 0;
    }

    FUZZ_CHECK(text.size() == std::size_t(TileCount));
    FUZZ_CHECK(tiles[0] == before[0]);
    std::array<std::int32_t, FaceCount + 1> copies{};
    for (std::int32_t k = 1; k <= TileCount; ++k) {
        FUZZ_CHECK(tiles[k] >= 1 && tiles[k] <= FaceCount);
        ++copies[tiles[k]];
    }
    for (std::int32_t face = 1; face <= FaceCount; ++face)
        FUZZ_CHECK(copies[face] == (face <= LastOrdinaryFace ? 4 : 1));

    RecordingErrorReport report;
    FUZZ_CHECK(ConvertTilesToString(tiles, report.Errors) == text);
    FUZZ_CHECK(report.Box.Boxes.empty());
    return 0;
}
