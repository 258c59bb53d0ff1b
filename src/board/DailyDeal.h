#pragma once
// The deal of the day: its number follows from the local calendar date alone, so every
// player gets the same deal on the same date, and its streaks of days won.
#include <cstdint>
#include <optional>
#include <span>

namespace tessaron {

// Days since 1 January 1970 in the proleptic Gregorian calendar (negative before it), or
// nothing for a date that does not exist (31 April, 29 February 2023, month 0).
std::optional<std::int32_t> CalendarDay(std::int32_t year, std::int32_t month, std::int32_t day);

// The deal number of a date, 1..2147483647: with d its CalendarDay taken modulo
// P = 2147483647 into 0..P-1, the number is (d * 950706376 + 20260101) mod P + 1. P is prime
// and the multiplier is not a multiple of it, so no two dates within P days share a number;
// neighbouring dates lie far apart. Nothing for a date that does not exist.
std::optional<std::int32_t> DailyDealNumber(std::int32_t year, std::int32_t month, std::int32_t day);

// Days given as CalendarDay values, in any order, repeats allowed.
// The run of consecutive days won that ends today, or yesterday while today's deal is not won
// yet (a streak lasts until a day passes without a win); 0 otherwise.
std::int32_t CurrentDayStreak(std::span<const std::int32_t> daysWon, std::int32_t today);
// The longest run of consecutive days won.
std::int32_t BestDayStreak(std::span<const std::int32_t> daysWon);

} // namespace tessaron
