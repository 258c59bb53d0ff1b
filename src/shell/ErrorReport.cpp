#include "shell/ErrorReport.h"

#include "shell/FormatPatterns.h"

#include <cstdlib>

namespace tessaron {

namespace {
// Used until the language texts are loaded.
const char* const BuiltInErrorNumberFormat = "\"VB Error \"0";
} // namespace

ErrorReport::ErrorReport(MessageBoxService& messageBox, std::function<void()> stopSound,
                         std::function<void()> endProcess)
    : messageBox_(messageBox), stopSound_(std::move(stopSound)), endProcess_(std::move(endProcess))
{
}

// A failure inside the report must not hide the report itself: each step that fails is
// skipped and the next one runs.
void ErrorReport::ErrorMessageRunTime(std::int32_t number, const std::string& description,
                                      const std::string& procedureName, const std::string& objectName)
{
    std::string message;
    try {
        if (ErrorNumberFormat.empty()) ErrorNumberFormat = BuiltInErrorNumberFormat;
    } catch (...) {
    }
    try {
        message = FormatNumber(number, ErrorNumberFormat);
    } catch (...) {
    }
    try {
        message += " (" + description + ")";
    } catch (...) {
    }
    try {
        ErrorMessage(message, procedureName, objectName);
    } catch (...) {
    }
}

void ErrorReport::ErrorMessage(const std::string& message, const std::string& procedureName,
                               const std::string& objectName)
{
    messageBox_.Beep();
    const MessageBoxAnswer answer = messageBox_.ShowCriticalOkCancel(objectName + "." + procedureName, message);
    if (answer != MessageBoxAnswer::Cancel) return;

    // A failing sound stop reports itself through this box; the flag makes its Cancel end
    // the program without asking for the stop again. Whatever the stop does, Cancel ends
    // the program.
    if (!ErrorCancelled) {
        ErrorCancelled = true;
        try {
            if (stopSound_) stopSound_();
        } catch (...) {
        }
    }
    if (endProcess_) endProcess_();
}

void EndProcessAtOnce()
{
    // The store writes every change through at once, so ending here loses only what is
    // deliberately not saved: the window place and the current game.
    std::_Exit(EXIT_SUCCESS);
}

} // namespace tessaron
