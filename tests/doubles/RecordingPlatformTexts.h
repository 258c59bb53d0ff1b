#pragma once
// Platform texts that record each language they were asked to use, in order.
#include "shell/PlatformTexts.h"

#include <cstdint>
#include <vector>

namespace tessaron {

class RecordingPlatformTexts final : public PlatformTexts {
public:
    void UseLanguage(std::int32_t locale) override { Languages.push_back(locale); }

    std::vector<std::int32_t> Languages;
};

} // namespace tessaron
