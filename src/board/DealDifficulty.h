#pragma once
// How hard a deal plays, measured by play, never by how it was built: a fixed company of
// simulated players, each taking a random pair among all free matching pairs at every move,
// plays the deal; the fewer of them clear it, the harder the deal. The company's draws are
// fixed, so a deal always gets the same band. docs/difficulty.md gives the calibration.
#include "board/BoardGeometry.h"
#include "board/DealNumber.h"
#include "board/TileTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaron {

enum class DealBand { Easy, Medium, Hard, Expert };
inline constexpr int DealBandCount = 4;

// The company that rates a deal: its size and the seed of its one random stream.
inline constexpr std::int32_t RatingPlayers = 512;
inline constexpr std::uint64_t RatingSeed = 0x7E55A201D1FF1C17ULL;

// How far the company got with a deal: how many cleared the board, and how many tiles all
// of them took off together (at most RatingPlayers * 144). Levels compare by Wins first;
// Removed tells apart deals that equally few players clear, as on layouts where most deals
// are cleared by none of the 512.
struct RatingLevel {
    std::int32_t Wins = 0;
    std::int32_t Removed = 0;
    auto operator<=>(const RatingLevel&) const = default;
};

// The lowest level of each band, Easy to Hard; below the Hard threshold is Expert.
// Calibrated on the classic layout's numbered deals (docs/difficulty.md).
inline constexpr std::int32_t EasyFromWins = 87;
inline constexpr std::int32_t MediumFromWins = 37;
inline constexpr std::int32_t HardFromWins = 12;

struct BandThresholds {
    RatingLevel EasyFrom{EasyFromWins, 0};
    RatingLevel MediumFrom{MediumFromWins, 0};
    RatingLevel HardFrom{HardFromWins, 0};
    bool operator==(const BandThresholds&) const = default;
};
inline constexpr BandThresholds ClassicBandThresholds{};

// Layouts differ in how often the company clears their deals, so each built-in layout has
// thresholds of its own, the quartiles of its deals 1 to 1,000 (docs/difficulty.md), and a
// band holds about a quarter of every layout's deals. A player's layout, whose deals nobody
// surveyed, is rated with the classic thresholds: its bands then say how it compares with
// the classic layout, and they never change once a deal was rated.
BandThresholds LayoutBandThresholds(std::string_view layoutKey);

// One game of a player who takes, at every move, one of the free matching pairs on the board
// with equal chance, until the board is clear or no pair is left; gives the tiles taken off
// (144 is a win).
std::int32_t RandomPlayerRemoves(const BoardGeometry& geometry, const TileArray& faces, SplitMixRandomSource& random);
inline bool RandomPlayerWins(const BoardGeometry& geometry, const TileArray& faces, SplitMixRandomSource& random)
{
    return RandomPlayerRemoves(geometry, faces, random) == TileCount;
}
// How many of games such games, played one after the other from one stream seeded with seed,
// clear the board, and how many tiles they took off together.
RatingLevel RandomPlayerLevel(const BoardGeometry& geometry, const TileArray& faces, std::int32_t games,
                              std::uint64_t seed);
inline std::int32_t RandomPlayerWinCount(const BoardGeometry& geometry, const TileArray& faces, std::int32_t games,
                                         std::uint64_t seed)
{
    return RandomPlayerLevel(geometry, faces, games, seed).Wins;
}

struct DealRating {
    std::int32_t Wins = 0;     // of RatingPlayers
    std::int32_t Removed = 0;  // tiles taken off by all of them
    DealBand Band = DealBand::Expert;
};

DealBand BandOfLevel(RatingLevel level, const BandThresholds& thresholds = ClassicBandThresholds);
// Rates a deal of the layout whose key is layoutKey, with that layout's thresholds.
DealRating RateDeal(const BoardGeometry& geometry, std::string_view layoutKey, const TileArray& faces);

// "easy", "medium", "hard", "expert": the band's key on the command line and in the history.
std::string_view DealBandKey(DealBand band);
std::optional<DealBand> DealBandFromKey(std::string_view key);
// The band's name for the player ("Easy" / "Leicht", ...) in the language of stringBase.
std::string_view DealBandName(DealBand band, int stringBase);

// A numbered deal of the wanted band: tries the numbers from startNumber upwards (after
// 2147483647 comes 1) until one fits, at most maxTries of them. Nothing when none fitted,
// as on a layout whose deals rarely fall in that band.
struct BandedDeal {
    std::int32_t Number = 0;
    TileArray Faces{};
    DealRating Rating;
    std::int32_t Tries = 0;
};
// 200 tries take well under a second; on the classic layout a band is missed with a chance
// of 0.75^200, and a layout's band that holds 5 % of its deals with 0.95^200 (3.5e-5).
inline constexpr std::int32_t BandSearchTries = 200;
std::optional<BandedDeal> FindDealOfBand(const BoardGeometry& geometry, std::string_view layoutKey, DealBand band,
                                         std::int32_t startNumber, ErrorReport& errors,
                                         std::int32_t maxTries = BandSearchTries);
// What the player is told when FindDealOfBand found nothing after tries numbers.
std::string BandSearchFailedText(DealBand band, std::int32_t tries, int stringBase);

} // namespace tessaron
