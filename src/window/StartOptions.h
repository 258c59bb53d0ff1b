#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tessaron {

// True when "-GameCreateShow" appears anywhere on the command line, in any case, also
// inside a longer argument. arguments excludes the program's own name.
bool HasGameCreateShowOption(const std::vector<std::string>& arguments);

// The KEY of "--layout KEY" (the first one given); "" when the key is missing, nothing
// without the option.
std::optional<std::string> LayoutStartOption(const std::vector<std::string>& arguments);

} // namespace tessaron
