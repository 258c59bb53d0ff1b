// The layout parser over any text: ExtractLayoutItem steps three characters a call and
// reads only two-digit numbers; building the geometry and relations from any layout never
// writes beyond the 144 positions or four neighbours a side. Failures are reported, never
// thrown out.
#include "FuzzSupport.h"
#include "board/BoardGeometry.h"
#include "doubles/RecordingMessageBox.h"

#include <memory>

using namespace tessaron;

namespace {

void CheckItemReader(const std::string& layout)
{
    std::int32_t position = 0;
    for (;;) {
        const std::int32_t offset = position;
        std::int32_t value = 12345;
        bool exhausted = false;
        try {
            exhausted = ExtractLayoutItem(value, layout, position);
        } catch (const Failure& failure) {
            FUZZ_CHECK(failure.Number() == ErrTypeMismatch);
            FUZZ_CHECK(offset < std::int32_t(layout.size()));
            FUZZ_CHECK(position == offset + 3);
            continue;
        }
        FUZZ_CHECK(position == offset + 3);
        if (exhausted) {
            FUZZ_CHECK(value == 12345);
            FUZZ_CHECK(offset >= std::int32_t(layout.size()));
            return;
        }
        FUZZ_CHECK(value >= -9 && value <= 99);
    }
}

void CheckList(const TileList& list, std::int32_t tile, std::int32_t positionCount)
{
    FUZZ_CHECK(list.Count >= 0 && list.Count <= std::int32_t(list.Tile.size()));
    for (std::int32_t i = 0; i < list.Count; ++i) {
        FUZZ_CHECK(list.Tile[i] >= 1 && list.Tile[i] <= positionCount);
        FUZZ_CHECK(list.Tile[i] != tile);
    }
}

void CheckGeometry(const std::string& layout)
{
    RecordingErrorReport report;
    auto geometry = std::make_unique<BoardGeometry>(report.Errors);
    geometry->CreateTileRelations(layout, 36.0f, 52.0f);
    const std::int32_t count = geometry->PositionCount();
    FUZZ_CHECK(count >= 0 && count <= TileCount);
    // At most one report from each of the two procedures.
    FUZZ_CHECK(report.Box.Boxes.size() <= 2);
    for (std::int32_t tile = 1; tile <= count; ++tile) {
        const TileRelation& relation = geometry->Relation(tile);
        CheckList(relation.Above, tile, count);
        CheckList(relation.Below, tile, count);
        CheckList(relation.LeftHand, tile, count);
        CheckList(relation.RightHand, tile, count);
    }
    if (!report.Box.Boxes.empty()) return;
    // A complete build relates both ways: above one way is below the other, left is right.
    for (std::int32_t tile = 1; tile <= count; ++tile) {
        const TileRelation& relation = geometry->Relation(tile);
        for (std::int32_t i = 0; i < relation.Above.Count; ++i)
            FUZZ_CHECK(geometry->Relation(relation.Above.Tile[i]).Below.Contains(tile));
        for (std::int32_t i = 0; i < relation.LeftHand.Count; ++i)
            FUZZ_CHECK(geometry->Relation(relation.LeftHand.Tile[i]).RightHand.Contains(tile));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string layout = fuzz::InputText(data, size);
    CheckItemReader(layout);
    CheckGeometry(layout);
    return 0;
}
