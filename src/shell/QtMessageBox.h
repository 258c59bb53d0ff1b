#pragma once
#include "shell/MessageBoxService.h"

namespace tessaron {

// Message boxes modal over the active window, with the platform's beep.
class QtMessageBox final : public MessageBoxService {
public:
    void Beep() override;
    MessageBoxAnswer ShowCriticalOkCancel(const std::string& title, const std::string& text) override;
    void ShowCriticalOk(const std::string& title, const std::string& text) override;
    MessageBoxAnswer AskOkCancel(const std::string& title, const std::string& text) override;
    int AskChoice(const std::string& title, const std::string& text, const std::vector<std::string>& buttons) override;
};

} // namespace tessaron
