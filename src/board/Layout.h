#pragma once
// A layout: the 144 places of a board, a key that names it in files and settings, and its
// names in both languages. Read from the plain text format of docs/layouts.md; the reader
// refuses a damaged, too large or unsound text with the source and line of the fault.
#include "board/TileTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tessaron {

// Bounds of a layout text: what a reader accepts before it looks at the tiles.
inline constexpr std::size_t LayoutTextLimit = 64 * 1024;
inline constexpr std::size_t LayoutLineLimit = 200;
inline constexpr std::int32_t LayoutCoordinateLimit = 98;  // X and Y run 0..98
inline constexpr std::int32_t LayoutLayerLimit = 9;        // layers 0..9
inline constexpr std::size_t LayoutKeyLimit = 32;

struct Layout {
    std::string Key;          // 1..32 of a-z, 0-9 and "-"
    std::string EnglishName;  // UTF-8
    std::string GermanName;
    // Position n is Places[n - 1], in drawing order: a smaller position is drawn in front.
    std::vector<TileLocation> Places;

    // The half-tile units the places reach to the right and down (a tile covers 2 x 2).
    std::int32_t Width() const;
    std::int32_t Height() const;
    std::int32_t LayerCount() const;
};

// Why a text was refused; the number of its text is LayoutFaultTextBase + the value.
enum class LayoutFaultKind {
    TooLarge = 1,        // Detail: the limit in bytes
    LineTooLong,         // Detail: the limit in bytes
    NotALayout,          // the first line is not the format's
    NotUnderstood,
    OutOfRange,
    BadKey,
    BadName,
    HeaderTwice,
    HeaderMissing,
    WrongTileCount,      // Detail: the tiles found
    Overlapping,         // Detail: the line of the other tile
    NotResting,
    TooManyAttempts,     // Detail: the mean attempts of the trial deals, rounded up
    KeyTaken,
};

struct LayoutFault {
    std::string Source;  // as the caller named it, usually a file name
    std::int32_t Line = 0;
    LayoutFaultKind Kind = LayoutFaultKind::NotUnderstood;
    std::int32_t Detail = 0;
    bool operator==(const LayoutFault&) const = default;
};

using LayoutReading = std::variant<Layout, LayoutFault>;

// 1..LayoutKeyLimit of a-z, 0-9 and "-": safe in file names, settings sections and files.
bool IsLayoutKey(std::string_view key);

// Parses text (any bytes). The places are checked for soundness and numbered in drawing
// order. Never throws for any input.
LayoutReading ReadLayout(std::string_view text, std::string_view source);

// The message for a fault in the language whose strings start at stringBase
// (EnglishStringBase or GermanStringBase): "file, line 7: this tile ...".
std::string LayoutFaultText(const LayoutFault& fault, int stringBase);

} // namespace tessaron
