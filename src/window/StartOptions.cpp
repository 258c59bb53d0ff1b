#include "window/StartOptions.h"

#include <algorithm>
#include <cctype>

namespace tessaron {

bool HasGameCreateShowOption(const std::vector<std::string>& arguments)
{
    // The command line as one text, so the option is found wherever it was written.
    std::string line;
    for (const std::string& argument : arguments) line += argument + ' ';
    std::transform(line.begin(), line.end(), line.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return line.find("-gamecreateshow") != std::string::npos;
}

std::optional<std::string> LayoutStartOption(const std::vector<std::string>& arguments)
{
    const auto option = std::find(arguments.begin(), arguments.end(), "--layout");
    if (option == arguments.end()) return std::nullopt;
    return option + 1 == arguments.end() ? std::string() : option[1];
}

} // namespace tessaron
