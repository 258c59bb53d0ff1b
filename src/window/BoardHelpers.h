#pragma once
// The two helpers a player may switch on in the preferences: the number of free pairs after
// the tile count, and a mark on the free tiles that match the one tile selected. Both are
// read off the model after every change; the board shows them and the speech says them.
#include "board/Play.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace tessaron {

class Locale;

class BoardHelpers {
public:
    explicit BoardHelpers(const Locale& texts) : texts_(texts) {}

    void Set(bool freePairs, bool matches);
    // "12 free pairs", "1 free pair"; empty while off or without a deal.
    QString FreePairsText(const Play& play) const;
    // The tiles to mark: the free matches of the one tile selected outside peek mode; none
    // while off.
    std::vector<std::int32_t> MarkedTiles(const Play& play) const;
    // "3 free tiles match" while the marks are shown for a selected tile; empty otherwise.
    QString MatchesText(const Play& play) const;

private:
    const Locale& texts_;
    bool freePairs_ = false;
    bool matches_ = false;
};

} // namespace tessaron
