// Inputs with which the fuzz targets found faults, so that the faults stay mended.
#include "doubles/FixedSystemLocale.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingMessageBox.h"
#include "halloffame/HallOfFameList.h"
#include "records/DateTimeText.h"
#include "shell/FormatPatterns.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

// fuzz_date_time: "00000468230486" (year 0) was read as a date that the writer then
// refused, so a hall of fame holding such a stamp could not be saved again. The first and
// last moments of the calendar still round-trip.
TEST(StoredMomentRange, MomentOutsideTheCalendarIsReportedAndReadsAsZero)
{
    RecordingErrorReport report;
    for (const std::string text : {"01000101000000", "99991231235959"})
        EXPECT_EQ(ConvertDateTimeToString(ConvertDateTimeToDate(text, report.Errors)), text);
    EXPECT_EQ(ConvertDateTimeToDate("00000468230486", report.Errors), 0);
    // Month 13 of the year 9999 rolls over into the year 10000.
    EXPECT_EQ(ConvertDateTimeToDate("99991301000000", report.Errors), 0);
    EXPECT_EQ(report.Titles(), (std::vector<std::string>{"modSubMain.ConvertDateTimeToDate",
                                                         "modSubMain.ConvertDateTimeToDate"}));
    EXPECT_NE(report.Box.Boxes[0].Text.find("Overflow"), std::string::npos);
}

// fuzz_settings_halloffame: saving a list loaded with such a stamp stopped at that entry,
// so the entries behind it were never written and the store no longer matched the list.
TEST(DamagedHallOfFameStamp, SavingAfterLoadingKeepsEveryEntry)
{
    MemorySettingsStore store;
    store.Write("HallOfFame\\01", "Result", "000100");
    store.Write("HallOfFame\\01", "Stamp", "00000101000000");
    store.Write("HallOfFame\\01", "Player", "Anna");
    store.Write("HallOfFame\\02", "Result", "000200");
    store.Write("HallOfFame\\02", "Stamp", "20040305070809");
    store.Write("HallOfFame\\02", "Player", "Bert");
    RecordingErrorReport report;
    FixedSystemLocale system;
    Registry settings{store, report.Errors, system};

    HallOfFameList list{settings, report.Errors};
    list.LoadList();
    HallOfFameEntry faster;
    faster.Result = TimeSerial(0, 0, 30);
    faster.Stamp = DateSerial(2004, 3, 6);
    faster.Player = "Cleo";
    list.PlaceEntry(1, faster, 0);
    list.SaveList(1, 0);
    EXPECT_EQ(report.Titles(), std::vector<std::string>{"modSubMain.ConvertDateTimeToDate"});

    HallOfFameList reloaded{settings, report.Errors};
    reloaded.LoadList();
    ASSERT_EQ(reloaded.Count(), 3);
    EXPECT_EQ(reloaded.Entry(1).Player, "Cleo");
    EXPECT_EQ(reloaded.Entry(2).Player, "Anna");
    EXPECT_EQ(reloaded.Entry(3).Player, "Bert");
}

} // namespace
} // namespace tessaron
