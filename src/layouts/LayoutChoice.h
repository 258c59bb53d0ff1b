#pragma once
// The layout the player plays on, as the settings keep it: "Board"/"Layout" holds its key
// (absent means the classic layout) and "Board"/"NewLayoutEveryGame" is "1" while each new
// game is to be dealt on a layout picked at random.
#include "board/LayoutCatalog.h"
#include "board/RandomSource.h"
#include "shell/Registry.h"

#include <string_view>

namespace tessaron {

// The stored layout; the classic one when none is stored. Nothing when the stored key names
// no layout of the catalog (a player's file taken away): the saved game was dealt on places
// this game no longer has, so the caller deals a new game on the classic layout.
const Layout* StoredLayout(const Registry& settings, const LayoutCatalog& catalog);
// The classic layout's key removes the value.
void SaveStoredLayout(Registry& settings, std::string_view key);

bool LoadNewLayoutEveryGame(const Registry& settings);
void SaveNewLayoutEveryGame(Registry& settings, bool on);

// The layout of the next new game: current, or with newLayoutEveryGame one of the others
// picked at random (current itself only when the catalog holds no other).
const Layout& NewGameLayout(const LayoutCatalog& catalog, const Layout& current, bool newLayoutEveryGame,
                            RandomSource& random);

} // namespace tessaron
