#pragma once
// Reads the player's layout files for the core (board/PlayerLayouts.h): every "*.layout" file
// of a folder, in name order, each read no further than a layout text may be long.
#include "board/PlayerLayouts.h"

#include <QString>

#include <vector>

namespace tessaron {

// QStandardPaths::AppDataLocation + "/layouts"; the folder need not exist.
QString PlayerLayoutFolder();

// The files of folder; none when it does not exist. Special files (pipes, devices) are
// skipped; a file that cannot be opened or read comes without bytes. A file longer than
// LayoutTextLimit is read one byte past it, so the reader refuses it as too large without
// the rest being read.
std::vector<PlayerLayoutFile> ReadPlayerLayoutFiles(const QString& folder);

} // namespace tessaron
