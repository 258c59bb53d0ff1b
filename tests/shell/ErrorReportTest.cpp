#include "shell/ErrorReport.h"

#include "doubles/RecordingMessageBox.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

TEST(ErrorReportCancel, EndsTheProgramEveryTimeAndStopsTheSoundOnce)
{
    RecordingErrorReport report;
    report.Box.Answers = {MessageBoxAnswer::Cancel, MessageBoxAnswer::Ok, MessageBoxAnswer::Cancel};
    // Even a failing sound stop does not keep the program from ending.
    report.Errors.SetStopSound([&report] {
        ++report.SoundStops;
        throw Failure(5, "Invalid procedure call or argument");
    });
    report.Errors.ErrorMessage("first", "SoundStop", "frmSound");
    EXPECT_TRUE(report.Errors.ErrorCancelled);
    EXPECT_EQ(report.Ended.Count, 1);
    EXPECT_EQ(report.SoundStops, 1);
    report.Errors.ErrorMessage("second", "SoundStop", "frmSound");
    EXPECT_EQ(report.Ended.Count, 1);
    report.Errors.ErrorMessage("third", "SoundStop", "frmSound");
    EXPECT_EQ(report.Ended.Count, 2);
    EXPECT_EQ(report.SoundStops, 1);
}

} // namespace
} // namespace tessaron
