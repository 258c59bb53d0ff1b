// Which files the sound layer takes: MIDI by its contents, the sound font of any package,
// the built-in sounds, and the names a player may choose.
#include "MidiSamples.h"
#include "SoundTestBench.h"
#include "sound/RiffMidi.h"
#include "sound/SoundFiles.h"
#include "sound/SoundFontSearch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tessaron {
namespace {

// Whether bytes are MIDI is decided by the bytes, whatever the file's name says; only
// what is no MIDI at all is refused. The synthesiser gets the header and the complete
// tracks alone, as it cannot skip anything else.
TEST(PlayableMidi, PlainAndWrappedMidiArePlayableAndAllElseRefused)
{
    const std::string midi = TinyMidiFile();
    const std::string header = midi.substr(0, 14);
    const std::string otherChunk("XFIH\0\0\0\x02" "ab", 10);
    const std::string trackCutShort("MTrk\0\0\0\x10" "ab", 10);
    const std::string wrapped = WrapInRiffMidi(midi);
    const auto patched = [](std::string bytes, std::size_t at, const std::string& with) {
        return bytes.replace(at, with.size(), with);
    };
    struct Case {
        const char* What;
        std::string Bytes;
        std::optional<std::string> Playable;
    };
    const Case cases[] = {
        {"plain", midi, midi},
        {"wrapped", wrapped, midi},
        // An odd-sized chunk ahead of "data" is skipped with its pad byte.
        {"wrapped behind an odd chunk", WrapInRiffMidi(midi, std::string("LIST\x03\0\0\0abc\0", 12)), midi},
        {"another chunk before the track", header + otherChunk + midi.substr(14), midi},
        {"the same wrapped", WrapInRiffMidi(header + otherChunk + midi.substr(14)), midi},
        {"a second track cut short", patched(midi, 11, "\x02") + trackCutShort, midi},
        {"header alone", "MThd is not enough", std::nullopt},
        {"header without a track", header, std::nullopt},
        {"only track cut short", midi.substr(0, midi.size() - 1), std::nullopt},
        {"other chunk cut short", header + otherChunk.substr(0, 9), std::nullopt},
        {"header longer than the file", patched(midi, 7, "\x40"), std::nullopt},
        {"wrapped bytes that are no MIDI", WrapInRiffMidi("no MIDI at all"), std::nullopt},
        {"wrapped data cut short", wrapped.substr(0, wrapped.size() - 1), std::nullopt},
        {"wrapped data size past the end", patched(wrapped, 16, "\xFF\xFF\xFF\x7F"), std::nullopt},
        {"container without data", std::string("RIFF\x04\0\0\0RMID", 12), std::nullopt},
        {"a wave file", std::string("RIFF\x04\0\0\0WAVE", 12), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlayableMidiFile(c.Bytes), c.Playable) << c.What;
}

// Every accepted package's font is found, ".sf2" or ".sf3"; the administrator's default
// wins over the others.
TEST(SoundFontSearch, FindsTheFontOfAnyPackageAndPrefersTheDefault)
{
    struct Case {
        std::vector<std::string> Installed;
        std::string Expected; // "" for none
    };
    const Case cases[] = {
        {{"usr/share/sounds/sf2/TimGM6mb.sf2"}, "usr/share/sounds/sf2/TimGM6mb.sf2"},
        {{"usr/share/sounds/sf2/FluidR3_GM.sf2"}, "usr/share/sounds/sf2/FluidR3_GM.sf2"},
        {{"usr/share/sounds/sf3/MuseScore_General.sf3"}, "usr/share/sounds/sf3/MuseScore_General.sf3"},
        {{"etc/alternatives/default-GM.sf3"}, "etc/alternatives/default-GM.sf3"},
        {{"usr/share/sounds/sf2/TimGM6mb.sf2", "usr/share/sounds/sf3/default-GM.sf3"},
         "usr/share/sounds/sf3/default-GM.sf3"},
        {{"usr/share/soundfonts/Unknown.SF2", "usr/share/soundfonts/readme.txt"}, "usr/share/soundfonts/Unknown.SF2"},
        {{"usr/share/sounds/sf3/readme.txt"}, ""},
    };
    for (const Case& c : cases) {
        TempFolder root;
        for (const std::string& file : c.Installed)
            root.Write(file);
        const std::string expected = c.Expected.empty() ? "" : (root.Path() / c.Expected).string();
        EXPECT_EQ(FindSoundFont(root.Path()), expected) << c.Installed.front();
    }
}

TEST(SoundFontSearch, AnAlternativeLeadingNowhereIsNoFont)
{
    TempFolder root;
    std::filesystem::create_directories(root.Path() / "usr/share/sounds/sf2");
    std::filesystem::create_symlink(root.Path() / "etc/alternatives/default-GM.sf2",
                                    root.Path() / "usr/share/sounds/sf2/default-GM.sf2");
    EXPECT_EQ(FindSoundFont(root.Path()), "");
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
    EXPECT_EQ(std::filesystem::weakly_canonical(player->FilePathDefaults()[5]),
              std::filesystem::weakly_canonical(installed));
    EXPECT_EQ(player->FilePathDefaults()[6], "");
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

} // namespace
} // namespace tessaron
