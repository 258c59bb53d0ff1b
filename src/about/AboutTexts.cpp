#include "about/AboutTexts.h"

#include "shell/TextTools.h"

namespace tessaron {

std::string FormatVersionString(std::int32_t major, std::int32_t minor, std::int32_t revision)
{
    std::string version = std::to_string(major) + "." + std::to_string(minor);
    if (revision > 0) version += "." + std::to_string(revision);
    return version;
}

std::string MailLinkWithSubject(const std::string& mailLink, const std::string& title,
                                const std::string& version)
{
    return mailLink + "?subject=" + title + "%20" + version;
}

std::string PlatformFailureMessage(const std::string& pattern, const std::string& functionName,
                                   std::int32_t code, const std::string& systemText)
{
    std::string message = ReplaceSubString(pattern, "^0", functionName);
    message = ReplaceSubString(message, "^1", std::to_string(code));
    return ReplaceSubString(message, "^2", systemText);
}

} // namespace tessaron
