#include "board/PlayerLayouts.h"

#include "shell/StringTable.h"
#include "shell/TextTools.h"

namespace tessaron {

namespace {

constexpr int UnreadableFileText = 990;
constexpr int RefusedLayoutsText = 991;

std::string Text(int stringBase, int number, const std::string& value)
{
    return ReplaceSubString(std::string(ResourceString(stringBase + number).value_or("^0")), "^0", value);
}

} // namespace

std::vector<std::string> AddPlayerLayouts(LayoutCatalog& catalog, const std::vector<PlayerLayoutFile>& files,
                                          int stringBase)
{
    std::vector<std::string> messages;
    for (const PlayerLayoutFile& file : files) {
        if (!file.Bytes) {
            messages.push_back(Text(stringBase, UnreadableFileText, file.FileName));
            continue;
        }
        if (const auto fault = catalog.AddLayout(*file.Bytes, file.FileName))
            messages.push_back(LayoutFaultText(*fault, stringBase));
    }
    return messages;
}

std::string PlayerLayoutsRefusedText(const std::vector<std::string>& messages, const std::string& folder,
                                     int stringBase)
{
    if (messages.empty()) return {};
    std::string text = Text(stringBase, RefusedLayoutsText, folder) + "\n";
    for (const std::string& message : messages) text += "\n" + message;
    return text;
}

} // namespace tessaron
