#pragma once
#include "shell/PlatformServices.h"

namespace tessaron {

// Opens links with the desktop's default handler (web browser, mail program). Answers like
// the classic shell call: above 32 on success, else one of the error codes below, each
// with a text of its own.
class QtLinkOpener final : public LinkOpener {
public:
    static constexpr std::int32_t Opened = 42;
    // The link is empty or not a link at all.
    static constexpr std::int32_t ErrorFileNotFound = 2;
    // The desktop has no handler for the link, or the handler did not start.
    static constexpr std::int32_t ErrorNoAssociation = 31;

    std::int32_t StartApplication(const std::string& link) override;
    std::string SystemMessageText(std::int32_t code) override;
};

} // namespace tessaron
