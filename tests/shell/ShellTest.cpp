// The settings store's semantics, the same for the in-memory double and the real QSettings
// store; the registry's conversions over it, the language stored there, and error reports.
#include "shell/Locale.h"
#include "shell/QtSettingsStore.h"
#include "shell/Registry.h"
#include "shell/StringTable.h"

#include "doubles/FixedSystemLocale.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/RecordingPlatformTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

namespace tessaron {
namespace {

// A value reads back as written, a missing one is nothing; removing a section takes its
// subsections but not its neighbours.
TEST(SettingsStoreSemantics, WrittenValuesReadBackUntilRemoved)
{
    QTemporaryDir folder;
    MemorySettingsStore memory;
    QtSettingsStore onDisk(folder.filePath("Tessaron.ini").toStdString());
    for (SettingsStore* const tested : std::initializer_list<SettingsStore*>{&memory, &onDisk}) {
        SettingsStore& store = *tested;
        SCOPED_TRACE(tested == &memory ? "in memory" : "on disk");
        EXPECT_FALSE(store.Read("General", "Locale"));
        store.Write("General", "Locale", "1");
        store.Write("Board", "GameOrigin", "Spiel für Jörg, 2; \"x\" = \\y");
        store.Write("Board", "Empty", "");
        EXPECT_EQ(store.Read("General", "Locale"), "1");
        EXPECT_EQ(store.Read("Board", "GameOrigin"), "Spiel für Jörg, 2; \"x\" = \\y");
        EXPECT_EQ(store.Read("Board", "Empty"), "");
        store.Remove("General", "Locale");
        EXPECT_FALSE(store.Read("General", "Locale"));

        store.Write("HallOfFame\\01", "Player", "Ann");
        store.Write("HallOfFame\\10", "Player", "Bob");
        store.Write("HallOfFameArchive", "Player", "Cid");
        store.RemoveSection("HallOfFame");
        EXPECT_FALSE(store.Read("HallOfFame\\01", "Player"));
        EXPECT_FALSE(store.Read("HallOfFame\\10", "Player"));
        EXPECT_EQ(store.Read("HallOfFameArchive", "Player"), "Cid");
        EXPECT_EQ(store.Read("Board", "GameOrigin"), "Spiel für Jörg, 2; \"x\" = \\y");
        store.RemoveAll();
        EXPECT_FALSE(store.Read("Board", "Empty"));
        EXPECT_FALSE(store.Read("HallOfFameArchive", "Player"));
    }
}

// A folder in the place of the file refuses the write even to root. Once it is gone the
// next write succeeds and is not reported, whether the store started from a clean file or
// from one damaged by hand.
TEST(QtSettingsStoreOnDisk, EachWriteIsJudgedByItsOwnResult)
{
    for (const bool damagedAtStart : {false, true}) {
        QTemporaryDir folder;
        const QString path = folder.filePath("Tessaron.ini");
        if (damagedAtStart) {
            QFile damaged(path);
            ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
            damaged.write("[General\nVersion=01.00\n");
            damaged.close();
        }
        QtSettingsStore store(path.toStdString());
        QFile::remove(path);
        ASSERT_TRUE(QDir().mkdir(path));
        try {
            store.Write("Board", "Left", "1500");
            ADD_FAILURE() << "the write was not refused " << damagedAtStart;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number(), ErrPathFileAccess);
        }

        ASSERT_TRUE(QDir().rmdir(path));
        EXPECT_NO_THROW(store.Write("Board", "Top", "900")) << damagedAtStart;
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().contains("Top=900")) << damagedAtStart;
    }
}

class RegistryTest : public testing::Test {
protected:
    MemorySettingsStore store;
    RecordingErrorReport report;
    FixedSystemLocale system;
    Registry registry{store, report.Errors, system};
};

