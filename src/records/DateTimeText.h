#pragma once
// Fixed-width digit texts of dates: "yyyymmddhhnnss" for a moment and "hhnnss" for an
// elapsed time (whole days are lost). The zero date is the empty text and back.
// Digit groups that are not numbers, or a text too short to hold them all, are reported
// under modSubMain.<procedure> and give 0, as is a moment outside the years 100 to 9999;
// characters after the last group are ignored.
// Writing a value outside the years 100 to 9999 throws Failure 6 to the caller's handler.
#include "shell/ErrorReport.h"

#include <string>

namespace tessaron {

std::string ConvertDateTimeToString(double value);
double ConvertDateTimeToDate(const std::string& text, ErrorReport& errors);
std::string ConvertTimeToString(double value);
double ConvertTimeToDate(const std::string& text, ErrorReport& errors);

} // namespace tessaron
