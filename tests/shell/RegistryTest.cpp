#include "shell/Registry.h"

#include "doubles/FixedSystemLocale.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingMessageBox.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

class RegistryTest : public testing::Test {
protected:
    MemorySettingsStore store;
    RecordingErrorReport report;
    FixedSystemLocale system;
    Registry registry{store, report.Errors, system};
};

TEST_F(RegistryTest, SavingTheDefaultOrAnEmptyValueRemovesTheStoredValue)
{
    registry.SaveRegistryString("General", "Player", "Ann", "N.N.");
    EXPECT_EQ(registry.LoadRegistryString("General", "Player", "N.N."), "Ann");
    registry.SaveRegistryString("General", "Player", "n.n.", "N.N.");
    EXPECT_EQ(store.Read("General", "Player"), "n.n.") << "the default is compared case-sensitively";
    registry.SaveRegistryString("General", "Player", "N.N.", "N.N.");
    EXPECT_FALSE(store.Read("General", "Player"));

    registry.SaveRegistryString("Board", "Game", "abc", "");
    registry.SaveRegistryString("Board", "Game", "", "x");
    EXPECT_EQ(store.Count(), 0u);
    // Nothing stored, nothing to remove: the store is not touched.
    store.Log.clear();
    registry.SaveRegistryString("Board", "Game", "", "");
    EXPECT_TRUE(store.Log.empty());
    // A stored empty "TimingActive" means on; switching off must not leave it behind.
    store.Write("Board", "TimingActive", "");
    registry.SaveRegistryString("Board", "TimingActive", "0", "0");
    EXPECT_FALSE(store.Read("Board", "TimingActive"));
}

TEST_F(RegistryTest, SinglesUseTheRegionalDecimalSeparatorAndSevenDigits)
{
    system.Separator = ',';
    registry.SaveRegistrySingle("Board", "Left", 1234.5f, 0);
    EXPECT_EQ(store.Read("Board", "Left"), "1234,5");
    EXPECT_FLOAT_EQ(registry.LoadRegistrySingle("Board", "Left", 0), 1234.5f);
    registry.SaveRegistrySingle("Board", "Top", 2.0f / 3.0f, 1);
    EXPECT_EQ(store.Read("Board", "Top"), "0,6666667");
    registry.SaveRegistrySingle("Board", "Top", 1, 1);
    EXPECT_FALSE(store.Read("Board", "Top"));
    EXPECT_FLOAT_EQ(registry.LoadRegistrySingle("Board", "Top", -7), -7);
}

TEST_F(RegistryTest, SingleThatIsNoNumberIsReportedAndGivesTheDefault)
{
    store.Write("Board", "Left", "left edge");
    EXPECT_FLOAT_EQ(registry.LoadRegistrySingle("Board", "Left", 42), 42);
    ASSERT_EQ(report.Titles(), std::vector<std::string>{"modSubMain.LoadRegistrySingle"});
    EXPECT_EQ(report.Box.Boxes[0].Text, "VB Error 13 (Type mismatch)");
}

TEST_F(RegistryTest, StoreFailureIsReportedUnderTheOperation)
{
    store.FailWith = Failure(ErrPathFileAccess, "Path/File access error");
    EXPECT_EQ(registry.LoadRegistryString("Board", "Game", "x"), "");
    registry.SaveRegistryString("Board", "Game", "y", "");
    registry.DeleteRegistrySection("HallOfFame");
    EXPECT_EQ(report.Titles(), (std::vector<std::string>{"modSubMain.LoadRegistryString",
                                                         "modSubMain.SaveRegistryString",
                                                         "modSubMain.DeleteRegistrySection"}));
}

TEST_F(RegistryTest, FirstRunAndOtherVersionWipeEverythingAndRecordThisVersion)
{
    EXPECT_EQ(Registry::CurrentVersionText(), "01.00");
    for (const std::string stored : {"", "00.09"}) {
        if (!stored.empty()) store.Write("General", "Version", stored);
        store.Write("HallOfFame\\01", "Player", "Ann");
        registry.CleanupRegistry();
        EXPECT_EQ(store.Count(), 1u);
        EXPECT_EQ(store.Read("General", "Version"), "01.00");
    }
    store.Write("HallOfFame\\01", "Player", "Ann");
    registry.CleanupRegistry();
    EXPECT_EQ(store.Read("HallOfFame\\01", "Player"), "Ann") << "the same version keeps the settings";
}

} // namespace
} // namespace tessaron
