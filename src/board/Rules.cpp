#include "board/Rules.h"

#include "shell/Failure.h"

namespace tessaron {

namespace {

void RequirePosition(std::int32_t tile)
{
    if (tile < 1 || tile > TileCount) Fail(ErrSubscriptOutOfRange);
}

bool AnyFilled(const TileList& list, const TileArray& faces)
{
    for (std::int32_t i = 0; i < list.Count; ++i) {
        const std::int32_t position = list.Tile[i];
        if (position > 0 && faces[position] > 0) return true;
    }
    return false;
}

} // namespace

bool TileFaceIsNotLocked(const TileList& list, const TilePresence& present)
{
    if (list.Count < 0 || list.Count > static_cast<std::int32_t>(list.Tile.size())) Fail(ErrSubscriptOutOfRange);
    for (std::int32_t i = 0; i < list.Count; ++i) {
        RequirePosition(list.Tile[i]);
        if (present[list.Tile[i]]) return false;
    }
    return true;
}

bool TileIsLocked(const BoardGeometry& geometry, const TilePresence& present, std::int32_t tile)
{
    RequirePosition(tile);
    const TileRelation& relation = geometry.Relation(tile);
    if (!TileFaceIsNotLocked(relation.Above, present)) return true;
    // A side is clear only when every one of its neighbours is gone.
    if (TileFaceIsNotLocked(relation.LeftHand, present)) return false;
    if (TileFaceIsNotLocked(relation.RightHand, present)) return false;
    return true;
}

bool TilesAreNotMatching(const TileArray& faces, std::int32_t a, std::int32_t b)
{
    if (a == 0 || b == 0) return true;
    RequirePosition(a);
    RequirePosition(b);
    const std::int32_t faceA = faces[a];
    const std::int32_t faceB = faces[b];
    if (faceA <= LastOrdinaryFace) return faceB != faceA;
    if (faceA < FirstSeasonFace) return !(faceB >= FirstFlowerFace && faceB < FirstSeasonFace);
    return faceB < FirstSeasonFace;
}

bool TileLocksTile(const BoardGeometry& geometry, const TileArray& faces, std::int32_t lockingTile,
                   std::int32_t tile)
{
    if (tile < 1) return false;
    RequirePosition(tile);
    const TileRelation& relation = geometry.Relation(tile);
    // The first list that holds lockingTile decides.
    if (relation.Above.Contains(lockingTile)) return true;
    if (relation.LeftHand.Contains(lockingTile)) return AnyFilled(relation.RightHand, faces);
    if (relation.RightHand.Contains(lockingTile)) return AnyFilled(relation.LeftHand, faces);
    return false;
}

bool NoMovePossible(const BoardGeometry& geometry, const TilePresence& present, const TileArray& faces)
{
    // Matching is symmetric, so collecting the free tiles once and testing each unordered
    // pair gives the same answer as testing every ordered pair.
    std::array<std::int32_t, TileCount> freeTiles{};
    std::int32_t freeCount = 0;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (present[tile] && !TileIsLocked(geometry, present, tile)) freeTiles[freeCount++] = tile;

    for (std::int32_t i = 0; i < freeCount; ++i)
        for (std::int32_t j = i + 1; j < freeCount; ++j)
            if (!TilesAreNotMatching(faces, freeTiles[i], freeTiles[j])) return false;
    return true;
}

std::int32_t FreePairCount(const BoardGeometry& geometry, const TilePresence& present, const TileArray& faces)
{
    std::int32_t pairs = 0;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile)
        if (present[tile] && !TileIsLocked(geometry, present, tile))
            for (std::int32_t other : FreeMatches(geometry, present, faces, tile)) pairs += other > tile ? 1 : 0;
    return pairs;
}

std::vector<std::int32_t> FreeMatches(const BoardGeometry& geometry, const TilePresence& present,
                                      const TileArray& faces, std::int32_t tile)
{
    std::vector<std::int32_t> matches;
    for (std::int32_t other = 1; other <= TileCount; ++other)
        if (other != tile && present[other] && !TilesAreNotMatching(faces, tile, other) &&
            !TileIsLocked(geometry, present, other))
            matches.push_back(other);
    return matches;
}

} // namespace tessaron
