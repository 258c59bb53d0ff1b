#pragma once
// The texts the about window puts together from the program's version and its links.
#include <cstdint>
#include <string>

namespace tessaron {

// "1.0" for revision 0, "1.0.9" for revision 9: decimal numbers joined by ".".
std::string FormatVersionString(std::int32_t major, std::int32_t minor, std::int32_t revision);

// The mail link with a subject naming the program and its version. Only the blank between
// title and version is encoded ("%20"); the rest goes to the mail program as it is.
std::string MailLinkWithSubject(const std::string& mailLink, const std::string& title,
                                const std::string& version);

// Fills the failure pattern (text 190): "^0" the platform function, "^1" the code in
// decimal, "^2" the system's text for the code.
std::string PlatformFailureMessage(const std::string& pattern, const std::string& functionName,
                                   std::int32_t code, const std::string& systemText);

} // namespace tessaron
