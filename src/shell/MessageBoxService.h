#pragma once
// The platform's message box and beep. The game shows QMessageBox; tests record calls.
#include <string>
#include <vector>

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
    // A question before something that cannot be undone: question icon, OK and Cancel, with
    // Cancel the default. A service that cannot ask (a command-line run) answers Cancel, so
    // nothing is done unasked.
    virtual MessageBoxAnswer AskOkCancel(const std::string& /*title*/, const std::string& /*text*/)
    {
        return MessageBoxAnswer::Cancel;
    }
    // A question answered by one of the buttons named (the first the default) or by Cancel:
    // the index of the button pressed, -1 for Cancel and Escape. A service that cannot ask
    // answers -1.
    virtual int AskChoice(const std::string& /*title*/, const std::string& /*text*/,
                          const std::vector<std::string>& /*buttons*/)
    {
        return -1;
    }
};

} // namespace tessaron
