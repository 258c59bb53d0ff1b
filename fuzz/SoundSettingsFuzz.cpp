// The sound settings from any stored "Sound" values: loading reports nothing, every event
// ends with an accepted existing file or no sound, the options are on unless stored as
// "0", each event with a file and its group on is heard, and saving what was loaded
// writes nothing.
//
// The program folder is a temporary folder with sound files in it. A stored path that
// does not start with "/" (other than "" and "-") is taken as a name in that folder, so
// that inputs can name its files.
#include "FuzzSupport.h"
#include "doubles/FakeMultimedia.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/RecordingMessageBox.h"
#include "shell/Locale.h"
#include "sound/SoundFiles.h"
#include "sound/SoundPlayer.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace tessaron;

namespace {

constexpr fuzz::SettingsKey Keys[] = {
    {"Sound", "FilePath0"}, {"Sound", "FilePath1"}, {"Sound", "FilePath2"}, {"Sound", "FilePath3"},
    {"Sound", "FilePath4"}, {"Sound", "FilePath5"}, {"Sound", "FilePath6"}, {"Sound", "FilePath7"},
    {"Sound", "FilePath8"}, {"Sound", "FilePath9"}, {"Sound", "SoundActiveGame"},
    {"Sound", "SoundActiveTile"}, {"Sound", "UsePlaySound"},
};

// The files of the program folder: built-in sounds of every kind (event 9 has none) and
// files a player might choose, some of them not acceptable.
const char* const Files[] = {
    "Sounds/Sound00.mid", "Sounds/Sound01.mp3", "Sounds/Sound02.rmi", "Sounds/Sound03.wav",
    "Sounds/Sound04.wav", "Sounds/Sound05.WAV", "Sounds/Sound06.mid", "Sounds/Sound07.mp3",
    "Sounds/Sound08.wav", "a.wav", "B.MID", "c.Mp3", "d.rmi", "noext", "x.wav.txt",
};
const char* const Folders[] = {"Sounds", "dir.wav"};

std::filesystem::path ProgramFolder;

void RemoveProgramFolder()
{
    std::error_code ignored;
    for (const char* file : Files) std::filesystem::remove(ProgramFolder / file, ignored);
    for (const char* folder : Folders) std::filesystem::remove(ProgramFolder / folder, ignored);
    std::filesystem::remove(ProgramFolder, ignored);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::string name = (std::filesystem::temp_directory_path() / "tessaron-fuzz-sound-XXXXXX").string();
    if (!mkdtemp(name.data())) std::abort();
    ProgramFolder = name;
    for (const char* folder : Folders) std::filesystem::create_directory(ProgramFolder / folder);
    for (const char* file : Files) std::ofstream(ProgramFolder / file) << "RIFF";
    std::atexit(RemoveProgramFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemorySettingsStore store;
    fuzz::FillStore(store, Keys, data, size);
    for (std::int32_t n = 0; n < SoundCount; ++n) {
        const std::string key = "FilePath" + std::to_string(n);
        const std::optional<std::string> stored = store.Read("Sound", key);
        if (stored && !stored->empty() && *stored != "-" && (*stored)[0] != '/')
            store.Write("Sound", key, (ProgramFolder / *stored).string());
    }
    store.Log.clear();
    FakeMultimedia media;
    FixedSystemLocale system;
    RecordingErrorReport report;
    Registry settings{store, report.Errors, system};
    Locale texts{settings, report.Errors, system};
    texts.SetLocale();

    SoundPlayer player{media, settings, texts, report.Errors, ProgramFolder.string()};
    FUZZ_CHECK(report.Box.Boxes.empty());

    for (std::int32_t n = 0; n < SoundCount; ++n) {
        const std::string& path = player.FilePathes()[std::size_t(n)];
        const std::optional<std::string> stored = store.Read("Sound", "FilePath" + std::to_string(n));
        FUZZ_CHECK(path.empty() || (HasSoundFileExtension(path) && SoundFileExists(path)));
        if (!stored) FUZZ_CHECK(path == player.FilePathDefaults()[std::size_t(n)]);
        if (stored == "-") FUZZ_CHECK(path.empty());
    }
    const auto option = [&](const char* key) { return store.Read("Sound", key) != "0"; };
    FUZZ_CHECK(player.SoundActiveGame() == option("SoundActiveGame"));
    FUZZ_CHECK(player.SoundActiveTile() == option("SoundActiveTile"));
    FUZZ_CHECK(player.UsePlaySound() == option("UsePlaySound"));

    for (std::int32_t n = 0; n < SoundCount; ++n) {
        media.Audible.reset();
        player.SoundStart(n);
        const std::string& path = player.FilePathes()[std::size_t(n)];
        const bool groupOn = IsTileSound(n) ? player.SoundActiveTile() : player.SoundActiveGame();
        if (groupOn && !path.empty()) FUZZ_CHECK(media.Audible == path);
    }
    player.SoundStop();
    FUZZ_CHECK(!media.Audible);

    store.Log.clear();
    player.SaveFilePathes(player.FilePathes());
    FUZZ_CHECK(store.Log.empty());
    FUZZ_CHECK(report.Box.Boxes.empty());
    return 0;
}
