#include "records/DateTimeText.h"

#include "shell/FormatPatterns.h"

namespace tessaron {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The integer in the characters [first, first + length) of text: digits, with blanks
// before them and a sign allowed. A text too short to hold the group, or a group with
// anything else in it, is a type mismatch.
std::int32_t DigitGroup(const std::string& text, std::size_t first, std::size_t length)
{
    if (text.size() < first + length) Fail(ErrTypeMismatch);
    std::size_t i = first;
    const std::size_t end = first + length;
    while (i < end && text[i] == ' ') ++i;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == end) Fail(ErrTypeMismatch);
    std::int32_t value = 0;
    for (; i < end; ++i) {
        if (!IsDigit(text[i])) Fail(ErrTypeMismatch);
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

} // namespace

std::string ConvertDateTimeToString(double value)
{
    if (value == 0) return {};
    return FormatDate(value, "yyyymmddhhnnss");
}

std::string ConvertTimeToString(double value)
{
    if (value == 0) return {};
    return FormatDate(value, "hhnnss");
}

double ConvertDateTimeToDate(const std::string& text, ErrorReport& errors)
{
    double value = 0;
    Guarded(errors, MainModule, "ConvertDateTimeToDate", [&] {
        if (text.empty()) return;
        const double date = DateSerial(DigitGroup(text, 0, 4), DigitGroup(text, 4, 2), DigitGroup(text, 6, 2));
        const double time = TimeSerial(DigitGroup(text, 8, 2), DigitGroup(text, 10, 2), DigitGroup(text, 12, 2));
        // A moment outside the years 100 to 9999 could not be written back (the hall of
        // fame stores again every stamp it loaded): it is an overflow, like any date the
        // calendar cannot hold.
        SplitDate(date + time);
        value = date + time;
    });
    return value;
}

double ConvertTimeToDate(const std::string& text, ErrorReport& errors)
{
    double value = 0;
    Guarded(errors, MainModule, "ConvertTimeToDate", [&] {
        if (text.empty()) return;
        value = TimeSerial(DigitGroup(text, 0, 2), DigitGroup(text, 2, 2), DigitGroup(text, 4, 2));
    });
    return value;
}

} // namespace tessaron
