#pragma once
// Small text operations: placeholder replacement and the lenient number conversions of
// stored texts.
#include <cstdint>
#include <string>

namespace tessaron {

// Replaces every occurrence of search (never empty) from left to right; replacement text
// is never searched again. Case-sensitive.
std::string ReplaceSubString(const std::string& text, const std::string& search, const std::string& replacement);

// A decimal number text such as " -12,5 " or "1.5E+07": blanks around it, a sign, digits
// with one decimal separator (the regional one, or "." whatever the region) and an
// exponent. Throws Failure 13 (type mismatch) for anything else and 6 (overflow) for a
// number too large for the result.
float TextToSingle(const std::string& text, char decimalSeparator);
// The same rules; the value is rounded to the nearest integer, halves to even.
std::int16_t TextToInteger16(const std::string& text);

// The general number format of a single: at most 7 significant digits, no trailing zeros,
// an exponent only for very large or small values ("1.234568E+07"), "0" for zero.
std::string SingleToText(float value, char decimalSeparator);

} // namespace tessaron
