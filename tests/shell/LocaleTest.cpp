#include "shell/Locale.h"

#include "doubles/FixedSystemLocale.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingPlatformTexts.h"
#include "doubles/RecordingMessageBox.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

class LocaleRule : public testing::Test {
protected:
    MemorySettingsStore store;
    RecordingErrorReport report;
    FixedSystemLocale system;
    Registry registry{store, report.Errors, system};
    RecordingPlatformTexts platformTexts;
    Locale locale{registry, report.Errors, system, &platformTexts};
};

TEST_F(LocaleRule, FirstRunOnAGermanSystemIsGermanAndOnlyTheVersionStays)
{
    system.Lcid = FixedSystemLocale::German;
    locale.LoadLocaleFromRegistry();
    EXPECT_EQ(locale.GetLocale(), 1);
    EXPECT_EQ(store.Read("General", "Locale"), "1");
    registry.CleanupRegistry();
    EXPECT_EQ(store.Count(), 1u);
    EXPECT_EQ(locale.GetLocale(), 1);
    EXPECT_EQ(locale.DateTimeFormat, "dd\\.mm\\.yyyy hh\\:nn");
}

TEST_F(LocaleRule, AnyOtherSystemLanguageGivesEnglish)
{
    system.Lcid = FixedSystemLocale::French;
    locale.LoadLocaleFromRegistry();
    EXPECT_EQ(locale.GetLocale(), 0);
    EXPECT_EQ(store.Read("General", "Locale"), "0");
}

TEST_F(LocaleRule, StoredChoiceWinsOverTheSystem)
{
    store.Write("General", "Locale", "1");
    locale.LoadLocaleFromRegistry();
    EXPECT_EQ(locale.GetLocale(), 1);
    EXPECT_EQ(locale.LocaleStringBase, 2048);
    EXPECT_EQ(report.Errors.ErrorNumberFormat, "\"Visual Basic Fehler \"0");
}

TEST_F(LocaleRule, OutOfRangeChoiceFallsToTheSystemRuleAndIsWrittenBack)
{
    system.Lcid = FixedSystemLocale::German;
    store.Write("General", "Locale", "5");
    locale.LoadLocaleFromRegistry();
    EXPECT_EQ(locale.GetLocale(), 1);
    EXPECT_EQ(store.Read("General", "Locale"), "1");
    EXPECT_TRUE(report.Box.Boxes.empty());
}

TEST_F(LocaleRule, TextThatIsNoNumberIsReportedThenTheSystemRuleDecides)
{
    store.Write("General", "Locale", "Deutsch");
    locale.LoadLocaleFromRegistry();
    EXPECT_EQ(report.Titles(), std::vector<std::string>{"modSubMain.LoadLocaleFromRegistry"});
    EXPECT_EQ(locale.GetLocale(), 0);
    EXPECT_EQ(store.Read("General", "Locale"), "0");
}

TEST_F(LocaleRule, SwitchingLanguageRefreshesTheCachedTexts)
{
    locale.SaveLocale(1);
    EXPECT_EQ(locale.LoadLocaleString(291), "Neues Spiel");
    locale.SaveLocale(0);
    EXPECT_EQ(locale.LoadLocaleString(291), "New game");
    EXPECT_EQ(locale.TimeFormatMinutes, "n\\mss\\s");
    EXPECT_EQ(locale.TimeFormatSeconds, "s\\s");
    EXPECT_EQ(locale.DateTimeFormat, "mm\\/dd\\/yyyy hh\\:nn");
    EXPECT_EQ(report.Errors.ErrorNumberFormat, "\"Visual Basic Error \"0");
}

// Start-up, the menu switch and a re-application all pass through SetLocale; an index out of
// range keeps the texts, so the platform keeps their language too.
TEST_F(LocaleRule, PlatformTextsFollowEveryLanguageApplied)
{
    store.Write("General", "Locale", "1");
    locale.LoadLocaleFromRegistry();
    locale.SaveLocale(0);
    locale.SaveLocale(1);
    locale.LocaleIndex = 5;
    locale.SetLocale();
    EXPECT_EQ(platformTexts.Languages, (std::vector<std::int32_t>{1, 0, 1, 1}));
}

TEST_F(LocaleRule, MissingStringAndSixteenBitOverflowAreReportedAndGiveEmptyText)
{
    locale.SetLocale();
    EXPECT_EQ(locale.LoadLocaleString(999), "");
    EXPECT_EQ(locale.LoadLocaleString(32000), "");
    ASSERT_EQ(report.Box.Boxes.size(), 2u);
    EXPECT_EQ(report.Box.Boxes[0].Title, "modSubMain.LoadLocaleString");
    EXPECT_EQ(report.Box.Boxes[0].Text, "Visual Basic Error 326 (Resource with identifier '2023' not found)");
    EXPECT_EQ(report.Box.Boxes[1].Text, "Visual Basic Error 6 (Overflow)");
}

} // namespace
} // namespace tessaron