TEST_F(RegistryTest, SavingTheDefaultOrAnEmptyValueRemovesTheStoredValue)
{
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

// Singles are written with the regional separator and seven digits, and the default removes
// the value; a missing value, or one that is no number (reported), gives the default.
TEST_F(RegistryTest, SinglesUseTheRegionalSeparatorAndAMissingOrDamagedOneGivesTheDefault)
{
    system.Separator = ',';
    registry.SaveRegistrySingle("Board", "Top", 2.0f / 3.0f, 1);
    EXPECT_EQ(store.Read("Board", "Top"), "0,6666667");
    EXPECT_FLOAT_EQ(registry.LoadRegistrySingle("Board", "Top", 0), 2.0f / 3.0f);
    registry.SaveRegistrySingle("Board", "Top", 1, 1);
    EXPECT_FALSE(store.Read("Board", "Top"));
    EXPECT_FLOAT_EQ(registry.LoadRegistrySingle("Board", "Top", -7), -7);
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

class LocaleRule : public RegistryTest {
protected:
    RecordingPlatformTexts platformTexts;
    Locale locale{registry, report.Errors, system, &platformTexts};
};

// Without a valid stored choice the system language decides (German for German, English
// for anything else) and is written back; a stored choice wins over the system. A stored
// text that is no number is reported first.
TEST_F(LocaleRule, StoredChoiceWinsElseTheSystemLanguageDecidesAndIsStored)
{
    struct Case {
        std::uint32_t System;
        const char* Stored;
        int Expected;
    };
    for (const Case& c : {Case{FixedSystemLocale::French, "Deutsch", 0}, Case{FixedSystemLocale::German, nullptr, 1},
                          Case{FixedSystemLocale::French, nullptr, 0}, Case{FixedSystemLocale::German, "5", 1},
                          Case{FixedSystemLocale::English, "1", 1}}) {
        store.RemoveAll();
        if (c.Stored) store.Write("General", "Locale", c.Stored);
        system.Lcid = c.System;
        locale.LoadLocaleFromRegistry();
        EXPECT_EQ(locale.GetLocale(), c.Expected) << c.System;
        EXPECT_EQ(store.Read("General", "Locale"), std::to_string(c.Expected));
        EXPECT_EQ(locale.LocaleStringBase, c.Expected == 1 ? 2048 : 1024);
    }
    EXPECT_EQ(report.Titles(), std::vector<std::string>{"modSubMain.LoadLocaleFromRegistry"});
}

// Each language applied switches the texts, the error reports' number format (built in before
// any language is loaded) and the platform's texts; an index out of range keeps the texts, so
// the platform keeps their language.
TEST_F(LocaleRule, EveryLanguageAppliedSwitchesTheTextsTheErrorReportsAndThePlatform)
{
    report.Errors.ErrorMessageRunTime(53, "File not found", "GameFileLoad", "frmBoard");
    locale.SaveLocale(0);
    EXPECT_EQ(locale.LoadLocaleString(291), "New game");
    report.Errors.ErrorMessageRunTime(75, "Path/File access error", "GameFileSave", "frmBoard");
    locale.SaveLocale(1);
    locale.LocaleIndex = 5;
    locale.SetLocale();
    EXPECT_EQ(locale.LoadLocaleString(291), "Neues Spiel");
    report.Errors.ErrorMessageRunTime(53, "File not found", "ConvertTimeToDate", "modSubMain");
    EXPECT_EQ(platformTexts.Languages, (std::vector<std::int32_t>{0, 1, 1}));

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

TEST(StringTable, EveryTextExistsInBothLanguagesAtTheSameOffset)
{
    std::set<int> english;
    std::set<int> german;
    for (const ResourceEntry& entry : AllResourceStrings()) {
        ASSERT_GE(entry.Id, EnglishStringBase);
        (entry.Id < GermanStringBase ? english : german).insert(entry.Id % 1024);
        EXPECT_FALSE(entry.Text.empty()) << entry.Id;
    }
    EXPECT_EQ(english, german);
    EXPECT_GE(english.size(), 80u);
}

} // namespace
} // namespace tessaron
