#pragma once
// The multimedia layer over SDL2_mixer. ".wav" files play as sound chunks, ".mp3" files as
// music, MIDI files (".mid" and ".rmi", plain or RIFF-wrapped whatever the name says) as
// music through FluidSynth with a General MIDI sound font.
//
// The audio device opens on first use and stays open for the run. When it cannot open (no
// device, an audio system that does not start) opens answer MediaAudioUnavailable, and the
// next attempt waits AudioRetryInterval, so a sound server started later or a headset
// plugged in is found without every event paying for a failing start.
//
// For each MIDI file FluidSynth builds a synthesiser and loads the whole sound font, which
// takes tens of milliseconds. The loaded MIDI music is therefore kept for the run, keyed by
// the file's contents: only the first event of a file pays, and closing a device only
// stops its music. Error texts come from the string table in the game's language.
#include "shell/Locale.h"
#include "shell/Clock.h"
#include "sound/MultimediaLayer.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace tessaron {

class SdlMultimediaLayer final : public MultimediaLayer {
public:
    static constexpr double AudioRetrySeconds = 3;

    // On the running system's clock and sound fonts.
    explicit SdlMultimediaLayer(const Locale& texts);
    // soundFontRoot stands for "/" where the sound font is looked for (see FindSoundFont).
    SdlMultimediaLayer(const Locale& texts, const Clock& time, std::filesystem::path soundFontRoot);
    ~SdlMultimediaLayer() override;
    SdlMultimediaLayer(const SdlMultimediaLayer&) = delete;
    SdlMultimediaLayer& operator=(const SdlMultimediaLayer&) = delete;

    MediaOpenResult Open(const std::string& filePath) override;
    std::uint32_t Play(std::uint32_t deviceID) override;
    std::uint32_t Close(std::uint32_t deviceID) override;
    std::optional<std::string> ErrorText(std::uint32_t code) override;
    bool PlayWaveFast(const std::string& filePath) override;
    void StopWaveFast() override;

    // Whether the device's sound is still audible (for tests and diagnostics).
    bool IsPlaying(std::uint32_t deviceID) const;
    bool IsWaveFastPlaying() const;
    // How often a MIDI file was loaded into a synthesiser of its own.
    int MidiMusicLoads() const { return midiMusicLoads_; }

private:
    struct Device;
    struct MidiMusic;
    bool EnsureAudioOpen();
    bool OpenAudio();
    void CloseAudio();
    void ChooseSoundFont();
    // The loaded music of this MIDI file; null when the synthesiser cannot play it.
    std::shared_ptr<MidiMusic> MidiMusicFor(std::string_view midi);
    void DropUnusedMidiMusic();

    const Locale& texts_;
    const Clock& time_;  // its steady count times the retries
    std::filesystem::path soundFontRoot_;

    enum class AudioState { NotTried, Open, Failed };
    AudioState audioState_ = AudioState::NotTried;
    double audioFailedAt_ = 0;
    bool soundFontMissing_ = false;

    std::map<std::uint32_t, std::unique_ptr<Device>> devices_;
    std::uint32_t nextDeviceID_ = 1;
    std::uint32_t musicDeviceID_ = 0; // the device whose music was started last
    std::map<std::string, std::shared_ptr<MidiMusic>, std::less<>> midiMusic_; // by the MIDI bytes
    std::uint64_t midiUses_ = 0;
    int midiMusicLoads_ = 0;
    struct FastSound;
    std::unique_ptr<FastSound> fastSound_;
};

} // namespace tessaron
