#pragma once
// The program's string table in both languages: English at 1024 + n, German at 2048 + n.
#include <optional>
#include <span>
#include <string_view>

namespace tessaron {

constexpr int EnglishStringBase = 1024;
constexpr int GermanStringBase = 2048;

// The resource string with this id (UTF-8), or nothing when the table has none.
std::optional<std::string_view> ResourceString(int id);

struct ResourceEntry {
    int Id;
    std::string_view Text;
};
// Every entry of the table, in ascending id order.
std::span<const ResourceEntry> AllResourceStrings();

} // namespace tessaron
