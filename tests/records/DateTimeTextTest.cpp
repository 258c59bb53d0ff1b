#include "records/DateTimeText.h"

#include "doubles/RecordingMessageBox.h"
#include "shell/FormatPatterns.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

TEST(DateTimeText, MomentsAndTimesRoundTripZeroIsTheEmptyTextAndDamagedTextIsReported)
{
    RecordingErrorReport report;
    const double moment = DateSerial(2004, 3, 5) + TimeSerial(7, 8, 9);
    EXPECT_EQ(ConvertDateTimeToString(moment), "20040305070809");
    EXPECT_DOUBLE_EQ(ConvertDateTimeToDate("20040305070809", report.Errors), moment);
    EXPECT_EQ(ConvertTimeToString(TimeSerial(1, 2, 3)), "010203");
    EXPECT_DOUBLE_EQ(ConvertTimeToDate("010203", report.Errors), TimeSerial(1, 2, 3));
    EXPECT_EQ(ConvertTimeToString(TimeSerial(25, 0, 0)), "010000") << "only the time of day is kept";
    EXPECT_EQ(ConvertTimeToString(0), "");
    EXPECT_EQ(ConvertDateTimeToString(0), "");
    EXPECT_EQ(ConvertTimeToDate("", report.Errors), 0);
    EXPECT_EQ(ConvertDateTimeToDate("", report.Errors), 0);
    EXPECT_TRUE(report.Box.Boxes.empty());
    // Text with letters or too short is reported and reads as zero.
    EXPECT_EQ(ConvertTimeToDate("01x203", report.Errors), 0);
    EXPECT_EQ(ConvertTimeToDate("0102", report.Errors), 0);
    EXPECT_EQ(ConvertDateTimeToDate("2004O305070809", report.Errors), 0);
    EXPECT_EQ(report.Titles(), (std::vector<std::string>{"modSubMain.ConvertTimeToDate",
                                                         "modSubMain.ConvertTimeToDate",
                                                         "modSubMain.ConvertDateTimeToDate"}));
    ASSERT_FALSE(report.Box.Boxes.empty());
    EXPECT_EQ(report.Box.Boxes[0].Text, "VB Error 13 (Type mismatch)");
}

} // namespace
} // namespace tessaron
