// The SDL multimedia layer against SDL's "disk" audio driver, which writes every mixed
// sample to a file, so the tests can prove that real sound comes out of each format.
#include "DefaultSounds.h"
#include "MidiSamples.h"
#include "TempFolder.h"
#include "WaveWriter.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/ManualClock.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingMessageBox.h"
#include "shell/Locale.h"
#include "shell/Registry.h"
#include "sound/SdlMultimediaLayer.h"
#include "sound/SoundFontSearch.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

namespace tessaron {
namespace {

void SetEnvironment(const char* name, const std::string& value)
{
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

class SdlAudio : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEnvironment("SDL_AUDIODRIVER", "disk");
        SetEnvironment("SDL_DISKAUDIODELAY", "0");
        SetEnvironment("SDL_DISKAUDIOFILE", OutputFile());
        layer = MakeLayer("/");
    }

    std::unique_ptr<SdlMultimediaLayer> MakeLayer(const std::filesystem::path& soundFontRoot)
    {
        return std::make_unique<SdlMultimediaLayer>(texts, time, soundFontRoot);
    }

    std::string OutputFile() const { return (folder.Path() / "output.raw").string(); }

    // Plays the device to its end, closes the audio and returns the loudest 16-bit sample written.
    int PlayToEnd(std::uint32_t deviceID)
    {
        EXPECT_EQ(layer->Play(deviceID), MediaOk);
        WaitWhile([&] { return layer->IsPlaying(deviceID); });
        EXPECT_EQ(layer->Close(deviceID), MediaOk);
        return LoudestSampleAfterClosing();
    }

    template <class Condition> static void WaitWhile(Condition condition)
    {
        for (int waited = 0; condition() && waited < 20000; waited += 2)
            SDL_Delay(2);
    }

