#pragma once
#include <string>

namespace tessaron {

// Replaces every occurrence of search (never empty) from left to right; replacement text
// is never searched again. Case-sensitive.
std::string ReplaceSubString(const std::string& text, const std::string& search, const std::string& replacement);

} // namespace tessaron
