#include "SoundTestBench.h"
#include "sound/SharedSoundPlayer.h"
#include "sound/SoundFiles.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

std::optional<std::string> Stored(const SoundTestBench& bench, const std::string& key)
{
    return bench.Store.Read("Sound", key);
}

TEST(BuiltinSounds, PreferredExtensionWinsAndTheProgramFolderComesFirst)
{
    SoundTestBench bench;
    bench.BuiltinSound("Sound04.wav");
    const std::string mid = bench.BuiltinSound("Sound04.mid");
    const std::string installed = bench.Folder.Write("share/tessaron/Sounds/Sound05.rmi");
    bench.Folder.Write("share/tessaron/Sounds/Sound04.mid");
    bench.BuiltinSound("Sound06.wave"); // not an accepted extension
    auto player = bench.MakePlayer();
    EXPECT_EQ(player->FilePathDefaults()[4], mid);
    EXPECT_EQ(std::filesystem::weakly_canonical(player->FilePathDefaults()[5]), std::filesystem::weakly_canonical(installed));
    EXPECT_EQ(player->FilePathDefaults()[6], "");
    EXPECT_EQ(player->FilePathes()[4], mid); // nothing stored: the built-in sound plays
}

TEST(SoundFileRules, OnlyExistingFilesWithAnAcceptedExtensionVerify)
{
    TempFolder folder;
    for (const char* name : {"a.MID", "b.mp3", "c.Rmi", "d.wav"})
        EXPECT_FALSE(VerifySoundFilePath(folder.Write(name)).empty()) << name;
    for (const char* name : {"e.wave", "f.ogg", "mid", "g.wav.txt"})
        EXPECT_TRUE(VerifySoundFilePath(folder.Write(name)).empty()) << name;
    EXPECT_TRUE(VerifySoundFilePath((folder.Path() / "missing.wav").string()).empty());
    std::filesystem::create_directories(folder.Path() / "folder.wav");
    EXPECT_TRUE(VerifySoundFilePath((folder.Path() / "folder.wav").string()).empty());
}

TEST(SoundSettings, StoredValuesLoadAndVanishedFilesTurnIntoNoSound)
{
    SoundTestBench bench;
    bench.BuiltinSound("Sound00.wav");
    bench.BuiltinSound("Sound01.wav");
    const std::string chosen = bench.UserSound("mine.mp3");
    bench.Store.Write("Sound", "FilePath0", "-");
    bench.Store.Write("Sound", "FilePath1", chosen);
    bench.Store.Write("Sound", "FilePath2", bench.Folder.Path().string() + "/gone.wav");
    bench.Store.Write("Sound", "SoundActiveGame", "0");
    bench.Store.Write("Sound", "SoundActiveTile", "yes");
    auto player = bench.MakePlayer();
    EXPECT_EQ(player->FilePathes()[0], "");
    EXPECT_EQ(player->FilePathes()[1], chosen);
    EXPECT_EQ(player->FilePathes()[2], "");
    EXPECT_FALSE(player->SoundActiveGame());
    EXPECT_TRUE(player->SoundActiveTile());
    EXPECT_TRUE(player->UsePlaySound());
    EXPECT_TRUE(bench.Report.Box.Boxes.empty());
    EXPECT_TRUE(Stored(bench, "FilePath2")); // the stale path stays until the row is saved
}

TEST(SoundSettings, SavingWritesOnlyChangedRowsAndDropsKeysEqualToTheirDefault)
{
    SoundTestBench bench;
    const std::string builtin = bench.BuiltinSound("Sound03.wav");
    const std::string mine = bench.UserSound("mine.wav");
    bench.Store.Write("Sound", "FilePath3", mine);
    bench.Store.Write("Sound", "FilePath4", bench.UserSound("mine.mid"));
    auto player = bench.MakePlayer();
    SoundFilePathes fields = player->FilePathes();
    fields[3] = builtin;
    fields[4] = bench.Folder.Path().string() + "/typo.wav"; // invalid: saved as no sound
    bench.Store.Log.clear();
    player->SaveFilePathes(fields);
    EXPECT_FALSE(Stored(bench, "FilePath3"));
    EXPECT_EQ(Stored(bench, "FilePath4"), "-");
    EXPECT_EQ(bench.Store.Log.size(), 2u);
    EXPECT_EQ(bench.MakePlayer()->FilePathes()[3], builtin);

    player->SaveOptions(false, true, false);
    EXPECT_EQ(Stored(bench, "SoundActiveGame"), "0");
    EXPECT_FALSE(Stored(bench, "SoundActiveTile"));
    EXPECT_EQ(Stored(bench, "UsePlaySound"), "0");
    player->SaveOptions(true, true, true);
    EXPECT_FALSE(Stored(bench, "SoundActiveGame"));
    EXPECT_FALSE(Stored(bench, "UsePlaySound"));
}

TEST(SharedSound, TheSoundObjectIsCreatedOnFirstUse)
{
    SoundTestBench bench;
    bench.Store.Write("Sound", "SoundActiveGame", "0");
    SharedSoundPlayer shared(bench.Media, bench.Settings, bench.Texts, bench.Report.Errors, bench.ProgramFolder());
    EXPECT_FALSE(shared.Created());
    bench.Store.Write("Sound", "SoundActiveGame", "1"); // read at creation, not before
    shared.SoundStop();
    ASSERT_TRUE(shared.Created());
    EXPECT_TRUE(shared.Player().SoundActiveGame());
    SoundPlayer* first = &shared.Player();
    shared.SoundStart(SoundNewGame);
    EXPECT_EQ(&shared.Player(), first);
}

} // namespace
} // namespace tessaron
