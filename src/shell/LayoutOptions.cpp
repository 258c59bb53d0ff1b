#include "shell/LayoutOptions.h"

#include "shell/StringTable.h"
#include "shell/TextTools.h"

#include <algorithm>
#include <cstdlib>

namespace tessaron {

namespace {

constexpr int UnknownLayoutText = 955;
constexpr int LayoutKeyMissingText = 956;

// The command line speaks English, like the names it lists.
std::string EnglishText(int number, const std::string& value)
{
    return ReplaceSubString(std::string(ResourceString(EnglishStringBase + number).value_or("^0")), "^0", value);
}

} // namespace

std::optional<int> RunLayoutOption(const LayoutCatalog& catalog, const std::vector<std::string>& arguments,
                                   std::ostream& out, std::ostream& err)
{
    if (std::find(arguments.begin(), arguments.end(), "--list-layouts") != arguments.end()) {
        for (const Layout& layout : catalog.Layouts())
            out << layout.Key << '\t' << layout.Places.size() << '\t' << layout.EnglishName << '\n';
        return EXIT_SUCCESS;
    }
    const auto option = std::find(arguments.begin(), arguments.end(), "--print-layout");
    if (option == arguments.end()) return std::nullopt;
    if (option + 1 == arguments.end()) {
        err << EnglishText(LayoutKeyMissingText, *option) << '\n';
        return EXIT_FAILURE;
    }
    const Layout* layout = catalog.Find(option[1]);
    if (!layout) {
        err << EnglishText(UnknownLayoutText, option[1]) << '\n';
        return EXIT_FAILURE;
    }
    for (const TileLocation& place : layout->Places) out << place.X << ' ' << place.Y << ' ' << place.Layer << '\n';
    return EXIT_SUCCESS;
}

} // namespace tessaron
