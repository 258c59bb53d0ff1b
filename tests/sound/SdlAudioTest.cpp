// The SDL multimedia layer against SDL's "disk" audio driver, which needs no device and
// mixes as fast as it can; the mixer's output proves that real sound comes out of each format.
#include "DefaultSounds.h"
#include "MidiSamples.h"
#include "SoundTestBench.h"
#include "WaveWriter.h"
#include "doubles/ManualClock.h"
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
#include <memory>

namespace tessaron {
namespace {

// The loudest sample the mixer puts out while it lives; the mixer must run already.
class MixerPeak {
public:
    MixerPeak() { Mix_SetPostMix(&MixerPeak::Listen, this); }
    ~MixerPeak() { Mix_SetPostMix(nullptr, nullptr); }
    int Loudest() const { return loudest_; }

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

class SdlAudio : public ::testing::Test {
protected:
    void SetUp() override
    {
        SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
        SDL_setenv("SDL_DISKAUDIODELAY", "0", 1);
        SDL_setenv("SDL_DISKAUDIOFILE", (bench.Folder.Path() / "output.raw").string().c_str(), 1);
        layer = std::make_unique<SdlMultimediaLayer>(bench.Texts, time, "/");
    }

    // Opens a file, makes sure that opening alone stays silent, and plays it to its end:
    // returns the loudest sample mixed.
    int OpenAndPlayToEnd(const std::string& file)
    {
        const MediaOpenResult opened = layer->Open(file);
        EXPECT_EQ(opened.Error, MediaOk) << file;
        {
            const MixerPeak beforePlay;
            SDL_Delay(20);
            EXPECT_LT(beforePlay.Loudest(), 10) << file;
        }
        const MixerPeak peak;
        EXPECT_EQ(layer->Play(opened.DeviceID), MediaOk) << file;
        WaitWhile([&] { return layer->IsPlaying(opened.DeviceID); });
        EXPECT_EQ(layer->Close(opened.DeviceID), MediaOk) << file;
        return peak.Loudest();
    }

    template <class Condition> static void WaitWhile(Condition condition)
    {
        for (int waited = 0; condition() && waited < 20000; waited += 2)
            SDL_Delay(2);
    }

    std::string WriteSound(const std::string& name, int soundId) const
    {
        const std::string file = (bench.Folder.Path() / name).string();
        EXPECT_TRUE(sounds::WriteWave(file, sounds::DefaultSound(soundId)));
        return file;
    }

    // MIDI notes unless told otherwise.
    std::string WriteFile(const std::string& name, const std::string& contents = TinyMidiFile()) const
    {
        return bench.Folder.Write(name, contents);
    }

