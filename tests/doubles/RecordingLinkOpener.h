#pragma once
// A link opener that records every link handed to the desktop and answers with a result
// code the test chooses (above 32 means opened), with system texts the test supplies.
#include "shell/PlatformServices.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tessaron {

class RecordingLinkOpener final : public LinkOpener {
public:
    static constexpr std::int32_t Opened = 42;

    std::int32_t StartApplication(const std::string& link) override
    {
        Links.push_back(link);
        return Result;
    }

    std::string SystemMessageText(std::int32_t code) override
    {
        const auto found = SystemTexts.find(code);
        return found == SystemTexts.end() ? std::string() : found->second;
    }

    std::int32_t Result = Opened;
    std::map<std::int32_t, std::string> SystemTexts;

    std::vector<std::string> Links;
};

} // namespace tessaron
