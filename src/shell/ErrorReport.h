#pragma once
// The program's one report of an unexpected failure: a beep and a critical OK/Cancel box
// titled "object.procedure". Cancel stops the sound (once) and ends the program at once,
// without saving anything.
#include "shell/Failure.h"
#include "shell/MessageBoxService.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace tessaron {

// The object names reports carry: each window, and the module of the shared procedures.
inline constexpr const char* BoardObject = "frmBoard";
inline constexpr const char* SoundObject = "frmSound";
inline constexpr const char* HallOfFameObject = "frmHallOfFame";
inline constexpr const char* AboutObject = "frmAbout";
inline constexpr const char* MainModule = "modSubMain";

class ErrorReport {
public:
    // stopSound: stops the playing sound (creating the sound object first if needed).
    // endProcess: ends the program at once; it must not return in the game. A test double
    // may return, and the report then returns as well.
    ErrorReport(MessageBoxService& messageBox, std::function<void()> stopSound,
                std::function<void()> endProcess);

    void SetStopSound(std::function<void()> stopSound) { stopSound_ = std::move(stopSound); }

    void ErrorMessageRunTime(std::int32_t number, const std::string& description,
                             const std::string& procedureName, const std::string& objectName);
    void ErrorMessage(const std::string& message, const std::string& procedureName,
                      const std::string& objectName);

    // The number format of the message; empty until the language texts are loaded.
    std::string ErrorNumberFormat;
    bool ErrorCancelled = false;

    MessageBoxService& MessageBox() { return messageBox_; }

private:
    MessageBoxService& messageBox_;
    std::function<void()> stopSound_;
    std::function<void()> endProcess_;
};

// Ends the program at once with nothing saved and no window closed in the ordinary way:
// what the game passes as endProcess, and what the progress window's Cancel does.
[[noreturn]] void EndProcessAtOnce();

// Runs body as a procedure with its own failure handler: a Failure (or any other
// exception) ends the body and is reported under objectName.procedureName.
// Returns true when the body completed.
template <class Body>
bool Guarded(ErrorReport& errors, const char* objectName, const char* procedureName, Body&& body)
{
    try {
        body();
        return true;
    } catch (const Failure& failure) {
        errors.ErrorMessageRunTime(failure.Number(), failure.Description(), procedureName, objectName);
    } catch (const std::bad_alloc&) {
        errors.ErrorMessageRunTime(7, "Out of memory", procedureName, objectName);
    } catch (const std::out_of_range&) {
        errors.ErrorMessageRunTime(ErrSubscriptOutOfRange, StandardErrorDescription(ErrSubscriptOutOfRange),
                                   procedureName, objectName);
    } catch (const std::exception& e) {
        errors.ErrorMessageRunTime(ErrInvalidCall, e.what(), procedureName, objectName);
    }
    return false;
}

} // namespace tessaron
