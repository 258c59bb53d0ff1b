#pragma once
// A game file: the 12 ASCII bytes "TessaronGame" followed by the 144-byte deal record,
// 156 bytes in all. A deal on a layout other than the classic one carries the layout's key
// between the two, as "{KEY}": byte 12 is then "{", which no deal record starts with, so a
// reader that knows only the classic form refuses the file instead of dealing it on the
// wrong places (docs/game-files.md). The window reads and writes the file; this decodes and
// encodes bytes.
#include "board/TileTypes.h"
#include "shell/ErrorReport.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tessaron {

constexpr std::string_view GameFileSignature = "TessaronGame";
constexpr std::size_t GameFileSize = 156;
// The longest game at the start of a file: the signature, "{", a key of 32, "}", the record.
constexpr std::size_t GameFileLimit = GameFileSize + 34;

// The 156 bytes of the deal, or "" when a face cannot be encoded (reported under
// modSubMain.ConvertTilesToString); nothing should be written then.
std::string EncodeGameFile(const TileArray& faces, ErrorReport& errors);

// The classic layout's game is the 156 bytes above, byte for byte; any other key is carried
// as "{KEY}" after the signature. "" as above, or for a key that is not a layout key.
std::string EncodeGameFile(const TileArray& faces, std::string_view layoutKey, ErrorReport& errors);

// Reads the first 156 bytes of a classic game and ignores the rest. True when the signature
// matches exactly (case counts) and the deal is valid; otherwise faces is left exactly as it
// was. A game on another layout is refused.
bool DecodeGameFile(std::string_view bytes, TileArray& faces);

struct GameFileDeal {
    TileArray Faces{};
    std::string LayoutKey;  // "classic" for the 156-byte form
    std::size_t Length = 0; // the bytes the game takes at the start of the file
};

enum class GameFileFault {
    NotAGameFile,    // wrong signature, too short, or not a valid deal
    DamagedLayoutKey // "TessaronGame{" without a well-formed key and a deal after it
};

using GameFileReading = std::variant<GameFileDeal, GameFileFault>;

// Reads either form from the start of bytes and ignores whatever follows the deal. The key
// "classic" in braces is refused as damaged: each deal has one spelling. Whether this game
// has the layout is the caller's question.
GameFileReading ReadGameFile(std::string_view bytes);

class LayoutCatalog;
// The number of the text that refuses reading, with "^0" for the file's path and "^1" for
// the layout's key: not a game file, a damaged key, or a layout that catalog lacks. 0 when
// the deal can be dealt on catalog's layout of its key.
std::int16_t GameFileRefusalText(const GameFileReading& reading, const LayoutCatalog& catalog);

} // namespace tessaron
