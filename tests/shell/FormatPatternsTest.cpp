#include "shell/FormatPatterns.h"

#include "shell/Failure.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessaron {
namespace {

TEST(NumberPattern, DigitsQuotedTextAndEscapes)
{
    EXPECT_EQ(FormatNumber(123, "0"), "123");
    EXPECT_EQ(FormatNumber(3, "00"), "03");
    EXPECT_EQ(FormatNumber(10, "00"), "10");
    EXPECT_EQ(FormatNumber(2, "\"HallOfFame\\\"00"), "HallOfFame\\02");
    EXPECT_EQ(FormatNumber(-53, "\"VB Error \"0"), "VB Error -53");
    EXPECT_EQ(FormatNumber(7, "0\" of 144\""), "7 of 144");
    EXPECT_EQ(FormatNumber(7, "\\#0"), "#7");
    EXPECT_EQ(FormatNumber(INT64_MIN, "0"), "-9223372036854775808");
}

TEST(DatePattern, TheProgramsPatterns)
{
    const double moment = DateSerial(2004, 3, 5) + TimeSerial(7, 8, 9);
    EXPECT_EQ(FormatDate(moment, "mm\\/dd\\/yyyy hh\\:nn"), "03/05/2004 07:08");
    EXPECT_EQ(FormatDate(moment, "dd\\.mm\\.yyyy hh\\:nn"), "05.03.2004 07:08");
    EXPECT_EQ(FormatDate(moment, "yyyymmddhhnnss"), "20040305070809");
    EXPECT_EQ(FormatDate(TimeSerial(1, 2, 5), "n\\mss\\s"), "2m05s");
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

TEST(SplitDate, PropertyDateSerialAndSplitDateAgreeOverManyDays)
{
    for (int day = 0; day < 50000; day += 37) {
        const DateParts parts = SplitDate(day + TimeSerial(day % 24, day % 60, day % 59));
        EXPECT_DOUBLE_EQ(DateSerial(parts.Year, parts.Month, parts.Day), day);
        EXPECT_EQ(parts.Hour * 3600 + parts.Minute * 60 + parts.Second,
                  day % 24 * 3600 + day % 60 * 60 + day % 59);
    }
}

TEST(SplitDate, DatesBeforeTheEpochKeepAPositiveTimeOfDay)
{
    const DateParts parts = SplitDate(-1.25);
    EXPECT_EQ(parts.Day, 29);
    EXPECT_EQ(parts.Hour, 6);
    EXPECT_THROW(SplitDate(1e9), Failure);
    EXPECT_THROW(SplitDate(std::numeric_limits<double>::quiet_NaN()), Failure);
}

} // namespace
} // namespace tessaron
