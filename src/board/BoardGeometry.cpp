#include "board/BoardGeometry.h"

#include "shell/Failure.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace tessaron {

namespace {

// Rounds to the nearest whole number, halves to the even neighbour (18.5 -> 18, 55.5 -> 56).
std::int32_t RoundHalfEven(double value)
{
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    if (!(whole >= std::numeric_limits<std::int32_t>::min() && whole <= std::numeric_limits<std::int32_t>::max()))
        Fail(ErrOverflow);
    return static_cast<std::int32_t>(whole);
}

bool IsLayoutDigit(char c) { return c >= '0' && c <= '9'; }

// Accepts blanks around an optionally signed run of digits, like a numeric conversion of
// the run time would; anything else is a type mismatch.
std::int32_t ParseLayoutNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) Fail(ErrTypeMismatch);
    std::int32_t value = 0;
    for (char c : text) {
        if (!IsLayoutDigit(c)) Fail(ErrTypeMismatch);
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

void Append(TileList& list, std::int32_t tile)
{
    if (list.Count >= static_cast<std::int32_t>(list.Tile.size())) Fail(ErrSubscriptOutOfRange);
    list.Tile[list.Count] = tile;
    ++list.Count;
}

} // namespace

bool ExtractLayoutItem(std::int32_t& value, std::string_view layout, std::int32_t& position)
{
    if (position < 0) Fail(ErrInvalidCall);
    if (position > std::numeric_limits<std::int32_t>::max() - 3) Fail(ErrOverflow);
    const auto start = static_cast<std::size_t>(position);
    position += 3;  // two digits and the separator behind them
    if (start >= layout.size()) return true;
    value = ParseLayoutNumber(layout.substr(start, 2));
    return false;
}

BoardGeometry::BoardGeometry(ErrorReport& errors) : errors_(errors) {}

void BoardGeometry::CreateTileLocations(std::string_view layout, float tileWidth, float tileHeight)
{
    Guarded(errors_, BoardObject, "CreateTileLocations", [&] {
        positionCount_ = 0;
        locations_ = {};
        places_ = {};
        std::int32_t offset = 0;
        for (;;) {
            std::int32_t layer = 0;
            std::int32_t x = 0;
            std::int32_t y = 0;
            std::int32_t count = 0;
            // A partly read item at the end of the text places no tile.
            if (ExtractLayoutItem(layer, layout, offset) || ExtractLayoutItem(x, layout, offset) ||
                ExtractLayoutItem(y, layout, offset) || ExtractLayoutItem(count, layout, offset))
                return;

            // Each layer sits 4 pixels right of and 4 pixels above the one below it.
            std::int32_t left = RoundHalfEven(double(tileWidth) * (x + 1) / 2.0 + 4.0 * layer);
            const std::int32_t top = RoundHalfEven(double(tileHeight) * (y + 1) / 2.0 - 4.0 * layer);
            for (std::int32_t i = 0; i < count; ++i) {
                if (positionCount_ >= TileCount) Fail(ErrSubscriptOutOfRange);
                ++positionCount_;
                places_[positionCount_] = PixelPlace{left, top};
                locations_[positionCount_] = TileLocation{x, y, layer};
                if (i + 1 < count) {
                    left += RoundHalfEven(tileWidth);
                    x += 2;
                }
            }
        }
    });
}

void BoardGeometry::CreateTileRelations(std::string_view layout, float tileWidth, float tileHeight)
{
    CreateTileLocations(layout, tileWidth, tileHeight);
    BuildRelations();
}

void BoardGeometry::CreateTileRelations(std::span<const TileLocation> places, float tileWidth, float tileHeight)
{
    Guarded(errors_, BoardObject, "CreateTileLocations", [&] {
        positionCount_ = 0;
        locations_ = {};
        places_ = {};
        for (const TileLocation& place : places) {
            if (positionCount_ >= TileCount) Fail(ErrSubscriptOutOfRange);
            ++positionCount_;
            locations_[positionCount_] = place;
            places_[positionCount_] =
                PixelPlace{RoundHalfEven(double(tileWidth) * (place.X + 1) / 2.0 + 4.0 * place.Layer),
                           RoundHalfEven(double(tileHeight) * (place.Y + 1) / 2.0 - 4.0 * place.Layer)};
        }
    });
    BuildRelations();
}

void BoardGeometry::BuildRelations()
{
    Guarded(errors_, BoardObject, "CreateTileRelations", [&] {
        relations_ = {};
        // Only positions the layout produced take part: unused entries are not tiles.
        for (std::int32_t i = 1; i <= positionCount_; ++i) {
            TileRelation& relation = relations_[i];
            for (std::int32_t j = 1; j <= positionCount_; ++j) {
                if (j == i) continue;
                const std::int32_t layerStep = locations_[j].Layer - locations_[i].Layer;
                if (layerStep == -1 && TilesAreOverlapping(j, i)) {
                    Append(relation.Below, j);
                } else if (layerStep == 1 && TilesAreOverlapping(j, i)) {
                    Append(relation.Above, j);
                } else if (layerStep == 0) {
                    const std::int32_t side = TilesAreTouching(j, i);
                    if (side == -1) Append(relation.LeftHand, j);
                    if (side == 1) Append(relation.RightHand, j);
                }
            }
        }
    });
}

bool BoardGeometry::TilesAreOverlapping(std::int32_t a, std::int32_t b) const
{
    const TileLocation& first = Location(a);
    const TileLocation& second = Location(b);
    return std::abs(first.X - second.X) <= 1 && std::abs(first.Y - second.Y) <= 1;
}

std::int32_t BoardGeometry::TilesAreTouching(std::int32_t a, std::int32_t b) const
{
    const TileLocation& first = Location(a);
    const TileLocation& second = Location(b);
    if (std::abs(first.Y - second.Y) > 1) return 0;
    if (first.X == second.X - 2) return -1;
    if (first.X == second.X + 2) return 1;
    return 0;
}

} // namespace tessaron
