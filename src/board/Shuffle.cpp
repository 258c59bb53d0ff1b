#include "board/Shuffle.h"

#include "board/Rules.h"
#include "board/ShufflePlacement.h"

#include <map>
#include <utility>

namespace tessaron {

namespace {

using FacePair = std::pair<std::int32_t, std::int32_t>;

// The faces that match each other: each ordinary face on its own, all flowers, all seasons.
std::int32_t MatchGroup(std::int32_t face)
{
    if (face <= LastOrdinaryFace) return face;
    return face < FirstSeasonFace ? FirstFlowerFace : FirstSeasonFace;
}

template <typename T>
void ShuffleInPlace(std::vector<T>& items, RandomSource& random)
{
    for (std::size_t i = items.size(); i > 1; --i)
        std::swap(items[i - 1], items[std::size_t(RandomIndex(random, std::int32_t(i)))]);
}

// The faces in play as matching pairs in random order; false when a group has an odd count
// (or a tile in play shows no face at all). Play takes tiles off in matching pairs, so from
// a full deal every group keeps an even count; only a lifted single tile breaks that.
bool PairFaces(const TileArray& faces, const TilePresence& present, RandomSource& random, std::vector<FacePair>& pairs)
{
    std::map<std::int32_t, std::vector<std::int32_t>> groups;
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        if (!present[tile]) continue;
        if (faces[tile] < 1 || faces[tile] > FaceCount) return false;
        groups[MatchGroup(faces[tile])].push_back(faces[tile]);
    }
    for (auto& [key, members] : groups) {
        if (members.size() % 2 != 0) return false;
        // Which flower goes with which (and which season) is dealt afresh too.
        ShuffleInPlace(members, random);
        for (std::size_t i = 0; i < members.size(); i += 2) pairs.emplace_back(members[i], members[i + 1]);
    }
    ShuffleInPlace(pairs, random);
    return true;
}

bool MovesMatch(const TileArray& faces, const std::vector<SolverMove>& moves)
{
    for (const auto& [first, second] : moves)
        if (TilesAreNotMatching(faces, first, second)) return false;
    return true;
}

} // namespace

ShuffleOutcome ShuffleFaces(const BoardGeometry& geometry, const TileArray& faces, const TilePresence& present,
                            RandomSource& random)
{
    ShuffleOutcome outcome;
    outcome.Faces = faces;
    std::vector<FacePair> facePairs;
    if (!PairFaces(faces, present, random, facePairs)) {
        outcome.Result = ShuffleResult::Unpairable;
        return outcome;
    }
    const PairPlacement placement = PlacePairs(geometry, present, random);
    if (placement.Result != PlacementResult::Found) {
        outcome.Result = placement.Result == PlacementResult::Impossible ? ShuffleResult::NoWinnableArrangement
                                                                         : ShuffleResult::NotFound;
        return outcome;
    }
    TileArray dealt = faces;
    for (std::size_t k = 0; k < placement.Pairs.size(); ++k) {
        auto [firstFace, secondFace] = facePairs[k];
        if (RandomIndex(random, 2) == 1) std::swap(firstFace, secondFace);
        dealt[placement.Pairs[k].First] = firstFace;
        dealt[placement.Pairs[k].Second] = secondFace;
    }
    // Placement has checked that each pair is free at its turn; the faces dealt match.
    if (!MovesMatch(dealt, placement.Pairs)) {
        outcome.Result = ShuffleResult::NotFound;
        return outcome;
    }
    outcome.Result = ShuffleResult::Shuffled;
    outcome.Faces = dealt;
    outcome.Moves = placement.Pairs;
    return outcome;
}

std::string ShuffleResultText(ShuffleResult result)
{
    switch (result) {
    case ShuffleResult::Shuffled:
        return "shuffled into a winnable arrangement";
    case ShuffleResult::Unpairable:
        return "the faces in play do not split into matching pairs";
    case ShuffleResult::NoWinnableArrangement:
        return "no arrangement of faces on these positions can be cleared";
    case ShuffleResult::NotFound:
        return "no order of removal was found within the search's allowance";
    }
    return "unknown shuffle result";
}

bool ShuffleIsAvailable(const ShuffleConditions& conditions)
{
    if (!conditions.DealExists || conditions.Building || conditions.PeekMode || conditions.GameWon) return false;
    return conditions.NoMovePossible || conditions.Verdict == SolverVerdict::Lost;
}

} // namespace tessaron
