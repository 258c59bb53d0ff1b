#include "shell/ErrorReport.h"

#include "doubles/FixedSystemLocale.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingMessageBox.h"
#include "shell/Locale.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

// Before the language is loaded the built-in number format is used; then the language's.
TEST(ErrorReportMessage, TheNumberFormatFollowsTheLanguageOnceItIsLoaded)
{
    RecordingErrorReport report;
    report.Errors.ErrorMessageRunTime(53, "File not found", "GameFileLoad", "frmBoard");
    MemorySettingsStore store;
    FixedSystemLocale system;
    Registry registry(store, report.Errors, system);
    Locale locale(registry, report.Errors, system);
    locale.SaveLocale(0);
    report.Errors.ErrorMessageRunTime(75, "Path/File access error", "GameFileSave", "frmBoard");
    locale.SaveLocale(1);
    report.Errors.ErrorMessageRunTime(53, "File not found", "ConvertTimeToDate", "modSubMain");
    ASSERT_EQ(report.Titles(), (std::vector<std::string>{"frmBoard.GameFileLoad", "frmBoard.GameFileSave",
                                                         "modSubMain.ConvertTimeToDate"}));
    EXPECT_EQ(report.Box.Boxes[0].Text, "VB Error 53 (File not found)");
    EXPECT_EQ(report.Box.Boxes[0].BoxKind, RecordingMessageBox::Kind::CriticalOkCancel);
    EXPECT_EQ(report.Box.Boxes[1].Text, "Visual Basic Error 75 (Path/File access error)");
    EXPECT_EQ(report.Box.Boxes[2].Text, "Visual Basic Fehler 53 (File not found)");
    EXPECT_EQ(report.Box.Beeps, 3);
    EXPECT_EQ(report.Ended.Count, 0);
}

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

TEST(GuardedProcedure, FailureEndsTheBodyAndIsReportedUnderItsName)
{
    RecordingErrorReport report;
    bool afterFailure = false;
    const bool completed = Guarded(report.Errors, "frmBoard", "GameFileSave", [&] {
        Fail(ErrPathFileAccess);
        afterFailure = true;
    });
    EXPECT_FALSE(completed);
    EXPECT_FALSE(afterFailure);
    EXPECT_EQ(report.Titles(), std::vector<std::string>{"frmBoard.GameFileSave"});
    EXPECT_TRUE(Guarded(report.Errors, "frmBoard", "GameFileSave", [] {}));
}

} // namespace
} // namespace tessaron
