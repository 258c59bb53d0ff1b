#include "board/LostPositionTable.h"

#include <bit>

namespace tessaron {

namespace {

constexpr std::size_t FirstSlots = 1 << 10;
constexpr std::size_t ProbeLength = 8;

std::uint64_t Mix(std::uint64_t value)
{
    value ^= value >> 31;
    value *= 0x7fb5d329728ea185ULL;
    value ^= value >> 27;
    value *= 0x81dadef4bc2dd44dULL;
    return value ^ (value >> 33);
}

} // namespace

LostPositionTable::LostPositionTable(std::size_t maxBytes)
{
    // Growing holds the old and the doubled storage at once: 3 x the final size at most.
    const std::size_t limit = maxBytes / sizeof(SearchKey) * 2 / 3;
    maxSlots_ = limit < FirstSlots ? FirstSlots : std::bit_floor(limit);
}

std::size_t LostPositionTable::SlotOf(const SearchKey& position) const
{
    std::uint64_t hash = 0;
    for (std::uint64_t word : position.Present.Words) hash = Mix(hash ^ word);
    for (std::uint64_t word : position.Pairings) hash = Mix(hash ^ word);
    return std::size_t(hash) & (slots_.size() - 1);
}

bool LostPositionTable::Contains(const SearchKey& position) const
{
    if (slots_.empty()) return false;
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = SlotOf(position);
    for (std::size_t probe = 0; probe < ProbeLength; ++probe, slot = (slot + 1) & mask) {
        if (slots_[slot] == position) return true;
        if (slots_[slot].Present.IsEmpty()) return false;
    }
    return false;
}

void LostPositionTable::Insert(const SearchKey& position)
{
    if (position.Present.IsEmpty()) return;
    if (slots_.empty() || (used_ * 2 > slots_.size() && slots_.size() < maxSlots_)) Grow();
    const std::size_t mask = slots_.size() - 1;
    const std::size_t home = SlotOf(position);
    std::size_t slot = home;
    for (std::size_t probe = 0; probe < ProbeLength; ++probe, slot = (slot + 1) & mask) {
        if (slots_[slot] == position) return;
        if (slots_[slot].Present.IsEmpty()) {
            slots_[slot] = position;
            ++used_;
            return;
        }
    }
    // Every slot in reach is taken: the newest finding replaces the one at home.
    slots_[home] = position;
}

void LostPositionTable::Grow()
{
    std::vector<SearchKey> old = std::move(slots_);
    slots_.assign(old.empty() ? FirstSlots : old.size() * 2, SearchKey{});
    used_ = 0;
    for (const SearchKey& position : old)
        if (!position.Present.IsEmpty()) Insert(position);
}

} // namespace tessaron
