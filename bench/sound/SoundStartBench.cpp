// How long SoundStart takes for a ".wav" and a ".mid" event, through the real SDL layer on
// SDL's dummy audio driver and the installed General MIDI sound font. "First" is the first
// start of the event's file in a run, with the audio device already open (another event
// opened it); "Repeated" is every later start of the same event.
#include "DefaultSounds.h"
#include "MidiSamples.h"
#include "TempFolder.h"
#include "WaveWriter.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingMessageBox.h"
#include "shell/Locale.h"
#include "shell/Registry.h"
#include "sound/SdlMultimediaLayer.h"
#include "sound/SoundPlayer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>

namespace tessaron {
namespace {

constexpr int Runs = 15;

// The files of the events, written once for the whole run.
struct SoundFiles {
    TempFolder Folder;
    std::string Warmup = Folder.Write("warmup.wav", "");
    std::string Wave = Folder.Write("click.wav", "");
    std::string Midi = Folder.Write("notes.mid", TinyMidiFile());
    SoundFiles()
    {
        sounds::WriteWave(Warmup, sounds::DefaultSound(0));
        sounds::WriteWave(Wave, sounds::DefaultSound(1));
    }
};

const SoundFiles& Files()
{
    static const SoundFiles files;
    return files;
}

// A player as the game has it, on a new audio layer: event 0 plays the warm-up wave,
// event 1 a wave, event 4 the MIDI file; the fast start of ".wav" files is on (the default).
struct PlayerRun {
    MemorySettingsStore Store;
    FixedSystemLocale System;
    RecordingErrorReport Report;
    Registry Settings{Store, Report.Errors, System};
    Locale Texts{Settings, Report.Errors, System};
    SdlMultimediaLayer Media{Texts};
    std::unique_ptr<SoundPlayer> Player;

    PlayerRun()
    {
        Settings.SaveRegistryString("Sound", "FilePath0", Files().Warmup, "");
        Settings.SaveRegistryString("Sound", "FilePath1", Files().Wave, "");
        Settings.SaveRegistryString("Sound", "FilePath4", Files().Midi, "");
        Player = std::make_unique<SoundPlayer>(Media, Settings, Texts, Report.Errors, Files().Folder.Path().string());
        Player->SoundStart(SoundTileLocked); // opens the audio device
    }

    // The time of one SoundStart; an error when the event did not start.
    double TimedStart(benchmark::State& state, std::int32_t soundId)
    {
        const auto start = std::chrono::steady_clock::now();
        Player->SoundStart(soundId);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (Player->SoundStartFailed(soundId) || !Report.Box.Boxes.empty())
            state.SkipWithError("the event's sound did not start");
        return elapsed.count();
    }
};

void First(benchmark::State& state, std::int32_t soundId)
{
    for (auto _ : state) {
        PlayerRun run;
        state.SetIterationTime(run.TimedStart(state, soundId));
    }
}

void Repeated(benchmark::State& state, std::int32_t soundId)
{
    PlayerRun run;
    run.TimedStart(state, soundId);
    for (auto _ : state) {
        run.Player->SoundStart(SoundTileLocked); // another sound in between, as in a game
        state.SetIterationTime(run.TimedStart(state, soundId));
    }
}

void SoundStartWaveFirst(benchmark::State& state) { First(state, SoundTileSelected); }
void SoundStartWaveRepeated(benchmark::State& state) { Repeated(state, SoundTileSelected); }
void SoundStartMidiFirst(benchmark::State& state) { First(state, SoundNewGame); }
void SoundStartMidiRepeated(benchmark::State& state) { Repeated(state, SoundNewGame); }

#define SOUND_BENCHMARK(name)                                                                                          \
    BENCHMARK(name)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(Runs)->ReportAggregatesOnly(true)

SOUND_BENCHMARK(SoundStartWaveFirst);
SOUND_BENCHMARK(SoundStartWaveRepeated);
SOUND_BENCHMARK(SoundStartMidiFirst);
SOUND_BENCHMARK(SoundStartMidiRepeated);

} // namespace
} // namespace tessaron

int main(int argc, char** argv)
{
    // No sound card is needed: the dummy driver consumes the mixed samples in real time.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
