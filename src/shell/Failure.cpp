#include "shell/Failure.h"

namespace tessaron {

std::string StandardErrorDescription(std::int32_t number)
{
    switch (number) {
    case ErrInvalidCall: return "Invalid procedure call or argument";
    case ErrOverflow: return "Overflow";
    case 7: return "Out of memory";
    case ErrSubscriptOutOfRange: return "Subscript out of range";
    case ErrTypeMismatch: return "Type mismatch";
    case ErrFileNotFound: return "File not found";
    case 52: return "Bad file name or number";
    case 57: return "Device I/O error";
    case 61: return "Disk full";
    case 62: return "Input past end of file";
    case 70: return "Permission denied";
    case 76: return "Path not found";
    case ErrPathFileAccess: return "Path/File access error";
    case ErrResourceNotFound: return "Resource not found";
    case ErrDialogCancelled: return "Cancel was selected.";
    default: return "Application-defined or object-defined error";
    }
}

void Fail(std::int32_t number) { throw Failure(number, StandardErrorDescription(number)); }

void Fail(std::int32_t number, const std::string& description) { throw Failure(number, description); }

} // namespace tessaron
