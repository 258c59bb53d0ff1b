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

// Without a valid stored choice the system language decides (German for German, English
// for anything else) and is written back; a stored choice wins over the system.
TEST_F(LocaleRule, StoredChoiceWinsElseTheSystemLanguageDecidesAndIsStored)
{
    struct Case {
        std::uint32_t System;
        const char* Stored;
        int Expected;
    };
    for (const Case& c : {Case{FixedSystemLocale::German, nullptr, 1}, Case{FixedSystemLocale::French, nullptr, 0},
                          Case{FixedSystemLocale::German, "5", 1}, Case{FixedSystemLocale::English, "1", 1}}) {
        store.RemoveAll();
        if (c.Stored) store.Write("General", "Locale", c.Stored);
        system.Lcid = c.System;
        locale.LoadLocaleFromRegistry();
        EXPECT_EQ(locale.GetLocale(), c.Expected) << c.System;
        EXPECT_EQ(store.Read("General", "Locale"), std::to_string(c.Expected));
        EXPECT_EQ(locale.LocaleStringBase, c.Expected == 1 ? 2048 : 1024);
    }
    EXPECT_TRUE(report.Box.Boxes.empty());
    registry.CleanupRegistry();  // a first run keeps only the version, the language stays
    EXPECT_EQ(store.Count(), 1u);
    EXPECT_EQ(locale.GetLocale(), 1);
}

TEST_F(LocaleRule, TextThatIsNoNumberIsReportedThenTheSystemRuleDecides)
{
    store.Write("General", "Locale", "Deutsch");
    locale.LoadLocaleFromRegistry();
    EXPECT_EQ(report.Titles(), std::vector<std::string>{"modSubMain.LoadLocaleFromRegistry"});
    EXPECT_EQ(locale.GetLocale(), 0);
    EXPECT_EQ(store.Read("General", "Locale"), "0");
}

// Start-up, the menu switch and a re-application all pass through SetLocale and refresh the
// cached texts; an index out of range keeps the texts, so the platform keeps their language.
TEST_F(LocaleRule, EveryLanguageAppliedRefreshesTheTextsAndThePlatforms)
{
    store.Write("General", "Locale", "0");
    locale.LoadLocaleFromRegistry();
    EXPECT_EQ(locale.LoadLocaleString(291), "New game");
    EXPECT_EQ(locale.DateTimeFormat, "mm\\/dd\\/yyyy hh\\:nn");
    EXPECT_EQ(report.Errors.ErrorNumberFormat, "\"Visual Basic Error \"0");
    locale.SaveLocale(1);
    locale.LocaleIndex = 5;
    locale.SetLocale();
    EXPECT_EQ(locale.LoadLocaleString(291), "Neues Spiel");
    EXPECT_EQ(locale.DateTimeFormat, "dd\\.mm\\.yyyy hh\\:nn");
    EXPECT_EQ(platformTexts.Languages, (std::vector<std::int32_t>{0, 1, 1}));
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
