#include "board/LayoutPlaces.h"

#include <algorithm>
#include <cstdlib>

namespace tessaron {

namespace {

bool Covers(const TileLocation& tile, std::int32_t unitX, std::int32_t unitY)
{
    return unitX >= tile.X && unitX < tile.X + 2 && unitY >= tile.Y && unitY < tile.Y + 2;
}

bool RestsOn(const TileLocation& upper, const std::vector<ListedTile>& tiles)
{
    for (std::int32_t dy = 0; dy < 2; ++dy) {
        for (std::int32_t dx = 0; dx < 2; ++dx) {
            const bool covered = std::any_of(tiles.begin(), tiles.end(), [&](const ListedTile& lower) {
                return lower.Place.Layer == upper.Layer - 1 && Covers(lower.Place, upper.X + dx, upper.Y + dy);
            });
            if (!covered) return false;
        }
    }
    return true;
}

// Whether a must be drawn in front of b, both on one layer.
bool DrawnBefore(const TileLocation& a, const TileLocation& b)
{
    return std::abs(a.X - b.X) <= 2 && std::abs(a.Y - b.Y) <= 2 && b.X - b.Y > a.X - a.Y;
}

} // namespace

std::optional<PlacesFault> PlacesSoundnessFault(const std::vector<ListedTile>& tiles)
{
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const TileLocation& tile = tiles[i].Place;
        for (std::size_t j = 0; j < i; ++j) {
            const TileLocation& other = tiles[j].Place;
            if (other.Layer == tile.Layer && std::abs(other.X - tile.X) <= 1 && std::abs(other.Y - tile.Y) <= 1)
                return PlacesFault{PlacesFault::Kind::Overlapping, tiles[i].Line, tiles[j].Line};
        }
        if (tile.Layer > 0 && !RestsOn(tile, tiles))
            return PlacesFault{PlacesFault::Kind::NotResting, tiles[i].Line, 0};
    }
    return std::nullopt;
}

std::vector<ListedTile> InDrawingOrder(const std::vector<ListedTile>& tiles)
{
    std::vector<ListedTile> rest = tiles;
    std::stable_sort(rest.begin(), rest.end(),
                     [](const ListedTile& a, const ListedTile& b) { return a.Place.Layer > b.Place.Layer; });
    // Repeatedly takes the first tile no remaining tile must be drawn before. X - Y grows
    // along every such constraint, so one is always found.
    std::vector<ListedTile> ordered;
    ordered.reserve(rest.size());
    while (!rest.empty()) {
        const auto next = std::find_if(rest.begin(), rest.end(), [&](const ListedTile& candidate) {
            return std::none_of(rest.begin(), rest.end(), [&](const ListedTile& other) {
                return other.Place.Layer == candidate.Place.Layer && DrawnBefore(other.Place, candidate.Place);
            });
        });
        ordered.push_back(*next);
        rest.erase(next);
    }
    return ordered;
}

} // namespace tessaron
