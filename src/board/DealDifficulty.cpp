#include "board/DealDifficulty.h"

#include "board/Rules.h"
#include "shell/StringTable.h"
#include "shell/TextTools.h"

#include <algorithm>
#include <array>

namespace tessaron {

namespace {

constexpr int EasyBandText = 970;  // Medium, Hard and Expert follow
constexpr int BandSearchFailedTextNumber = 980;

constexpr std::array<std::string_view, DealBandCount> BandKeys{"easy", "medium", "hard", "expert"};

// Flowers match flowers and seasons seasons, so each group is one class of its own.
std::int32_t MatchClass(std::int32_t face)
{
    if (face <= LastOrdinaryFace) return face;
    return face < FirstSeasonFace ? FirstFlowerFace : FirstSeasonFace;
}

struct NoProgress final : GameCreateObserver {
    void ShowStep(std::int32_t) override {}
};

} // namespace

std::int32_t RandomPlayerRemoves(const BoardGeometry& geometry, const TileArray& faces, SplitMixRandomSource& random)
{
    TilePresence present{};
    present.fill(true);
    present[0] = false;
    // The free tiles of each class; only the neighbours of a removed pair can change.
    std::array<std::array<std::int32_t, 4>, FaceCount + 1> freeOf{};
    std::array<std::int32_t, FaceCount + 1> freeCount{};
    std::array<bool, TileCount + 1> isFree{};
    const auto refresh = [&](std::int32_t tile) {
        const bool nowFree = present[tile] && !TileIsLocked(geometry, present, tile);
        if (nowFree == isFree[tile]) return;
        isFree[tile] = nowFree;
        const std::int32_t matchClass = MatchClass(faces[tile]);
        auto& list = freeOf[matchClass];
        auto& count = freeCount[matchClass];
        if (nowFree) {
            list[count++] = tile;
        } else {
            for (std::int32_t i = 0; i < count; ++i)
                if (list[i] == tile) list[i] = list[--count];
        }
    };
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) refresh(tile);

    for (std::int32_t removed = 0; removed < TileCount; removed += 2) {
        std::uint32_t pairs = 0;
        for (std::int32_t c = 1; c <= FaceCount; ++c) pairs += std::uint32_t(freeCount[c] * (freeCount[c] - 1) / 2);
        if (pairs == 0) return removed;
        std::uint32_t pick = random.NextBelow(pairs);
        std::int32_t first = 0, second = 0;
        for (std::int32_t c = 1; c <= FaceCount && first == 0; ++c) {
            const std::int32_t n = freeCount[c];
            const std::uint32_t here = std::uint32_t(n * (n - 1) / 2);
            if (pick >= here) {
                pick -= here;
                continue;
            }
            // The pairs of a class in the order (0,1), (0,2), .., (1,2), ...
            for (std::int32_t i = 0; i < n && first == 0; ++i)
                for (std::int32_t j = i + 1; j < n; ++j)
                    if (pick-- == 0) {
                        first = freeOf[c][i];
                        second = freeOf[c][j];
                        break;
                    }
        }
        for (const std::int32_t tile : {first, second}) {
            present[tile] = false;
            refresh(tile);
        }
        for (const std::int32_t tile : {first, second}) {
            const TileRelation& relation = geometry.Relation(tile);
            for (const TileList* list : {&relation.Below, &relation.LeftHand, &relation.RightHand})
                for (std::int32_t i = 0; i < list->Count; ++i) refresh(list->Tile[i]);
        }
    }
    return TileCount;
}

RatingLevel RandomPlayerLevel(const BoardGeometry& geometry, const TileArray& faces, std::int32_t games,
                              std::uint64_t seed)
{
    SplitMixRandomSource random(seed);
    RatingLevel level;
    for (std::int32_t game = 0; game < games; ++game) {
        const std::int32_t removed = RandomPlayerRemoves(geometry, faces, random);
        level.Removed += removed;
        if (removed == TileCount) ++level.Wins;
    }
    return level;
}

DealBand BandOfLevel(RatingLevel level, const BandThresholds& thresholds)
{
    if (level >= thresholds.EasyFrom) return DealBand::Easy;
    if (level >= thresholds.MediumFrom) return DealBand::Medium;
    if (level >= thresholds.HardFrom) return DealBand::Hard;
    return DealBand::Expert;
}

DealRating RateDeal(const BoardGeometry& geometry, std::string_view layoutKey, const TileArray& faces)
{
    const RatingLevel level = RandomPlayerLevel(geometry, faces, RatingPlayers, RatingSeed);
    return {level.Wins, level.Removed, BandOfLevel(level, LayoutBandThresholds(layoutKey))};
}

std::string_view DealBandKey(DealBand band) { return BandKeys.at(std::size_t(band)); }

std::optional<DealBand> DealBandFromKey(std::string_view key)
{
    for (std::size_t i = 0; i < BandKeys.size(); ++i)
        if (BandKeys[i] == key) return DealBand(i);
    return std::nullopt;
}

std::string_view DealBandName(DealBand band, int stringBase)
{
    return ResourceString(stringBase + EasyBandText + int(band)).value_or(DealBandKey(band));
}

std::string BandSearchFailedText(DealBand band, std::int32_t tries, int stringBase)
{
    std::string text(ResourceString(stringBase + BandSearchFailedTextNumber).value_or("^0 ^1"));
    text = ReplaceSubString(text, "^0", std::string(DealBandName(band, stringBase)));
    return ReplaceSubString(text, "^1", std::to_string(tries));
}

std::optional<BandedDeal> FindDealOfBand(const BoardGeometry& geometry, std::string_view layoutKey, DealBand band,
                                         std::int32_t startNumber, ErrorReport& errors, std::int32_t maxTries)
{
    BandedDeal deal;
    deal.Number = std::clamp(startNumber, FirstDealNumber, LastDealNumber);
    NoProgress silent;
    for (deal.Tries = 1; deal.Tries <= maxTries; ++deal.Tries) {
        CreateNumberedDeal(geometry, layoutKey, deal.Number, deal.Faces, silent, false, errors);
        deal.Rating = RateDeal(geometry, layoutKey, deal.Faces);
        if (deal.Rating.Band == band) return deal;
        deal.Number = deal.Number == LastDealNumber ? FirstDealNumber : deal.Number + 1;
    }
    return std::nullopt;
}

} // namespace tessaron
