#pragma once
// The command-line options that print layouts and end the program before any window or
// display is needed: "--list-layouts" and "--print-layout KEY".
#include "board/LayoutCatalog.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tessaron {

// With one of the options among arguments (without the program name): prints to out, or a
// refusal to err, and returns the exit code (0 when printed). Otherwise nothing.
std::optional<int> RunLayoutOption(const LayoutCatalog& catalog, const std::vector<std::string>& arguments,
                                   std::ostream& out, std::ostream& err);

} // namespace tessaron
