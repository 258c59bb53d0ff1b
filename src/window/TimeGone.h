#pragma once
// The one formatter of elapsed times, shared by the board's clock and the hall of fame.
#include "shell/Locale.h"

#include <string>

namespace tessaron {

// Times are kept as dates: a day is 1.0.
inline constexpr double SecondsPerDay = 86400.0;

// timeGone is an elapsed time in days (a date value). Under 24 seconds it is shown with
// secondsFormat ("s\s": 7s), from then on with minutesFormat ("n\mss\s": 0m30s, 1m05s).
// Only minutes within the hour and seconds are shown: 3725 seconds read 2m05s.
// Gives "" when the time cannot be formatted.
std::string FormatTimeGone(double timeGone, const std::string& minutesFormat, const std::string& secondsFormat);

// The same with the current language's formats.
std::string FormatTimeGone(double timeGone, const Locale& texts);

} // namespace tessaron