    SoundTestBench bench;
    ManualClock time;
    std::unique_ptr<SdlMultimediaLayer> layer;
};

// Every accepted format plays, and only once it is told to; a wave file also plays on the
// fast start, which takes nothing else. The name of a MIDI file says little; its contents decide.
TEST_F(SdlAudio, EveryFormatPlaysAndMidiByItsContentsWhateverItsName)
{
    const std::string midi = TinyMidiFile();
    const std::string otherChunkFirst = midi.substr(0, 14) + std::string("XFIH\0\0\0\x02" "ab", 10) + midi.substr(14);
    for (const std::string& file : {WriteSound("chime.wav", 4), std::string(TESSARON_SOUND_TEST_DATA "/chime.mp3"),
                                    WriteFile("notes.mid"), WriteFile("notes.RMI", WrapInRiffMidi(midi)),
                                    WriteFile("wrapped.mid", WrapInRiffMidi(midi)), WriteFile("plain.rmi"),
                                    WriteFile("other-chunk-first.mid", otherChunkFirst)})
        EXPECT_GT(OpenAndPlayToEnd(file), Audible) << file;

    EXPECT_FALSE(layer->PlayWaveFast(WriteFile("notes.mid")));
    EXPECT_FALSE(layer->PlayWaveFast((bench.Folder.Path() / "missing.wav").string()));
    const MixerPeak peak;
    ASSERT_TRUE(layer->PlayWaveFast(WriteSound("click.WAV", 1)));
    WaitWhile([&] { return layer->IsWaveFastPlaying(); });
    layer->StopWaveFast();
    EXPECT_GT(peak.Loudest(), Audible);
}

// A text is in the language of the moment it is asked for.
TEST_F(SdlAudio, EachFailureHasItsOwnCodeAndTextInTheGamesLanguage)
{
    EXPECT_EQ(layer->Open((bench.Folder.Path() / "missing.wav").string()).Error, MediaFileUnreadable);
    EXPECT_EQ(layer->Open(WriteFile("noise.wav", "RIFF but not a wave")).Error, MediaFormatUndecodable);
    EXPECT_EQ(layer->Open(WriteFile("noise.mid", "MThd is not enough")).Error, MediaFormatUndecodable);
    EXPECT_EQ(layer->Play(99), MediaDeviceNotOpen);
    EXPECT_EQ(layer->Close(99), MediaDeviceNotOpen);
    // Another device's music holds the music output.
    const MediaOpenResult first = layer->Open(WriteFile("one.mid"));
    const MediaOpenResult second = layer->Open(WriteFile("two.mid"));
    ASSERT_EQ(layer->Play(first.DeviceID), MediaOk);
    EXPECT_EQ(layer->Play(second.DeviceID), MediaOutputsBusy);
    EXPECT_EQ(layer->Close(first.DeviceID), MediaOk);
    EXPECT_EQ(layer->Play(second.DeviceID), MediaOk);

    EXPECT_FALSE(layer->ErrorText(12345));
    for (std::uint32_t code : {MediaDeviceNotOpen, MediaAudioUnavailable, MediaOutputsBusy, MediaOutputUnsuitable,
                               MediaFileUnreadable, MediaFormatUndecodable, MediaSynthesizerMissing}) {
        bench.Texts.SaveLocale(0);
        const std::optional<std::string> english = layer->ErrorText(code);
        bench.Texts.SaveLocale(1);
        const std::optional<std::string> german = layer->ErrorText(code);
        ASSERT_TRUE(english && german) << code;
        EXPECT_FALSE(english->empty() || german->empty() || *english == *german) << code;
    }
    EXPECT_TRUE(bench.Report.Box.Boxes.empty());
}

// A sound server started after the game, or a headset plugged in, is found at a later
// event; the failing start is not repeated at every event in between.
TEST_F(SdlAudio, AnAudioSystemThatCannotStartIsTriedAgainAfterAWhile)
{
    SDL_setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const std::string wave = WriteSound("click.wav", 1);
    EXPECT_FALSE(layer->PlayWaveFast(wave));
    EXPECT_EQ(layer->Open(wave).Error, MediaAudioUnavailable);
    SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
    time.AdvanceSeconds(SdlMultimediaLayer::AudioRetrySeconds - 1);
    EXPECT_EQ(layer->Open(wave).Error, MediaAudioUnavailable);
    time.AdvanceSeconds(1);
    EXPECT_GT(OpenAndPlayToEnd(wave), Audible);
}

// Building a synthesiser loads the whole sound font; a file played again reuses its own,
// and still plays from its start.
TEST_F(SdlAudio, ARepeatedMidiFileIsLoadedOnceAndPlaysEachTime)
{
    const std::string file = WriteFile("notes.mid");
    for (const std::string& path : {file, file, WriteFile("same.rmi", WrapInRiffMidi(TinyMidiFile()))})
        EXPECT_GT(OpenAndPlayToEnd(path), Audible) << path;
    EXPECT_EQ(layer->MidiMusicLoads(), 1);
}

// Without a sound font the synthesiser, not the file, is to blame. Sound fonts are found
// in each package's place and format.
TEST_F(SdlAudio, MidiNeedsASoundFontFromAnyPackage)
{
    const std::string installed = FindSoundFont("/");
    if (installed.empty())
        GTEST_SKIP() << "no General MIDI sound font is installed";
    SDL_setenv("SDL_SOUNDFONTS", "", 1); // a font named there would win
    const std::string midi = WriteFile("notes.mid");
    TempFolder root;
    layer = std::make_unique<SdlMultimediaLayer>(bench.Texts, time, root.Path());
    EXPECT_EQ(layer->Open(midi).Error, MediaSynthesizerMissing);

    // The font of an ".sf3" package, reached through its alternative.
    std::filesystem::create_directories(root.Path() / "usr/share/sounds/sf3");
    std::filesystem::create_symlink(installed, root.Path() / "usr/share/sounds/sf3/MuseScore_General.sf3");
    layer = std::make_unique<SdlMultimediaLayer>(bench.Texts, time, root.Path());
    EXPECT_GT(OpenAndPlayToEnd(midi), Audible);
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
        EXPECT_LT(std::abs(std::ranges::max(samples, {}, [](double s) { return std::abs(s); })), 0.7) << n;
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
