#pragma once
// The number and date patterns of the string table. In them "0" is a digit, quoted text
// and backslash-escaped characters are literal; in dates "yyyy", "mm", "dd", "hh", "nn"
// (minutes), "n", "ss", "s" are the parts ("yy" two-digit year, "y" day of the year).
// Dates are OLE Automation dates: days since 30 December 1899 as a double, the time of
// day in the fraction.
#include <cstdint>
#include <string>

namespace tessaron {

// FormatNumber(5, "0") = "5"; FormatNumber(3, "00") = "03";
// FormatNumber(2, "\"HallOfFame\\\"00") = "HallOfFame\\02"; FormatNumber(53, "\"VB Error \"0") = "VB Error 53".
std::string FormatNumber(std::int64_t value, const std::string& pattern);

// FormatDate(date, "dd\\.mm\\.yyyy hh\\:nn") = "05.03.2004 07:08"; rounds to the nearest second.
// A date outside the years 100 to 9999, or not a number, throws Failure 6 (overflow).
std::string FormatDate(double oleDate, const std::string& pattern);

// Builds a date the lenient way: parts out of range roll over into the next larger unit.
double DateSerial(std::int32_t year, std::int32_t month, std::int32_t day);
double TimeSerial(std::int32_t hour, std::int32_t minute, std::int32_t second);

struct DateParts {
    std::int32_t Year, Month, Day, Hour, Minute, Second;
};
// The calendar parts of a date, rounded to the nearest second; same range as FormatDate.
// Before 30 December 1899 the OLE encoding keeps the time of day positive: -1.25 is
// 29 December 1899, 06:00.
DateParts SplitDate(double oleDate);

} // namespace tessaron
