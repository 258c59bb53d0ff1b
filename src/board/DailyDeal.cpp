#include "board/DailyDeal.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace tessaron {

namespace {

constexpr std::int64_t DealNumberModulus = 2147483647;  // 2^31 - 1, a prime
constexpr std::int64_t DailyMultiplier = 950706376;
constexpr std::int64_t DailyOffset = 20260101;

std::vector<std::int32_t> SortedDistinct(std::span<const std::int32_t> days)
{
    std::vector<std::int32_t> sorted(days.begin(), days.end());
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    return sorted;
}

} // namespace

std::optional<std::int32_t> CalendarDay(std::int32_t year, std::int32_t month, std::int32_t day)
{
    if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(unsigned(month)),
                                           std::chrono::day(unsigned(day))};
    if (!date.ok()) return std::nullopt;
    return std::int32_t(std::chrono::sys_days(date).time_since_epoch().count());
}

std::optional<std::int32_t> DailyDealNumber(std::int32_t year, std::int32_t month, std::int32_t day)
{
    const auto calendarDay = CalendarDay(year, month, day);
    if (!calendarDay) return std::nullopt;
    const std::int64_t d = ((*calendarDay % DealNumberModulus) + DealNumberModulus) % DealNumberModulus;
    return std::int32_t((d * DailyMultiplier + DailyOffset) % DealNumberModulus + 1);
}

std::int32_t CurrentDayStreak(std::span<const std::int32_t> daysWon, std::int32_t today)
{
    const std::vector<std::int32_t> days = SortedDistinct(daysWon);
    auto last = std::upper_bound(days.begin(), days.end(), today);
    if (last == days.begin() || *(last - 1) < today - 1) return 0;
    std::int32_t streak = 1;
    for (auto day = last - 1; day != days.begin() && *(day - 1) == *day - 1; --day) ++streak;
    return streak;
}

std::int32_t BestDayStreak(std::span<const std::int32_t> daysWon)
{
    const std::vector<std::int32_t> days = SortedDistinct(daysWon);
    std::int32_t best = 0;
    std::int32_t run = 0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        run = i > 0 && days[i] == days[i - 1] + 1 ? run + 1 : 1;
        best = std::max(best, run);
    }
    return best;
}

} // namespace tessaron
