#include "shell/FormatPatterns.h"
#include "shell/TextTools.h"

#include "shell/Failure.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessaron {
namespace {

TEST(NumberPattern, DigitsQuotedTextAndEscapes)
{
    EXPECT_EQ(FormatNumber(123, "00"), "123");
    EXPECT_EQ(FormatNumber(3, "00"), "03");
    EXPECT_EQ(FormatNumber(-53, "\"VB Error \"0"), "VB Error -53");
    EXPECT_EQ(FormatNumber(7, "\\#0\" of 144\""), "#7 of 144");
    EXPECT_EQ(FormatNumber(INT64_MIN, "0"), "-9223372036854775808");
}

TEST(DatePattern, RoundsToTheNearestSecondAcrossMidnight)
{
    const double almostMidnight = DateSerial(1999, 12, 31) + TimeSerial(23, 59, 59) + 0.6 / 86400;
    EXPECT_EQ(FormatDate(almostMidnight, "yyyymmddhhnnss"), "20000101000000");
    EXPECT_EQ(FormatDate(TimeSerial(0, 0, 7) - 0.4 / 86400, "s\\s"), "7s");
}

TEST(DateSerial, PartsOutOfRangeRollOver)
{
    EXPECT_DOUBLE_EQ(DateSerial(1899, 12, 30), 0);
    EXPECT_DOUBLE_EQ(DateSerial(1900, 1, 1), 2);
    EXPECT_DOUBLE_EQ(DateSerial(2003, 13, 5), DateSerial(2004, 1, 5));
    EXPECT_DOUBLE_EQ(DateSerial(2004, 2, 30), DateSerial(2004, 3, 1));
    EXPECT_DOUBLE_EQ(DateSerial(2004, 3, 0), DateSerial(2004, 2, 29));
    EXPECT_DOUBLE_EQ(DateSerial(2004, -13, -40), DateSerial(2002, 11, 1) - 41);
    EXPECT_DOUBLE_EQ(TimeSerial(-1, 0, 30), -3570.0 / 86400);
    EXPECT_DOUBLE_EQ(TimeSerial(25, 0, 0), 1 + 1.0 / 24);
}

// DateSerial and SplitDate agree; before the epoch the time of day stays positive.
TEST(SplitDate, AgreesWithDateSerialAndKeepsThePartsInRange)
{
    for (int day = 0; day < 50000; day += 37) {
        const DateParts parts = SplitDate(day + TimeSerial(day % 24, day % 60, day % 59));
        EXPECT_DOUBLE_EQ(DateSerial(parts.Year, parts.Month, parts.Day), day);
        EXPECT_EQ(parts.Hour * 3600 + parts.Minute * 60 + parts.Second,
                  day % 24 * 3600 + day % 60 * 60 + day % 59);
    }
    const DateParts parts = SplitDate(-1.25);
    EXPECT_EQ(parts.Day, 29);
    EXPECT_EQ(parts.Hour, 6);
    EXPECT_THROW(SplitDate(1e9), Failure);
    EXPECT_THROW(SplitDate(std::numeric_limits<double>::quiet_NaN()), Failure);
}

TEST(ReplaceSubString, ReplacesEveryOccurrenceLeftToRightWithoutRescanning)
{
    EXPECT_EQ(ReplaceSubString("^0 and ^0", "^0", "3"), "3 and 3");
    EXPECT_EQ(ReplaceSubString("^0^0", "^0", "^0^0"), "^0^0^0^0");
    EXPECT_EQ(ReplaceSubString("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceSubString("Ab ab", "ab", "x"), "Ab x");
}

TEST(NumberText, ReadsSinglesWithEitherDecimalSeparatorAndSixteenBitIntegers)
{
    EXPECT_FLOAT_EQ(TextToSingle(" -12,5 ", ','), -12.5f);
    EXPECT_FLOAT_EQ(TextToSingle("12.5", ','), 12.5f);
    EXPECT_FLOAT_EQ(TextToSingle("+1.5E+03", '.'), 1500.0f);
    for (const char* bad : {"", " ", "1,5", "12px", "1.2.3", "e5", "1e", "--1"}) {
        try {
            TextToSingle(bad, '.');
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number(), ErrTypeMismatch) << bad;
        }
    }
    EXPECT_THROW(TextToSingle("1e60", '.'), Failure);
    // Sixteen-bit integers round halves to even.
    EXPECT_EQ(TextToInteger16("2.5"), 2);
    EXPECT_EQ(TextToInteger16("-32768"), -32768);
    try {
        TextToInteger16("32768");
        ADD_FAILURE();
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Number(), ErrOverflow);
    }
}

TEST(NumberText, GeneralFormatOfSinglesRoundTrips)
{
    EXPECT_EQ(SingleToText(0.0f, ','), "0");
    EXPECT_EQ(SingleToText(-0.0f, ','), "0");
    EXPECT_EQ(SingleToText(1234567.0f, '.'), "1234567");
    EXPECT_EQ(SingleToText(12345678.0f, '.'), "1.234568E+07");
    for (const float value : {0.1f, -3.25f, 1e-5f, 987654.3f, 3.4e38f})
        EXPECT_FLOAT_EQ(TextToSingle(SingleToText(value, ','), ','), value);
}

} // namespace
} // namespace tessaron
