#pragma once
// The command-line options of numbered deals. "--print-deal N [--layout KEY]" prints the
// deal's game record and its band and ends the program before any window or display is
// needed; "--deal N" and "--daily" (each with an optional "--layout KEY") ask the window
// to start with that deal.
#include "board/LayoutCatalog.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace tessaron {

// With "--print-deal" among arguments (without the program name): prints
// "RECORD<TAB>band" to out, or a refusal to err, and returns the exit code (0 when
// printed). Otherwise nothing.
std::optional<int> RunDealOption(const LayoutCatalog& catalog, const std::vector<std::string>& arguments,
                                 std::ostream& out, std::ostream& err);

struct DealStartRequest {
    enum class Kind { None, Numbered, Daily };
    Kind What = Kind::None;
    std::int32_t Number = 0;  // with Numbered
    std::string LayoutKey;    // empty: the layout in use
    bool operator==(const DealStartRequest&) const = default;
};

// The deal the game is asked to start with, or the refusal (a bad number, a missing one,
// "--deal" together with "--daily", "--layout" without a key) in the language whose strings
// start at stringBase. The key is not looked up here.
std::variant<DealStartRequest, std::string> ParseDealStartOptions(const std::vector<std::string>& arguments,
                                                                  int stringBase = 1024);

} // namespace tessaron
