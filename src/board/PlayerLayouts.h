#pragma once
// The layouts a player adds by putting files into the game's data folder. The platform layer
// lists and reads the files (layouts/PlayerLayoutFolder.h); this adds their bytes to the
// catalog and words a message for each file it refuses.
#include "board/LayoutCatalog.h"

#include <optional>
#include <string>
#include <vector>

namespace tessaron {

struct PlayerLayoutFile {
    std::string FileName;              // without its folder: the messages name it so
    std::optional<std::string> Bytes;  // nothing when the file could not be read
};

// Adds the files in the order given. Returns one message per refused file, in the language
// whose strings start at stringBase: "mine.layout, line 12: ...", or that it cannot be read.
// A refused file leaves the catalog as it was.
std::vector<std::string> AddPlayerLayouts(LayoutCatalog& catalog, const std::vector<PlayerLayoutFile>& files,
                                          int stringBase);

// The messages of AddPlayerLayouts under one heading that names the folder, for one message
// box; "" when there are none.
std::string PlayerLayoutsRefusedText(const std::vector<std::string>& messages, const std::string& folder,
                                     int stringBase);

} // namespace tessaron
