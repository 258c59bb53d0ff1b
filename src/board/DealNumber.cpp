#include "board/DealNumber.h"

#include "shell/StringTable.h"
#include "shell/TextTools.h"

namespace tessaron {

namespace {

constexpr int DealNumberMissingText = 966;
constexpr int DealNumberNotANumberText = 967;
constexpr int DealNumberOutOfRangeText = 968;
constexpr int DealOriginTextNumber = 974;

bool IsNumberBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

DealNumberReading ParseDealNumber(std::string_view text)
{
    while (!text.empty() && IsNumberBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsNumberBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return {0, DealNumberFault::Missing};
    std::int64_t value = 0;
    bool tooLarge = false;
    for (char c : text) {
        if (c < '0' || c > '9') return {0, DealNumberFault::NotANumber};
        // Saturates instead of overflowing, so any run of digits is judged by its value.
        if (!tooLarge) value = value * 10 + (c - '0');
        if (value > LastDealNumber) tooLarge = true;
    }
    if (tooLarge || value < FirstDealNumber) return {0, DealNumberFault::OutOfRange};
    return {std::int32_t(value), DealNumberFault::None};
}

std::string DealNumberFaultText(DealNumberFault fault, std::string_view text, int stringBase)
{
    int number = 0;
    switch (fault) {
    case DealNumberFault::None: return {};
    case DealNumberFault::Missing: number = DealNumberMissingText; break;
    case DealNumberFault::NotANumber: number = DealNumberNotANumberText; break;
    case DealNumberFault::OutOfRange: number = DealNumberOutOfRangeText; break;
    }
    return ReplaceSubString(std::string(ResourceString(stringBase + number).value_or("^0")), "^0", std::string(text));
}

std::string DealOriginText(std::int32_t number, int stringBase)
{
    return ReplaceSubString(std::string(ResourceString(stringBase + DealOriginTextNumber).value_or("^0")), "^0",
                            std::to_string(number));
}

std::uint64_t SplitMixRandomSource::NextBits()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t DealSeed(std::int32_t number, std::string_view layoutKey)
{
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    const auto add = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 0x100000001B3ULL;
    };
    for (char c : layoutKey) add(static_cast<unsigned char>(c));
    add(0);
    const auto bits = static_cast<std::uint32_t>(number);
    for (int shift = 0; shift < 32; shift += 8) add(static_cast<unsigned char>(bits >> shift));
    return hash;
}

void CreateNumberedDeal(const BoardGeometry& geometry, std::string_view layoutKey, std::int32_t number,
                        TileArray& faces, GameCreateObserver& observer, bool gameCreateShow, ErrorReport& errors)
{
    SplitMixRandomSource random(DealSeed(number, layoutKey));
    GameCreator creator(geometry, random, errors);
    creator.GameCreate(faces, observer, gameCreateShow);
}

} // namespace tessaron
