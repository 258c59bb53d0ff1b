#include "records/GameRecord.h"

#include <array>

namespace tessaron {

namespace {
constexpr std::int32_t CodeOffset = 32;
constexpr std::int32_t HighestValue = 255 - CodeOffset;

// The Latin-1 character of code (32..255) as UTF-8.
void AppendCharacter(std::string& text, std::int32_t code)
{
    if (code < 0x80) {
        text += char(code);
    } else {
        text += char(0xC0 | (code >> 6));
        text += char(0x80 | (code & 0x3F));
    }
}
} // namespace

std::string ConvertTilesToString(const TileArray& tiles, ErrorReport& errors)
{
    std::string text;
    Guarded(errors, MainModule, "ConvertTilesToString", [&] {
        std::string built;
        built.reserve(TileCount);
        for (std::int32_t k = 1; k <= TileCount; ++k) {
            if (tiles[k] < 0 || tiles[k] > HighestValue) Fail(ErrInvalidCall);
            AppendCharacter(built, tiles[k] + CodeOffset);
        }
        text = std::move(built);
    });
    return text;
}

bool ConvertTilesFromString(TileArray& tiles, const std::string& text)
{
    // A deal uses only the ASCII codes 33..74, so only a text of 144 bytes can be one, and
    // any other byte rejects it.
    if (text.size() != std::size_t(TileCount)) return false;
    std::array<std::int32_t, FaceCount + 1> count{};
    for (const char c : text) {
        const std::int32_t face = std::int32_t(static_cast<unsigned char>(c)) - CodeOffset;
        if (face < 1 || face > FaceCount) return false;
        const std::int32_t copies = face <= LastOrdinaryFace ? 4 : 1;
        if (count[face] == copies) return false;
        ++count[face];
    }
    for (std::int32_t k = 1; k <= TileCount; ++k)
        tiles[k] = std::int32_t(static_cast<unsigned char>(text[std::size_t(k - 1)])) - CodeOffset;
    return true;
}

} // namespace tessaron
