#include "window/GameFileName.h"

#include <algorithm>
#include <cctype>

namespace tessaron {

std::string GameFileOrigin(const std::string& fileTitle)
{
    static const std::string extension = ".tsg";
    if (fileTitle.size() <= extension.size()) return fileTitle;
    const std::string tail = fileTitle.substr(fileTitle.size() - extension.size());
    const bool isGameFile = std::equal(tail.begin(), tail.end(), extension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
    return isGameFile ? fileTitle.substr(0, fileTitle.size() - extension.size()) : fileTitle;
}

} // namespace tessaron
