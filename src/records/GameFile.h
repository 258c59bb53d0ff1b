#pragma once
// A game file: the 12 ASCII bytes "TessaronGame" followed by the 144-byte deal record,
// 156 bytes in all. The window reads and writes the file; this decodes and encodes bytes.
#include "board/TileTypes.h"
#include "shell/ErrorReport.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaron {

constexpr std::string_view GameFileSignature = "TessaronGame";
constexpr std::size_t GameFileSize = 156;

// The 156 bytes of the deal, or "" when a face cannot be encoded (reported under
// modSubMain.ConvertTilesToString); nothing should be written then.
std::string EncodeGameFile(const TileArray& faces, ErrorReport& errors);

// Reads the first 156 bytes and ignores the rest. True when the signature matches exactly
// (case counts) and the deal is valid; otherwise faces is left exactly as it was.
bool DecodeGameFile(std::string_view bytes, TileArray& faces);

} // namespace tessaron
