#include "HallOfFameTestKit.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

using namespace testkit;

const double SolvedAt = DateSerial(2004, 3, 5) + TimeSerial(7, 8, 9);

// The list ends at the first slot without a time. A negative time or a whole day cannot be
// written back as it was read: taking it into the list would make the next save drop every
// entry behind it without a word, so it ends the list too.
TEST(HallOfFameStorage, ListEndsAtTheFirstSlotWithoutATimeThatCanBeStoredAgain)
{
    for (const char* damaged : {"000000", "-10000", "240000"}) {
        HallOfFameServices services;
        services.SeedEntry(1, "Anna", 30, Deal(1));
        services.SeedEntry(2, "Ben", 40, Deal(2));
        services.SeedEntry(3, "Carl", 50, Deal(3));
        services.Settings.SaveRegistryString("HallOfFame\\03", "Result", damaged, "");
        services.SeedEntry(4, "Dora", 60, Deal(4));
        auto hallOfFame = services.MakeHallOfFame();
        const HallOfFameList& list = hallOfFame->List();
        ASSERT_EQ(list.Count(), 2) << damaged;
        EXPECT_EQ(list.FindPositionForTiles(services.ConvertDeal(Deal(4))), 0);
        EXPECT_EQ(list.FindPositionForResult(Seconds(500)), 3);  // the slot behind is free
        EXPECT_NEAR(list.Entry(2).Stamp, SolvedAt, Seconds(1) / 100);

        HallOfFameList saved(services.Settings, services.Report.Errors);
        saved.LoadList();
        saved.SaveList(1, 0);
        HallOfFameList reloaded(services.Settings, services.Report.Errors);
        reloaded.LoadList();
        EXPECT_EQ(reloaded.Count(), 2) << damaged;
    }
}

TEST(HallOfFameStorage, EmptySlotsRemoveTheirSections)
{
    HallOfFameServices services;
    services.SeedEntry(1, "Anna", 30, Deal(1));
    services.SeedEntry(5, "Eve", 90, Deal(5));  // behind a gap: not in effect
    HallOfFameList list(services.Settings, services.Report.Errors);
    list.LoadList();

    list.SaveList(1, 0);

    EXPECT_EQ(services.Settings.LoadRegistryString("HallOfFame\\01", "Player", ""), "Anna");
    EXPECT_EQ(services.Settings.LoadRegistryString("HallOfFame\\05", "Player", ""), "");
    EXPECT_EQ(services.Memory.Count(), 5u);
}

} // namespace
} // namespace tessaron
