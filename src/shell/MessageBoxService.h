#pragma once
// The platform's message box and beep. The game shows QMessageBox; tests record calls.
#include <string>

namespace tessaron {

enum class MessageBoxAnswer { Ok, Cancel };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void Beep() = 0;
    // Critical icon, OK and Cancel. Modal over the program's active window.
    virtual MessageBoxAnswer ShowCriticalOkCancel(const std::string& title, const std::string& text) = 0;
    // Critical icon, OK only.
    virtual void ShowCriticalOk(const std::string& title, const std::string& text) = 0;
};

} // namespace tessaron
