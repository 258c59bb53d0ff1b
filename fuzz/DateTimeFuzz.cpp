// The date-time ("yyyymmddhhnnss") and elapsed-time ("hhnnss") conversions over any text:
// they never crash or hang; a reported failure gives 0; a moment that was read can be
// written again; a text in the canonical form converts back to the same digits.
#include "FuzzSupport.h"
#include "doubles/RecordingMessageBox.h"
#include "records/DateTimeText.h"
#include "window/TimeGone.h"

#include <cmath>

using namespace tessaron;

namespace {

bool AllDigits(const std::string& text, std::size_t length)
{
    if (text.size() < length) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

int Number(const std::string& text, std::size_t first, std::size_t length)
{
    return std::stoi(text.substr(first, length));
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsCanonicalTime(const std::string& text, std::size_t first)
{
    return Number(text, first, 2) < 24 && Number(text, first + 2, 2) < 60 && Number(text, first + 4, 2) < 60;
}

// A moment the program itself writes: no part out of range, and from 31 December 1899 on,
// where the time of day adds to the day count (OLE dates before it count the time backwards).
bool IsCanonicalMoment(const std::string& text)
{
    if (!AllDigits(text, 14)) return false;
    const int year = Number(text, 0, 4);
    const int month = Number(text, 4, 2);
    const int day = Number(text, 6, 2);
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
    return IsCanonicalTime(text, 8);
}

void CheckMoment(const std::string& text)
{
    RecordingErrorReport report;
    const double moment = ConvertDateTimeToDate(text, report.Errors);
    FUZZ_CHECK(std::isfinite(moment));
    FUZZ_CHECK(report.Box.Boxes.size() <= 1);
    if (!report.Box.Boxes.empty()) FUZZ_CHECK(moment == 0);
    if (text.empty()) FUZZ_CHECK(moment == 0 && report.Box.Boxes.empty());
    // The hall of fame stores every stamp it loaded when it saves the list again.
    try {
        (void)ConvertDateTimeToString(moment);
    } catch (const Failure&) {
        FUZZ_CHECK(!"a moment that was read cannot be written");
    }
    if (IsCanonicalMoment(text)) {
        FUZZ_CHECK(report.Box.Boxes.empty());
        FUZZ_CHECK(ConvertDateTimeToString(moment) == text.substr(0, 14));
    }
}

void CheckElapsedTime(const std::string& text)
{
    RecordingErrorReport report;
    const double elapsed = ConvertTimeToDate(text, report.Errors);
    FUZZ_CHECK(std::isfinite(elapsed));
    FUZZ_CHECK(report.Box.Boxes.size() <= 1);
    if (!report.Box.Boxes.empty()) FUZZ_CHECK(elapsed == 0);
    if (text.empty()) FUZZ_CHECK(elapsed == 0 && report.Box.Boxes.empty());
    if (AllDigits(text, 6) && IsCanonicalTime(text, 0)) {
        FUZZ_CHECK(report.Box.Boxes.empty());
        // The zero time is the empty text.
        const std::string digits = text.substr(0, 6);
        FUZZ_CHECK(ConvertTimeToString(elapsed) == (digits == "000000" ? "" : digits));
    }
    // The hall of fame shows any loaded time; a time it cannot show is an empty text.
    (void)FormatTimeGone(elapsed, "n\\mss\\s", "s\\s");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = fuzz::InputText(data, size);
    CheckMoment(text);
    CheckElapsedTime(text);
    return 0;
}
