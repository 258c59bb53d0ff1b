#include "shell/ErrorReport.h"

#include "doubles/FixedSystemLocale.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingMessageBox.h"
#include "shell/Locale.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

TEST(ErrorReportMessage, BeforeTheLanguageIsLoadedTheBuiltInFormatIsUsedAndKept)
{
    RecordingErrorReport report;
    report.Errors.ErrorMessageRunTime(53, "File not found", "GameFileLoad", "frmBoard");
    ASSERT_EQ(report.Box.Boxes.size(), 1u);
    EXPECT_EQ(report.Box.Boxes[0].Title, "frmBoard.GameFileLoad");
    EXPECT_EQ(report.Box.Boxes[0].Text, "VB Error 53 (File not found)");
    EXPECT_EQ(report.Box.Boxes[0].BoxKind, RecordingMessageBox::Kind::CriticalOkCancel);
    EXPECT_EQ(report.Box.Beeps, 1);
    EXPECT_EQ(report.Errors.ErrorNumberFormat, "\"VB Error \"0");
    EXPECT_EQ(report.Ended.Count, 0);
}

TEST(ErrorReportMessage, UsesTheNumberFormatOfTheLanguage)
{
    RecordingErrorReport report;
    MemorySettingsStore store;
    FixedSystemLocale system;
    Registry registry(store, report.Errors, system);
    Locale locale(registry, report.Errors, system);
    locale.SaveLocale(0);
    report.Errors.ErrorMessageRunTime(75, "Path/File access error", "GameFileSave", "frmBoard");
    locale.SaveLocale(1);
    report.Errors.ErrorMessageRunTime(53, "File not found", "ConvertTimeToDate", "modSubMain");
    ASSERT_EQ(report.Box.Boxes.size(), 2u);
    EXPECT_EQ(report.Box.Boxes[0].Text, "Visual Basic Error 75 (Path/File access error)");
    EXPECT_EQ(report.Box.Boxes[1].Text, "Visual Basic Fehler 53 (File not found)");
    EXPECT_EQ(report.Box.Boxes[1].Title, "modSubMain.ConvertTimeToDate");
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
    EXPECT_EQ(report.Box.Boxes[0].Text, "VB Error 75 (Path/File access error)");
    EXPECT_TRUE(Guarded(report.Errors, "frmBoard", "GameFileSave", [] {}));
}

} // namespace
} // namespace tessaron
