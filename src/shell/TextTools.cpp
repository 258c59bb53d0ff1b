#include "shell/TextTools.h"

#include "shell/Failure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tessaron {

std::string ReplaceSubString(const std::string& text, const std::string& search, const std::string& replacement)
{
    if (search.empty()) return text;
    std::string result;
    std::string::size_type start = 0;
    for (;;) {
        const auto found = text.find(search, start);
        if (found == std::string::npos) {
            result.append(text, start, std::string::npos);
            return result;
        }
        result.append(text, start, found - start);
        result += replacement;
        start = found + search.size();
    }
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the shape of a number text and returns it in the form std::from_chars reads:
// no blanks, no "+", "." as the decimal point.
std::string NormalisedNumberText(const std::string& text, char decimalSeparator)
{
    auto first = text.begin();
    auto last = text.end();
    while (first != last && IsBlank(*first)) ++first;
    while (last != first && IsBlank(*(last - 1))) --last;

    std::string normal;
    auto it = first;
    if (it != last && (*it == '+' || *it == '-')) {
        if (*it == '-') normal += '-';
        ++it;
    }
    int digits = 0;
    bool point = false;
    for (; it != last; ++it) {
        if (IsDigit(*it)) {
            normal += *it;
            ++digits;
        } else if (!point && (*it == decimalSeparator || *it == '.')) {
            normal += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) Fail(ErrTypeMismatch);
    if (it != last && (*it == 'e' || *it == 'E')) {
        normal += 'e';
        ++it;
        if (it != last && (*it == '+' || *it == '-')) normal += *it++;
        int exponentDigits = 0;
        for (; it != last && IsDigit(*it); ++it, ++exponentDigits) normal += *it;
        if (exponentDigits == 0) Fail(ErrTypeMismatch);
    }
    if (it != last) Fail(ErrTypeMismatch);
    return normal;
}

double TextToDouble(const std::string& text, char decimalSeparator)
{
    const std::string normal = NormalisedNumberText(text, decimalSeparator);
    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error == std::errc::result_out_of_range) Fail(ErrOverflow);
    if (error != std::errc() || end != normal.data() + normal.size()) Fail(ErrTypeMismatch);
    return value;
}

} // namespace

float TextToSingle(const std::string& text, char decimalSeparator)
{
    const double value = TextToDouble(text, decimalSeparator);
    if (std::fabs(value) > double(std::numeric_limits<float>::max())) Fail(ErrOverflow);
    return float(value);
}

std::int16_t TextToInteger16(const std::string& text)
{
    const double rounded = std::nearbyint(TextToDouble(text, '.'));
    if (rounded < -32768.0 || rounded > 32767.0) Fail(ErrOverflow);
    return std::int16_t(rounded);
}

std::string SingleToText(float value, char decimalSeparator)
{
    if (value == 0.0f) return "0";
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    if (error != std::errc()) Fail(ErrOverflow);
    std::string text(buffer, end);
    // to_chars writes "1e+07"; the general format writes "1E+07".
    std::replace(text.begin(), text.end(), 'e', 'E');
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

} // namespace tessaron
