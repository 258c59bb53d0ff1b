#include "board/KeyboardFocus.h"

#include "board/Rules.h"

#include <cmath>
#include <limits>

namespace tessaron {

namespace {

// A picture's offset from another in tile steps, so a column and a row weigh the same.
struct Offset {
    double Across = 0;  // x, in tile widths
    double Down = 0;    // y, in tile heights
};

Offset OffsetBetween(const BoardGeometry& geometry, std::int32_t from, std::int32_t to)
{
    // Board units: a tile step is 36 x 52 whatever the window's scale.
    const PixelPlace& a = geometry.Place(from);
    const PixelPlace& b = geometry.Place(to);
    constexpr double StepWidth = 36.0;
    constexpr double StepHeight = 52.0;
    return Offset{(b.Left - a.Left) / StepWidth, (b.Top - a.Top) / StepHeight};
}

// A smaller score wins; the higher layer and then the smaller position break ties.
bool Better(const BoardGeometry& geometry, double score, std::int32_t tile, double bestScore, std::int32_t best)
{
    constexpr double Tolerance = 1e-9;
    if (best == 0 || score < bestScore - Tolerance) return true;
    if (score > bestScore + Tolerance) return false;
    const std::int32_t layer = geometry.Location(tile).Layer;
    const std::int32_t bestLayer = geometry.Location(best).Layer;
    if (layer != bestLayer) return layer > bestLayer;
    return tile < best;
}

bool IsCandidate(const TilePresence& candidates, std::int32_t tile)
{
    return tile >= 1 && tile <= TileCount && candidates[tile];
}

} // namespace

TilePresence FocusCandidates(const BoardGeometry& geometry, const TilePresence& present, bool peekMode)
{
    if (peekMode) return present;
    TilePresence candidates{};
    for (std::int32_t tile = 1; tile <= geometry.PositionCount(); ++tile)
        candidates[tile] = present[tile] && !TileIsLocked(geometry, present, tile);
    return candidates;
}

bool ReadsBefore(const BoardGeometry& geometry, std::int32_t a, std::int32_t b)
{
    const TileLocation& first = geometry.Location(a);
    const TileLocation& second = geometry.Location(b);
    if (first.Y != second.Y) return first.Y < second.Y;
    const std::int32_t firstLeft = geometry.Place(a).Left;
    const std::int32_t secondLeft = geometry.Place(b).Left;
    if (firstLeft != secondLeft) return firstLeft < secondLeft;
    if (first.Layer != second.Layer) return first.Layer > second.Layer;
    return a < b;
}

std::int32_t NextFocusTile(const BoardGeometry& geometry, const TilePresence& candidates, std::int32_t current,
                           FocusDirection direction)
{
    if (!IsCandidate(candidates, current)) return NearestFocusTile(geometry, candidates, current);
    if (direction == FocusDirection::Left || direction == FocusDirection::Right) {
        const bool forward = direction == FocusDirection::Right;
        std::int32_t best = 0;
        for (std::int32_t tile = 1; tile <= geometry.PositionCount(); ++tile) {
            if (tile == current || !candidates[tile]) continue;
            const bool ahead = forward ? ReadsBefore(geometry, current, tile) : ReadsBefore(geometry, tile, current);
            if (!ahead) continue;
            if (best == 0 || (forward ? ReadsBefore(geometry, tile, best) : ReadsBefore(geometry, best, tile)))
                best = tile;
        }
        return best != 0 ? best : current;
    }
    // The layer offset of a few pixels is not a step: a quarter tile is.
    constexpr double MinimumStep = 0.25;
    std::int32_t best = 0;
    double bestScore = std::numeric_limits<double>::max();
    for (std::int32_t tile = 1; tile <= geometry.PositionCount(); ++tile) {
        if (tile == current || !candidates[tile]) continue;
        const Offset offset = OffsetBetween(geometry, current, tile);
        const double along = direction == FocusDirection::Down ? offset.Down : -offset.Down;
        if (along < MinimumStep) continue;
        const double score = along + 2.0 * std::abs(offset.Across);
        if (Better(geometry, score, tile, bestScore, best)) {
            best = tile;
            bestScore = score;
        }
    }
    return best != 0 ? best : current;
}

std::int32_t NearestFocusTile(const BoardGeometry& geometry, const TilePresence& candidates, std::int32_t near)
{
    const bool fromPlace = near >= 1 && near <= geometry.PositionCount();
    std::int32_t best = 0;
    double bestScore = std::numeric_limits<double>::max();
    for (std::int32_t tile = 1; tile <= geometry.PositionCount(); ++tile) {
        if (!candidates[tile]) continue;
        if (!fromPlace) return tile;
        const Offset offset = OffsetBetween(geometry, near, tile);
        const double score = offset.Across * offset.Across + offset.Down * offset.Down;
        if (Better(geometry, score, tile, bestScore, best)) {
            best = tile;
            bestScore = score;
        }
    }
    return best;
}

} // namespace tessaron
