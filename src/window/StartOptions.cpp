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

} // namespace tessaron
