#include "board/GameCreator.h"

#include "board/Rules.h"
#include "shell/Failure.h"

#include <algorithm>
#include <cmath>

namespace tessaron {

namespace {

constexpr std::int32_t MaxDraws = 101;
constexpr std::int32_t NoFace = FaceCount + 1;  // a face no draw produces

using FaceStock = std::array<std::int32_t, FaceCount + 1>;

FaceStock FullFaceStock()
{
    FaceStock stock{};
    for (std::int32_t face = 1; face <= FaceCount; ++face) stock[face] = face <= LastOrdinaryFace ? 4 : 1;
    return stock;
}

// Draws until the face is still in stock; each redraw avoids the face just rejected.
std::int32_t DrawStockedFace(RandomSource& random, const FaceStock& stock, std::int32_t range,
                             std::int32_t lower, std::int32_t& lastFace)
{
    std::int32_t face = 0;
    do {
        face = FindRandomLong(random, range, lower, lastFace);
        lastFace = face;
    } while (stock[face] < 1);
    return face;
}

} // namespace

std::int32_t FindRandomLong(RandomSource& random, std::int32_t range, std::int32_t lower, std::int32_t exclude)
{
    if (range < 1) Fail(ErrInvalidCall);
    std::int32_t drawn = lower;
    for (std::int32_t draw = 0; draw < MaxDraws; ++draw) {
        // Clamped so that a generator that strays to 1.0 cannot leave the range.
        const double scaled = std::floor(random.NextUniform() * range);
        drawn = lower + static_cast<std::int32_t>(std::clamp(scaled, 0.0, double(range - 1)));
        if (drawn != exclude) return drawn;
    }
    ++drawn;
    if (drawn >= lower + range) drawn = lower;
    return drawn;
}

GameCreator::GameCreator(const BoardGeometry& geometry, RandomSource& random, ErrorReport& errors)
    : geometry_(geometry), random_(random), errors_(errors)
{
}

void GameCreator::GameCreate(TileArray& faces, GameCreateObserver& observer, bool gameCreateShow)
{
    // A failed build must not leave a half-filled board to be played or saved.
    const TileArray previousFaces = faces;
    const bool built = Guarded(errors_, BoardObject, "GameCreate", [&] {
        lastAttemptCount_ = 0;
        insertionOrder_.fill(0);
        if (geometry_.PositionCount() != TileCount) Fail(ErrSubscriptOutOfRange);
        observer.ShowStep(0);
        BuildPairSequence(observer);
        // Every attempt uses the same pair sequence; there is no limit on attempts, as an
        // attempt fails only when no legal position is left and usually few are needed.
        while (!PlacementAttempt(faces, observer, gameCreateShow)) {
        }
        observer.ShowStep(-1);
    });
    if (!built) {
        faces = previousFaces;
        observer.ShowStep(-1);
    }
}

bool GameCreator::GameCreateWithin(TileArray& faces, std::int32_t attemptLimit)
{
    struct Silent final : GameCreateObserver {
        void ShowStep(std::int32_t) override {}
    } silent;
    lastAttemptCount_ = 0;
    insertionOrder_.fill(0);
    if (geometry_.PositionCount() != TileCount) return false;
    BuildPairSequence(silent);
    while (lastAttemptCount_ < attemptLimit)
        if (PlacementAttempt(faces, silent, false)) return true;
    return false;
}

void GameCreator::BuildPairSequence(GameCreateObserver& observer)
{
    FaceStock stock = FullFaceStock();
    std::int32_t lastFace = NoFace;
    for (std::int32_t k = 1; k < TileCount; k += 2) {
        observer.ShowStep(1);
        const std::int32_t face = DrawStockedFace(random_, stock, FaceCount, 1, lastFace);
        --stock[face];
        pairSequence_[k] = face;

        // A flower or season is paired with another of its group of four; an ordinary face
        // with itself, so its stock is always 4, 2 or 0.
        std::int32_t partner = face;
        if (face >= FirstFlowerFace) {
            const std::int32_t groupStart = face < FirstSeasonFace ? FirstFlowerFace : FirstSeasonFace;
            partner = DrawStockedFace(random_, stock, 4, groupStart, lastFace);
        }
        --stock[partner];
        pairSequence_[k + 1] = partner;
    }
}

bool GameCreator::PlacementAttempt(TileArray& faces, GameCreateObserver& observer, bool gameCreateShow)
{
    ++lastAttemptCount_;
    if (gameCreateShow) observer.HideTiles();
    observer.ShowStep(2);
    faces.fill(0);
    for (std::int32_t k = 1; k <= TileCount; ++k) {
        observer.ShowStep(3);
        // The second tile of a pair must not lock the first (odd k is the first).
        const std::int32_t pairedTile = k % 2 == 0 ? insertionOrder_[k - 1] : 0;
        const std::int32_t location = GameCreateFindInsertLocation(faces, pairedTile);
        if (location == 0) return false;
        faces[location] = pairSequence_[k];
        insertionOrder_[k] = location;
        if (gameCreateShow) observer.DrawPlacedTile(location);
    }
    return true;
}

std::int32_t GameCreator::GameCreateFindInsertLocation(const TileArray& faces, std::int32_t pairedTile)
{
    std::array<std::int32_t, TileCount> candidates{};
    std::int32_t count = 0;
    for (std::int32_t position = 1; position <= TileCount; ++position) {
        if (faces[position] == 0 && TilesAboveAreAllEmpty(faces, position) &&
            TilesBelowAreAllFilled(faces, position) && TileWontCloseAGapLeftHand(faces, position) &&
            TileWontCloseAGapRightHand(faces, position) &&
            !TileLocksTile(geometry_, faces, position, pairedTile))
            candidates[count++] = position;
    }
    if (count == 0) return 0;
    if (count == 1) return candidates[0];
    return candidates[FindRandomLong(random_, count, 1, 0) - 1];
}

bool GameCreator::TilesAboveAreAllEmpty(const TileArray& faces, std::int32_t tile) const
{
    const TileList& above = geometry_.Relation(tile).Above;
    for (std::int32_t i = 0; i < above.Count; ++i)
        if (faces[above.Tile[i]] != 0) return false;
    return true;
}

bool GameCreator::TilesBelowAreAllFilled(const TileArray& faces, std::int32_t tile) const
{
    const TileList& below = geometry_.Relation(tile).Below;
    for (std::int32_t i = 0; i < below.Count; ++i)
        if (faces[below.Tile[i]] == 0) return false;
    return true;
}

bool GameCreator::TileLineIsEmptyLeftHand(const TileArray& faces, std::int32_t tile) const
{
    // The relations hold no cycles, so the walk ends at the row's end.
    const TileList& left = geometry_.Relation(tile).LeftHand;
    for (std::int32_t i = 0; i < left.Count; ++i)
        if (faces[left.Tile[i]] != 0 || !TileLineIsEmptyLeftHand(faces, left.Tile[i])) return false;
    return true;
}

bool GameCreator::TileLineIsEmptyRightHand(const TileArray& faces, std::int32_t tile) const
{
    const TileList& right = geometry_.Relation(tile).RightHand;
    for (std::int32_t i = 0; i < right.Count; ++i)
        if (faces[right.Tile[i]] != 0 || !TileLineIsEmptyRightHand(faces, right.Tile[i])) return false;
    return true;
}

bool GameCreator::TileWontCloseAGapLeftHand(const TileArray& faces, std::int32_t tile) const
{
    // A filled neighbour is fine; an empty one only if everything beyond it is empty too.
    const TileList& left = geometry_.Relation(tile).LeftHand;
    for (std::int32_t i = 0; i < left.Count; ++i)
        if (faces[left.Tile[i]] == 0 && !TileLineIsEmptyLeftHand(faces, left.Tile[i])) return false;
    return true;
}

bool GameCreator::TileWontCloseAGapRightHand(const TileArray& faces, std::int32_t tile) const
{
    const TileList& right = geometry_.Relation(tile).RightHand;
    for (std::int32_t i = 0; i < right.Count; ++i)
        if (faces[right.Tile[i]] == 0 && !TileLineIsEmptyRightHand(faces, right.Tile[i])) return false;
    return true;
}

} // namespace tessaron
