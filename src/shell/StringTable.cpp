#include "shell/StringTable.h"

#include "shell/StringTableEnglish.h"
#include "shell/StringTableGerman.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace tessaron {

namespace {

// Both halves in one table, sorted by id.
constexpr auto Table = [] {
    std::array<ResourceEntry, std::size(strings::EnglishTable) + std::size(strings::GermanTable)> table{};
    const auto next = std::copy(std::begin(strings::EnglishTable), std::end(strings::EnglishTable), table.begin());
    std::copy(std::begin(strings::GermanTable), std::end(strings::GermanTable), next);
    return table;
}();

constexpr bool IsSortedById()
{
    for (std::size_t i = 1; i < std::size(Table); ++i)
        if (Table[i - 1].Id >= Table[i].Id) return false;
    return true;
}
static_assert(IsSortedById(), "the string table must be sorted by id without duplicates");

} // namespace

std::optional<std::string_view> ResourceString(int id)
{
    const auto found = std::lower_bound(std::begin(Table), std::end(Table), id,
                                        [](const ResourceEntry& entry, int wanted) { return entry.Id < wanted; });
    if (found == std::end(Table) || found->Id != id) return std::nullopt;
    return found->Text;
}

std::span<const ResourceEntry> AllResourceStrings() { return Table; }

} // namespace tessaron
