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

// A row is written only when it changed; a key equal to its default is removed, and a
// path that does not verify is saved as no sound.
TEST(SoundSettings, SavingWritesOnlyChangedRowsAndDropsKeysEqualToTheirDefault)
{
    SoundTestBench bench;
    const std::string builtin = bench.BuiltinSound("Sound03.wav");
    bench.Store.Write("Sound", "FilePath3", bench.UserSound("mine.wav"));
    bench.Store.Write("Sound", "FilePath4", bench.UserSound("mine.mid"));
    bench.Store.Write("Sound", "SoundActiveTile", "yes");
    auto player = bench.MakePlayer();
    EXPECT_TRUE(player->SoundActiveTile()); // anything but "0" is on
    SoundFilePathes fields = player->FilePathes();
    fields[3] = builtin;
    fields[4] = bench.Folder.Path().string() + "/typo.wav";
    bench.Store.Log.clear();
    player->SaveFilePathes(fields);
    EXPECT_FALSE(Stored(bench, "FilePath3"));
    EXPECT_EQ(Stored(bench, "FilePath4"), "-");
    EXPECT_EQ(bench.Store.Log.size(), 2u);
    player->SaveOptions(false, true, false);
    EXPECT_EQ(Stored(bench, "SoundActiveGame"), "0");
    EXPECT_FALSE(Stored(bench, "SoundActiveTile"));
    player->SaveOptions(true, true, true);
    EXPECT_FALSE(Stored(bench, "SoundActiveGame"));
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
