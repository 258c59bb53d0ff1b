#pragma once
// The program's string table in both languages: English at 1024 + n, German at 2048 + n.
#include <optional>
#include <string_view>

namespace tessaron {

// The resource string with this id (UTF-8), or nothing when the table has none.
std::optional<std::string_view> ResourceString(int id);

} // namespace tessaron
