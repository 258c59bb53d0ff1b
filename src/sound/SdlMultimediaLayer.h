#pragma once
// The multimedia layer over SDL2_mixer. ".wav" files play as sound chunks; ".mp3", ".mid"
// and ".rmi" (RIFF-wrapped MIDI) as music, MIDI through FluidSynth with a General MIDI
// soundfont. The audio device opens on first use; when it cannot (no device, an audio
// system that does not start) every open answers MediaAudioUnavailable for the rest of
// the run, so a machine without sound stays quiet without retrying at each event.
#include "sound/MultimediaLayer.h"

#include <map>
#include <memory>

namespace tessaron {

class SdlMultimediaLayer final : public MultimediaLayer {
public:
    SdlMultimediaLayer();
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

private:
    struct Device;
    bool EnsureAudioOpen();
    void CloseAudio();

    enum class AudioState { NotTried, Open, Failed };
    AudioState audioState_ = AudioState::NotTried;
    std::map<std::uint32_t, std::unique_ptr<Device>> devices_;
    std::uint32_t nextDeviceID_ = 1;
    std::uint32_t musicDeviceID_ = 0; // the device whose music was started last
    struct FastSound;
    std::unique_ptr<FastSound> fastSound_;
};

} // namespace tessaron
