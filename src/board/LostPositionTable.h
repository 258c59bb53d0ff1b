#pragma once
// Positions the solver has shown to be lost, keyed exactly (the tiles in play and the
// pairings the search has settled on), so a hit is never a guess. It starts small and doubles up to a fixed ceiling; once full, a new
// position may push out an old one (forgetting costs time, never correctness).
#include "board/TileSet.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessaron {

struct SearchKey {
    TileSet Present;
    std::array<std::uint64_t, 2> Pairings{};  // two bits for each group of four
    bool operator==(const SearchKey&) const = default;
};

class LostPositionTable {
public:
    // maxBytes bounds the table's storage, also while it grows (old and new storage at once).
    explicit LostPositionTable(std::size_t maxBytes);

    bool Contains(const SearchKey& position) const;
    void Insert(const SearchKey& position);
    std::size_t Bytes() const { return slots_.size() * sizeof(SearchKey); }

private:
    std::size_t SlotOf(const SearchKey& position) const;
    void Grow();

    std::size_t maxSlots_;
    std::size_t used_ = 0;
    std::vector<SearchKey> slots_;  // an empty board marks a free slot: the cleared board is never lost
};

} // namespace tessaron
