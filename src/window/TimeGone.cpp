#include "window/TimeGone.h"

#include "shell/FormatPatterns.h"

#include <cmath>
#include <exception>

namespace tessaron {

namespace {
// The switch to the minutes form comes at 24 seconds (1/3600 of a day), not at a minute.
constexpr double SecondsFormLimit = 24.0;
} // namespace

std::string FormatTimeGone(double timeGone, const std::string& minutesFormat, const std::string& secondsFormat)
{
    try {
        // Whole seconds first: the difference of two clock readings is not exact, and
        // 24 seconds must not come out a hair below the limit.
        double seconds = std::round(timeGone * SecondsPerDay);
        if (!std::isfinite(seconds)) return {};
        if (seconds < 0) seconds = 0;
        const std::string& pattern = seconds < SecondsFormLimit ? secondsFormat : minutesFormat;
        return FormatDate(seconds / SecondsPerDay, pattern);
    } catch (const std::exception&) {
        return {};
    }
}

std::string FormatTimeGone(double timeGone, const Locale& texts)
{
    return FormatTimeGone(timeGone, texts.TimeFormatMinutes, texts.TimeFormatSeconds);
}

} // namespace tessaron