    int LoudestSampleAfterClosing()
    {
        layer.reset(); // closing the audio flushes the file
        std::ifstream in(OutputFile(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        int loudest = 0;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto sample = std::int16_t(std::uint8_t(bytes[i]) | (std::uint8_t(bytes[i + 1]) << 8));
            loudest = std::max(loudest, std::abs(int(sample)));
        }
        return loudest;
    }

    std::string WriteFile(const std::string& name, const std::string& contents) const { return folder.Write(name, contents); }
    std::string WriteSound(const std::string& name, int soundId) const
    {
        const std::string file = (folder.Path() / name).string();
        EXPECT_TRUE(sounds::WriteWave(file, sounds::DefaultSound(soundId)));
        return file;
    }

    MemorySettingsStore store;
    FixedSystemLocale systemLanguage;
    RecordingErrorReport report;
    Registry settings{store, report.Errors, systemLanguage};
    Locale texts{settings, report.Errors, systemLanguage};
    ManualClock time;
    TempFolder folder;
    std::unique_ptr<SdlMultimediaLayer> layer;
};

// The loudest sample the mixer puts out from now on, whatever the audio driver.
class MixerPeak {
public:
    MixerPeak() { Mix_SetPostMix(&MixerPeak::Listen, this); }
    ~MixerPeak() { Mix_SetPostMix(nullptr, nullptr); }
    MixerPeak(const MixerPeak&) = delete;
    MixerPeak& operator=(const MixerPeak&) = delete;
    int Loudest() const { return loudest_; }
    void Reset() { loudest_ = 0; }

private:
    static void Listen(void* self, Uint8* stream, int length)
    {
        auto& peak = static_cast<MixerPeak*>(self)->loudest_;
        const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
        for (int i = 0; i < length / 2; ++i)
            peak = std::max(peak.load(), std::abs(int(samples[i])));
    }
    std::atomic<int> loudest_{0};
};

constexpr int Audible = 1000; // about -30 dBFS

// Every accepted format plays. The name of a MIDI file says little; its contents decide.
TEST_F(SdlAudio, EveryFormatPlaysAndMidiByItsContentsWhateverItsName)
{
    const std::string midi = TinyMidiFile();
    const std::string otherChunkFirst = midi.substr(0, 14) + std::string("XFIH\0\0\0\x02" "ab", 10) + midi.substr(14);
    const std::string files[] = {
        WriteSound("chime.wav", 4),
        TESSARON_SOUND_TEST_DATA "/chime.mp3",
        WriteFile("notes.mid", midi),
        WriteFile("notes.RMI", WrapInRiffMidi(midi)),
        WriteFile("wrapped.mid", WrapInRiffMidi(midi)),
        WriteFile("plain.rmi", midi),
        WriteFile("other-chunk-first.mid", otherChunkFirst),
    };
    for (const std::string& file : files) {
        layer = MakeLayer("/");
        const MediaOpenResult opened = layer->Open(file);
        ASSERT_EQ(opened.Error, MediaOk) << file;
        EXPECT_GT(PlayToEnd(opened.DeviceID), Audible) << file;
    }
}

TEST_F(SdlAudio, FastStartPlaysWaveOnly)
{
    const std::string wave = WriteSound("click.WAV", 1);
    EXPECT_FALSE(layer->PlayWaveFast(WriteFile("notes.mid", TinyMidiFile())));
    EXPECT_FALSE(layer->PlayWaveFast((folder.Path() / "missing.wav").string()));
    ASSERT_TRUE(layer->PlayWaveFast(wave));
    WaitWhile([&] { return layer->IsWaveFastPlaying(); });
    layer->StopWaveFast();
    EXPECT_GT(LoudestSampleAfterClosing(), Audible);
}

TEST_F(SdlAudio, ClosedBeforePlayingStaysSilent)
{
    const MediaOpenResult opened = layer->Open(WriteSound("chime.wav", 4));
    ASSERT_EQ(opened.Error, MediaOk);
    EXPECT_EQ(layer->Close(opened.DeviceID), MediaOk);
    EXPECT_LT(LoudestSampleAfterClosing(), 10);
}

TEST_F(SdlAudio, FailuresGetTheirOwnCodesAndTexts)
{
    EXPECT_EQ(layer->Open((folder.Path() / "missing.wav").string()).Error, MediaFileUnreadable);
    EXPECT_EQ(layer->Open(WriteFile("noise.wav", "RIFF but not a wave")).Error, MediaFormatUndecodable);
    EXPECT_EQ(layer->Open(WriteFile("noise.rmi", "RIFF....RMIDjunk")).Error, MediaFormatUndecodable);
    EXPECT_EQ(layer->Open(WriteFile("noise.mid", "MThd is not enough")).Error, MediaFormatUndecodable);
    EXPECT_EQ(layer->Play(99), MediaDeviceNotOpen);
    EXPECT_EQ(layer->Close(99), MediaDeviceNotOpen);
    EXPECT_FALSE(layer->ErrorText(12345));
}

TEST_F(SdlAudio, AnotherDevicesMusicMakesTheMusicOutputBusy)
{
    const MediaOpenResult first = layer->Open(WriteFile("one.mid", TinyMidiFile()));
    const MediaOpenResult second = layer->Open(WriteFile("two.mid", TinyMidiFile()));
    ASSERT_EQ(layer->Play(first.DeviceID), MediaOk);
    EXPECT_EQ(layer->Play(second.DeviceID), MediaOutputsBusy);
    EXPECT_EQ(layer->Close(first.DeviceID), MediaOk);
    EXPECT_EQ(layer->Play(second.DeviceID), MediaOk);
}

// A sound server started after the game, or a headset plugged in, is found at a later
// event; the failing start is not repeated at every event in between.
TEST_F(SdlAudio, AnAudioSystemThatCannotStartIsTriedAgainAfterAWhile)
{
    SetEnvironment("SDL_AUDIODRIVER", "no-such-driver");
    const std::string wave = WriteSound("click.wav", 1);
    EXPECT_FALSE(layer->PlayWaveFast(wave));
    EXPECT_EQ(layer->Open(wave).Error, MediaAudioUnavailable);
    SetEnvironment("SDL_AUDIODRIVER", "disk");
    time.AdvanceSeconds(SdlMultimediaLayer::AudioRetrySeconds - 1);
    EXPECT_EQ(layer->Open(wave).Error, MediaAudioUnavailable);
    time.AdvanceSeconds(1);
    const MediaOpenResult opened = layer->Open(wave);
    ASSERT_EQ(opened.Error, MediaOk);
    EXPECT_GT(PlayToEnd(opened.DeviceID), Audible);
}

// Building a synthesiser loads the whole sound font; a file played again reuses its own,
// and still plays from its start.
TEST_F(SdlAudio, ARepeatedMidiFileIsLoadedOnceAndPlaysEachTime)
{
    const std::string file = WriteFile("notes.mid", TinyMidiFile());
    const std::string sameNotes = WriteFile("same.rmi", WrapInRiffMidi(TinyMidiFile()));
    ASSERT_EQ(layer->Open(WriteSound("warm-up.wav", 0)).Error, MediaOk); // the mixer runs now
    MixerPeak peak;
    for (const std::string& path : {file, file, sameNotes}) {
        const MediaOpenResult opened = layer->Open(path);
        ASSERT_EQ(opened.Error, MediaOk);
        peak.Reset();
        ASSERT_EQ(layer->Play(opened.DeviceID), MediaOk);
        WaitWhile([&] { return layer->IsPlaying(opened.DeviceID); });
        EXPECT_GT(peak.Loudest(), Audible) << path;
        EXPECT_EQ(layer->Close(opened.DeviceID), MediaOk);
    }
    EXPECT_EQ(layer->MidiMusicLoads(), 1);
}

// Without a sound font the synthesiser, not the file, is to blame. Sound fonts are found
// in each package's place and format.
TEST_F(SdlAudio, MidiNeedsASoundFontFromAnyPackage)
{
    const std::string installed = FindSoundFont("/");
    if (installed.empty())
        GTEST_SKIP() << "no General MIDI sound font is installed";
#ifdef _WIN32
    _putenv_s("SDL_SOUNDFONTS", "");
#else
    unsetenv("SDL_SOUNDFONTS");
#endif
    const std::string midi = WriteFile("notes.mid", TinyMidiFile());
    TempFolder root;
    layer = MakeLayer(root.Path());
    EXPECT_EQ(layer->Open(midi).Error, MediaSynthesizerMissing);
    EXPECT_TRUE(layer->ErrorText(MediaSynthesizerMissing));

    // The font of an ".sf3" package, reached through its alternative.
    std::filesystem::create_directories(root.Path() / "usr/share/sounds/sf3");
    std::filesystem::create_symlink(installed, root.Path() / "usr/share/sounds/sf3/MuseScore_General.sf3");
    layer = MakeLayer(root.Path());
    const MediaOpenResult opened = layer->Open(midi);
    ASSERT_EQ(opened.Error, MediaOk);
    EXPECT_GT(PlayToEnd(opened.DeviceID), Audible);
}

// Each of the layer's own codes has its text in both languages, in the language of the
// moment the text is asked for.
TEST_F(SdlAudio, ErrorTextsFollowTheGamesLanguage)
{
    for (std::uint32_t code : {MediaDeviceNotOpen, MediaAudioUnavailable, MediaOutputsBusy, MediaOutputUnsuitable,
                               MediaFileUnreadable, MediaFormatUndecodable, MediaSynthesizerMissing}) {
        texts.SaveLocale(0);
        const std::optional<std::string> english = layer->ErrorText(code);
        texts.SaveLocale(1);
        const std::optional<std::string> german = layer->ErrorText(code);
        ASSERT_TRUE(english && german) << code;
        EXPECT_FALSE(english->empty()) << code;
        EXPECT_FALSE(german->empty()) << code;
        EXPECT_NE(*english, *german) << code;
    }
    EXPECT_TRUE(report.Box.Boxes.empty());
}

// The loudest 200 ms of a sound in dB of full scale; the ear sums loudness over about
// that long, so a short click counts for less than a held note of the same level.
double LoudestWindowDb(const std::vector<double>& samples)
{
    const std::size_t window = sounds::SampleRate / 5;
    double sum = 0, loudest = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        sum += samples[i] * samples[i];
        if (i >= window)
            sum -= samples[i - window] * samples[i - window];
        loudest = std::max(loudest, sum);
    }
    return 10 * std::log10(loudest / double(window));
}

// Every sound is short, below full scale and fades out; within a group no sound stands
// out, and the frequent tile sounds stay softer than the game's.
TEST(BuiltinSoundDesign, EverySoundIsShortAndFadesOutAndEachGroupIsEvenlyLoud)
{
    std::vector<double> tile, game;
    for (int n = 0; n <= 9; ++n) {
        const std::vector<double> samples = sounds::DefaultSound(n);
        double peak = 0;
        for (double s : samples)
            peak = std::max(peak, std::abs(s));
        EXPECT_LT(peak, 0.7) << n;
        EXPECT_LE(double(samples.size()) / sounds::SampleRate, n <= 3 ? 0.25 : 2.0) << n;
        EXPECT_LT(std::abs(samples.back()), 1e-3) << n; // no click at the end
        (n <= 3 ? tile : game).push_back(LoudestWindowDb(samples));
    }
    const auto [tileLow, tileHigh] = std::minmax_element(tile.begin(), tile.end());
    const auto [gameLow, gameHigh] = std::minmax_element(game.begin(), game.end());
    EXPECT_LT(*tileHigh - *tileLow, 3.0);
    EXPECT_LT(*gameHigh - *gameLow, 2.0);
    EXPECT_GT(*gameLow, -16.0);
    EXPECT_LT(*tileHigh, *gameLow);
}

} // namespace
} // namespace tessaron
