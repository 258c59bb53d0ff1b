#pragma once
// A failure carries a number and a description, like a run-time error. Procedures throw
// it and the nearest procedure with a failure handler reports it (see ErrorReport.h).
#include <cstdint>
#include <stdexcept>
#include <string>

namespace tessaron {

// Familiar run-time error numbers, used where they apply.
enum ErrorNumber : std::int32_t {
    ErrInvalidCall = 5,        // "Invalid procedure call or argument"
    ErrOverflow = 6,           // "Overflow"
    ErrSubscriptOutOfRange = 9, // "Subscript out of range"
    ErrTypeMismatch = 13,      // "Type mismatch"
    ErrFileNotFound = 53,      // "File not found"
    ErrPathFileAccess = 75,    // "Path/File access error"
    ErrResourceNotFound = 326, // "Resource with identifier '...' not found"
    ErrDialogCancelled = 32755 // "Cancel was selected." (file dialog)
};

class Failure : public std::runtime_error {
public:
    Failure(std::int32_t number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    std::int32_t Number() const { return number_; }
    std::string Description() const { return what(); }

private:
    std::int32_t number_;
};

// The standard description of a familiar error number ("Overflow" for 6, ...).
std::string StandardErrorDescription(std::int32_t number);

// Throws Failure(number, StandardErrorDescription(number)).
[[noreturn]] void Fail(std::int32_t number);
[[noreturn]] void Fail(std::int32_t number, const std::string& description);

} // namespace tessaron
