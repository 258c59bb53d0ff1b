#pragma once
// The text form of a deal or of the moves made: exactly 144 characters, character k being
// element k plus 32. A deal uses codes 33 ("!", face 1) to 74 ("J", face 42). A moves
// record uses codes up to 176; codes above 127 are the Latin-1 characters of that code,
// held as UTF-8 like every other text of the program.
#include "board/TileTypes.h"
#include "shell/ErrorReport.h"

#include <string>

namespace tessaron {

// Failures (a value outside 0..223) are reported under modSubMain.ConvertTilesToString
// and give "".
std::string ConvertTilesToString(const TileArray& tiles, ErrorReport& errors);

// True when text is a valid deal record: 144 characters, faces 1..42, at most four of each
// face 1..34 and one of each 35..42. A rejected text leaves tiles exactly as it was.
bool ConvertTilesFromString(TileArray& tiles, const std::string& text);

} // namespace tessaron
