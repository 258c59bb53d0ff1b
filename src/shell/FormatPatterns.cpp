#include "shell/FormatPatterns.h"

#include "shell/Failure.h"

#include <chrono>
#include <cmath>

namespace tessaron {

namespace {

using namespace std::chrono;

constexpr sys_days OleEpoch = sys_days{year{1899} / December / 30};
// The calendar range of OLE dates: 1 January 100 to 31 December 9999.
constexpr double OleDateMin = -657434.0;
constexpr double OleDateMax = 2958466.0;
constexpr std::int64_t SecondsPerDay = 86400;

std::string Padded(std::int64_t value, int width)
{
    // The magnitude as unsigned, so that the smallest int64 has one too.
    const std::uint64_t magnitude = value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
    std::string digits = std::to_string(magnitude);
    if (int(digits.size()) < width) digits.insert(0, std::size_t(width) - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Copies a literal part of a pattern: text in double quotes, or the character after a
// backslash. Returns false when pattern[i] starts no literal part.
bool CopyLiteral(const std::string& pattern, std::size_t& i, std::string& out)
{
    if (pattern[i] == '"') {
        const auto close = pattern.find('"', i + 1);
        const auto end = close == std::string::npos ? pattern.size() : close;
        out.append(pattern, i + 1, end - i - 1);
        i = close == std::string::npos ? pattern.size() : close + 1;
        return true;
    }
    if (pattern[i] == '\\') {
        if (i + 1 < pattern.size()) out += pattern[i + 1];
        i += 2;
        return true;
    }
    return false;
}

// How often letter repeats from pattern[i] on, at most max times.
std::size_t RunLength(const std::string& pattern, std::size_t i, char letter, std::size_t max)
{
    std::size_t n = 0;
    while (i + n < pattern.size() && n < max && Lower(pattern[i + n]) == letter) ++n;
    return n;
}

std::int64_t DayOfYear(const DateParts& parts)
{
    const sys_days date = year{parts.Year} / month{unsigned(parts.Month)} / unsigned(parts.Day);
    const sys_days newYear = year{parts.Year} / January / 1;
    return (date - newYear).count() + 1;
}

} // namespace

// All digit placeholders of the pattern ("0" pads, "#" does not) form one number field,
// written where the first of them stands; everything else is copied.
std::string FormatNumber(std::int64_t value, const std::string& pattern)
{
    std::string before;
    std::string after;
    int zeros = 0;
    bool field = false;
    for (std::size_t i = 0; i < pattern.size();) {
        std::string& out = field ? after : before;
        if (CopyLiteral(pattern, i, out)) continue;
        const char c = pattern[i++];
        if (c == '0' || c == '#') {
            field = true;
            if (c == '0') ++zeros;
        } else {
            out += c;
        }
    }
    if (!field) return before;
    return before + Padded(value, zeros) + after;
}

DateParts SplitDate(double oleDate)
{
    if (!std::isfinite(oleDate) || oleDate < OleDateMin || oleDate >= OleDateMax) Fail(ErrOverflow);
    const double whole = std::trunc(oleDate);
    std::int64_t seconds = std::llround(std::fabs(oleDate - whole) * double(SecondsPerDay));
    std::int64_t day = std::int64_t(whole);
    if (seconds >= SecondsPerDay) {
        seconds -= SecondsPerDay;
        ++day;
    }
    const year_month_day date{OleEpoch + days{day}};
    return DateParts{int(date.year()),
                     std::int32_t(unsigned(date.month())),
                     std::int32_t(unsigned(date.day())),
                     std::int32_t(seconds / 3600),
                     std::int32_t(seconds / 60 % 60),
                     std::int32_t(seconds % 60)};
}

std::string FormatDate(double oleDate, const std::string& pattern)
{
    const DateParts parts = SplitDate(oleDate);
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        if (CopyLiteral(pattern, i, out)) continue;
        const char letter = Lower(pattern[i]);
        std::size_t used = 1;
        switch (letter) {
        case 'y':
            used = RunLength(pattern, i, 'y', 4);
            if (used == 4) {
                out += Padded(parts.Year, 4);
            } else if (used >= 2) {
                used = 2;
                out += Padded(parts.Year % 100, 2);
            } else {
                out += std::to_string(DayOfYear(parts));
            }
            break;
        case 'm':
            used = RunLength(pattern, i, 'm', 2);
            out += Padded(parts.Month, int(used));
            break;
        case 'd':
            used = RunLength(pattern, i, 'd', 2);
            out += Padded(parts.Day, int(used));
            break;
        case 'h':
            used = RunLength(pattern, i, 'h', 2);
            out += Padded(parts.Hour, int(used));
            break;
        case 'n':
            used = RunLength(pattern, i, 'n', 2);
            out += Padded(parts.Minute, int(used));
            break;
        case 's':
            used = RunLength(pattern, i, 's', 2);
            out += Padded(parts.Second, int(used));
            break;
        default:
            out += pattern[i];
            break;
        }
        i += used;
    }
    return out;
}

double DateSerial(std::int32_t yearNumber, std::int32_t monthNumber, std::int32_t dayNumber)
{
    // Months out of range roll into the years, days into the months.
    const std::int64_t months = std::int64_t(yearNumber) * 12 + (std::int64_t(monthNumber) - 1);
    const std::int64_t wholeYears = months >= 0 ? months / 12 : -((-months + 11) / 12);
    const std::int64_t monthIndex = months - wholeYears * 12;
    if (wholeYears < -30000 || wholeYears > 30000) Fail(ErrOverflow);
    const sys_days first = year{int(wholeYears)} / month{unsigned(monthIndex + 1)} / 1;
    return double((first - OleEpoch).count()) + (double(dayNumber) - 1.0);
}

double TimeSerial(std::int32_t hour, std::int32_t minute, std::int32_t second)
{
    const std::int64_t total = std::int64_t(hour) * 3600 + std::int64_t(minute) * 60 + second;
    return double(total) / double(SecondsPerDay);
}

} // namespace tessaron
