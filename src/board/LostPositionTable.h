#pragma once
// Positions the solver has shown to be lost, keyed by the exact set of tiles in play, so a
// hit is never a guess. It starts small and doubles up to a fixed ceiling; once full, a new
// position may push out an old one (forgetting costs time, never correctness).
#include "board/TileSet.h"

#include <cstddef>
#include <vector>

namespace tessaron {

class LostPositionTable {
public:
    // maxBytes bounds the table's storage, also while it grows (old and new storage at once).
    explicit LostPositionTable(std::size_t maxBytes);

    bool Contains(const TileSet& position) const;
    void Insert(const TileSet& position);
    std::size_t Bytes() const { return slots_.size() * sizeof(TileSet); }

private:
    std::size_t SlotOf(const TileSet& position) const;
    void Grow();

    std::size_t maxSlots_;
    std::size_t used_ = 0;
    std::vector<TileSet> slots_;  // an empty set marks a free slot: the cleared board is never lost
};

} // namespace tessaron
