#pragma once
// Numbered deals: a number and a layout key fix one deal, the same on every machine and in
// every later version. The number seeds a generator whose every output is fixed here (not by
// a standard library), and that generator feeds the ordinary backward deal builder.
#include "board/BoardGeometry.h"
#include "board/GameCreator.h"
#include "board/RandomSource.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaron {

inline constexpr std::int32_t FirstDealNumber = 1;
inline constexpr std::int32_t LastDealNumber = 2147483647;

enum class DealNumberFault { None, Missing, NotANumber, OutOfRange };

struct DealNumberReading {
    std::int32_t Number = 0;  // 1..2147483647 when Fault is None
    DealNumberFault Fault = DealNumberFault::None;
};

// Reads a deal number as the player typed it: only the digits 0-9, blanks around them
// allowed, and a value from 1 to 2147483647. Anything else is refused, never wrapped,
// truncated or read in part ("12abc", "-1", "+5", "1e3", "2147483648" are refused).
DealNumberReading ParseDealNumber(std::string_view text);

// The refusal for the player in the language whose strings start at stringBase, naming the
// text as typed; empty for DealNumberFault::None.
std::string DealNumberFaultText(DealNumberFault fault, std::string_view text, int stringBase);

// The origin of a numbered deal for the player: "Deal 12345" / "Spiel Nr. 12345".
std::string DealOriginText(std::int32_t number, int stringBase);

// SplitMix64 (Steele, Lea, Flood 2014): state += 0x9E3779B97F4A7C15, then the output is the
// state mixed by xor-shifts 30, 27, 31 and multiplications by 0xBF58476D1CE4E5B9 and
// 0x94D049BB133111EB. NextUniform gives the top 53 bits times 2^-53.
class SplitMixRandomSource final : public RandomSource {
public:
    explicit SplitMixRandomSource(std::uint64_t seed) : state_(seed) {}
    std::uint64_t NextBits();
    double NextUniform() override { return double(NextBits() >> 11) * 0x1.0p-53; }
    // A whole number 0..bound-1 (bound at least 1): the top 32 bits scaled by bound.
    std::uint32_t NextBelow(std::uint32_t bound) { return std::uint32_t(((NextBits() >> 32) * bound) >> 32); }

private:
    std::uint64_t state_;
};

// The seed of deal number on layoutKey: the 64-bit FNV-1a hash (offset 0xCBF29CE484222325,
// prime 0x100000001B3) of the key's bytes, a 0 byte, and the number's four bytes, least
// significant first.
std::uint64_t DealSeed(std::int32_t number, std::string_view layoutKey);

// Builds deal number of the layout whose key is layoutKey and whose board geometry holds;
// like GameCreator::GameCreate in all else (progress, show mode, failure reports).
void CreateNumberedDeal(const BoardGeometry& geometry, std::string_view layoutKey, std::int32_t number,
                        TileArray& faces, GameCreateObserver& observer, bool gameCreateShow, ErrorReport& errors);

} // namespace tessaron
