#pragma once
// The fixed layout of 144 positions in five layers: grid places, pixel places and the
// relations between positions. Built once when the board window loads; never changes.
#include "board/TileTypes.h"
#include "shell/ErrorReport.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tessaron {

// 23 items "Layer,X,Y,Count" separated by ";": each a run of Count tiles going right.
inline constexpr std::string_view BoardLayout =
    "04,13,07,01;03,12,08,02;03,12,06,02;02,10,10,04;02,10,08,04;02,10,06,04;02,10,04,04;"
    "01,08,12,06;01,08,10,06;01,08,08,06;01,08,06,06;01,08,04,06;01,08,02,06;00,02,14,12;"
    "00,06,12,08;00,04,10,10;00,00,07,01;00,02,08,12;00,02,06,12;00,26,07,02;00,04,04,10;"
    "00,06,02,08;00,02,00,12";

// Reads the next two-digit number at the 0-based offset position (which then moves on by
// 3). Returns true, leaving value unchanged, when the text is exhausted. A substring that
// is not a number throws Failure(ErrTypeMismatch).
bool ExtractLayoutItem(std::int32_t& value, std::string_view layout, std::int32_t& position);

class BoardGeometry {
public:
    // Failures while building are reported under frmBoard.CreateTileLocations /
    // frmBoard.CreateTileRelations and leave the geometry as far as it got.
    explicit BoardGeometry(ErrorReport& errors);

    // tileWidth and tileHeight are the pixel steps: the picture size less the 4-pixel edge
    // (36 x 52 for 40 x 56 pictures). Calls CreateTileLocations first.
    void CreateTileRelations(std::string_view layout, float tileWidth, float tileHeight);
    void CreateTileLocations(std::string_view layout, float tileWidth, float tileHeight);
    // The same from the places of a read layout (Layout::Places, position 1 first): each
    // place gets its pixel place from its own X, as a run's first tile does.
    void CreateTileRelations(std::span<const TileLocation> places, float tileWidth, float tileHeight);

    bool TilesAreOverlapping(std::int32_t a, std::int32_t b) const;
    // -1 when a lies directly left of b, 1 when directly right, else 0.
    std::int32_t TilesAreTouching(std::int32_t a, std::int32_t b) const;

    std::int32_t PositionCount() const { return positionCount_; }
    const TileLocation& Location(std::int32_t tile) const { return locations_.at(tile); }
    const PixelPlace& Place(std::int32_t tile) const { return places_.at(tile); }
    const TileRelation& Relation(std::int32_t tile) const { return relations_.at(tile); }

private:
    void BuildRelations();

    ErrorReport& errors_;
    std::int32_t positionCount_ = 0;
    std::array<TileLocation, TileCount + 1> locations_{};
    std::array<PixelPlace, TileCount + 1> places_{};
    std::array<TileRelation, TileCount + 1> relations_{};
};

} // namespace tessaron
