#pragma once
// A set of board positions (bit n stands for position n), small enough to copy and compare
// cheaply: the solver's picture of which tiles are in play.
#include "board/TileTypes.h"

#include <array>
#include <bit>
#include <cstdint>

namespace tessaron {

struct TileSet {
    static constexpr std::int32_t WordCount = (TileCount + 64) / 64;
    std::array<std::uint64_t, WordCount> Words{};

    void Add(std::int32_t tile) { Words[tile >> 6] |= std::uint64_t(1) << (tile & 63); }
    void Remove(std::int32_t tile) { Words[tile >> 6] &= ~(std::uint64_t(1) << (tile & 63)); }
    bool Contains(std::int32_t tile) const { return (Words[tile >> 6] >> (tile & 63)) & 1; }
    bool Intersects(const TileSet& other) const
    {
        std::uint64_t common = 0;
        for (std::int32_t i = 0; i < WordCount; ++i) common |= Words[i] & other.Words[i];
        return common != 0;
    }
    TileSet operator&(const TileSet& other) const
    {
        TileSet common;
        for (std::int32_t i = 0; i < WordCount; ++i) common.Words[i] = Words[i] & other.Words[i];
        return common;
    }
    // The tiles of this set that are not in other.
    TileSet Except(const TileSet& other) const
    {
        TileSet rest;
        for (std::int32_t i = 0; i < WordCount; ++i) rest.Words[i] = Words[i] & ~other.Words[i];
        return rest;
    }
    // The lowest position in the set; the set must not be empty.
    std::int32_t First() const
    {
        std::int32_t i = 0;
        while (Words[i] == 0) ++i;
        return i * 64 + std::countr_zero(Words[i]);
    }
    TileSet& operator|=(const TileSet& other)
    {
        for (std::int32_t i = 0; i < WordCount; ++i) Words[i] |= other.Words[i];
        return *this;
    }
    std::int32_t Count() const
    {
        std::int32_t count = 0;
        for (std::uint64_t word : Words) count += std::popcount(word);
        return count;
    }
    bool IsEmpty() const
    {
        std::uint64_t any = 0;
        for (std::uint64_t word : Words) any |= word;
        return any == 0;
    }
    bool operator==(const TileSet&) const = default;
};

// Calls visit(position) for each position in the set, in ascending order.
template <typename Visit>
void ForEachTile(const TileSet& set, Visit&& visit)
{
    for (std::int32_t w = 0; w < TileSet::WordCount; ++w) {
        for (std::uint64_t bits = set.Words[w]; bits != 0; bits &= bits - 1)
            visit(std::int32_t(w * 64 + std::countr_zero(bits)));
    }
}

} // namespace tessaron
