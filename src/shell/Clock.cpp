#include "shell/Clock.h"

#include <chrono>
#include <ctime>

namespace tessaron {

double SystemClock::Now() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    // Days since 30 December 1899 of the local calendar date, plus the time of day.
    using namespace std::chrono;
    const auto day = sys_days{year{local.tm_year + 1900} / month{unsigned(local.tm_mon + 1)} / unsigned(local.tm_mday)};
    const auto epoch = sys_days{year{1899} / December / 30};
    const double days = double((day - epoch).count());
    return days + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

double SystemClock::SteadySeconds() const
{
    using namespace std::chrono;
    return double(duration_cast<seconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace tessaron
