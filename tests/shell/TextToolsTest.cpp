#include "shell/TextTools.h"

#include "shell/Failure.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

TEST(ReplaceSubString, ReplacesEveryOccurrenceLeftToRightWithoutRescanning)
{
    EXPECT_EQ(ReplaceSubString("^0 and ^0", "^0", "3"), "3 and 3");
    EXPECT_EQ(ReplaceSubString("^0^0", "^0", "^0^0"), "^0^0^0^0");
    EXPECT_EQ(ReplaceSubString("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceSubString("Ab ab", "ab", "x"), "Ab x");
}

TEST(NumberText, ReadsSinglesWithEitherDecimalSeparator)
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
}

TEST(NumberText, SixteenBitIntegersRoundHalvesToEvenAndOverflow)
{
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
