#include "sound/SdlMultimediaLayer.h"

#include "sound/RiffMidi.h"
#include "sound/SoundFiles.h"

// Only the audio subsystem is used; the program's own main stays the entry point.
#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace tessaron {
namespace {

// The fast path keeps a channel of its own, so a device sound never takes it away.
constexpr int FastChannel = 0;

struct SdlFree {
    void operator()(void* memory) const { SDL_free(memory); }
};
using SdlBytes = std::unique_ptr<void, SdlFree>;

struct FileBytes {
    SdlBytes Data;
    std::size_t Size = 0;
    std::string_view View() const { return {static_cast<const char*>(Data.get()), Size}; }
};

// Reads the whole file; SDL takes UTF-8 names on every platform.
bool ReadFile(const std::string& filePath, FileBytes& bytes)
{
    std::size_t size = 0;
    void* data = SDL_LoadFile(filePath.c_str(), &size);
    if (!data)
        return false;
    bytes.Data.reset(data);
    bytes.Size = size;
    return true;
}

std::string LowerExtension(const std::string& filePath)
{
    const auto dot = filePath.find_last_of('.');
    std::string extension = dot == std::string::npos ? std::string() : filePath.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

// FluidSynth needs a General MIDI soundfont. A soundfont named by SDL_SOUNDFONTS wins;
// otherwise the first of the usual system soundfonts that exists.
void ChooseSoundFont()
{
    const char* chosen = std::getenv("SDL_SOUNDFONTS");
    if (chosen && *chosen)
        return;
#if defined(__unix__) && !defined(__APPLE__)
    const char* candidates[] = {
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/soundfonts/default.sf2",
    };
    for (const char* candidate : candidates) {
        std::error_code error;
        if (std::filesystem::exists(candidate, error)) {
            Mix_SetSoundFonts(candidate);
            return;
        }
    }
#endif
}

} // namespace

struct SdlMultimediaLayer::Device {
    FileBytes Bytes; // music streams from these bytes while it plays
    Mix_Chunk* Chunk = nullptr;
    Mix_Music* Music = nullptr;
    int Channel = -1;

    ~Device()
    {
        if (Chunk) {
            if (Channel >= 0 && Mix_GetChunk(Channel) == Chunk)
                Mix_HaltChannel(Channel);
            Mix_FreeChunk(Chunk);
        }
        if (Music)
            Mix_FreeMusic(Music); // halts it first when it is the music playing
    }
};

struct SdlMultimediaLayer::FastSound {
    Mix_Chunk* Chunk = nullptr;
    ~FastSound()
    {
        Mix_HaltChannel(FastChannel);
        Mix_FreeChunk(Chunk);
    }
};

SdlMultimediaLayer::SdlMultimediaLayer() = default;

SdlMultimediaLayer::~SdlMultimediaLayer() { CloseAudio(); }

bool SdlMultimediaLayer::EnsureAudioOpen()
{
    if (audioState_ != AudioState::NotTried)
        return audioState_ == AudioState::Open;
    audioState_ = AudioState::Failed;
    // The window system, not SDL, decides how the program ends: without this hint SDL
    // swallows SIGTERM and SIGINT, and the game would outlive a logout or `kill`.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, MIX_DEFAULT_CHANNELS, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    ChooseSoundFont();
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_MID);
    Mix_AllocateChannels(8);
    Mix_ReserveChannels(FastChannel + 1);
    audioState_ = AudioState::Open;
    return true;
}

void SdlMultimediaLayer::CloseAudio()
{
    fastSound_.reset();
    devices_.clear();
    musicDeviceID_ = 0;
    if (audioState_ == AudioState::Open) {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    audioState_ = AudioState::NotTried;
}

MediaOpenResult SdlMultimediaLayer::Open(const std::string& filePath)
{
    if (!EnsureAudioOpen())
        return {MediaAudioUnavailable, 0};
    auto device = std::make_unique<Device>();
    if (!ReadFile(filePath, device->Bytes))
        return {MediaFileUnreadable, 0};

    const std::string extension = LowerExtension(filePath);
    std::string_view bytes = device->Bytes.View();
    if (extension == ".wav") {
        device->Chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), SDL_TRUE);
        device->Bytes = {}; // a chunk holds its own decoded samples
    } else {
        Mix_MusicType type = MUS_NONE;
        if (extension == ".mp3") {
            type = MUS_MP3;
        } else if (extension == ".mid") {
            type = MUS_MID;
        } else if (extension == ".rmi") {
            const auto midi = RiffMidiData(bytes);
            if (!midi)
                return {MediaFormatUndecodable, 0};
            bytes = *midi;
            type = MUS_MID;
        }
        // The synthesiser takes almost any bytes and then plays silence; a file that is not
        // MIDI at all must fail here, where the player can still say so.
        if (type == MUS_MID && !IsStandardMidiFile(bytes))
            return {MediaFormatUndecodable, 0};
        SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
        device->Music = type == MUS_NONE ? Mix_LoadMUS_RW(source, SDL_TRUE) : Mix_LoadMUSType_RW(source, type, SDL_TRUE);
    }
    if (!device->Chunk && !device->Music)
        return {MediaFormatUndecodable, 0};

    const std::uint32_t deviceID = nextDeviceID_++;
    devices_.emplace(deviceID, std::move(device));
    return {MediaOk, deviceID};
}

std::uint32_t SdlMultimediaLayer::Play(std::uint32_t deviceID)
{
    const auto found = devices_.find(deviceID);
    if (found == devices_.end())
        return MediaDeviceNotOpen;
    Device& device = *found->second;
    if (device.Chunk) {
        if (device.Channel >= 0 && Mix_GetChunk(device.Channel) == device.Chunk)
            Mix_HaltChannel(device.Channel);
        device.Channel = Mix_PlayChannel(-1, device.Chunk, 0);
        if (device.Channel < 0)
            return std::string_view(Mix_GetError()).find("No free channels") != std::string_view::npos
                       ? MediaOutputsBusy
                       : MediaOutputUnsuitable;
        return MediaOk;
    }
    // There is one music output. Mix_PlayMusic would silently cut off another device's
    // music, so that counts as a busy output instead.
    if (musicDeviceID_ != 0 && musicDeviceID_ != deviceID && Mix_PlayingMusic())
        return MediaOutputsBusy;
    if (Mix_PlayMusic(device.Music, 0) != 0)
        return MediaOutputUnsuitable;
    musicDeviceID_ = deviceID;
    return MediaOk;
}

std::uint32_t SdlMultimediaLayer::Close(std::uint32_t deviceID)
{
    if (devices_.erase(deviceID) == 0)
        return MediaDeviceNotOpen;
    if (musicDeviceID_ == deviceID)
        musicDeviceID_ = 0;
    return MediaOk;
}

std::optional<std::string> SdlMultimediaLayer::ErrorText(std::uint32_t code)
{
    switch (code) {
    case MediaDeviceNotOpen: return "The sound device is not open.";
    case MediaAudioUnavailable: return "No audio device is available, or the audio system could not be started.";
    case MediaOutputsBusy: return "Every audio output that could play this sound is busy.";
    case MediaOutputUnsuitable: return "The audio output cannot play this sound.";
    case MediaFileUnreadable: return "The sound file cannot be found or read.";
    case MediaFormatUndecodable: return "The sound file's contents cannot be decoded.";
    default: return std::nullopt;
    }
}

bool SdlMultimediaLayer::PlayWaveFast(const std::string& filePath)
{
    StopWaveFast();
    if (!IsWaveFileName(filePath) || !EnsureAudioOpen())
        return false;
    FileBytes bytes;
    if (!ReadFile(filePath, bytes))
        return false;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.Data.get(), int(bytes.Size)), SDL_TRUE);
    if (!chunk)
        return false;
    fastSound_ = std::make_unique<FastSound>();
    fastSound_->Chunk = chunk;
    if (Mix_PlayChannel(FastChannel, chunk, 0) < 0) {
        fastSound_.reset();
        return false;
    }
    return true;
}

void SdlMultimediaLayer::StopWaveFast() { fastSound_.reset(); }

bool SdlMultimediaLayer::IsPlaying(std::uint32_t deviceID) const
{
    const auto found = devices_.find(deviceID);
    if (found == devices_.end())
        return false;
    const Device& device = *found->second;
    if (device.Chunk)
        return device.Channel >= 0 && Mix_Playing(device.Channel) && Mix_GetChunk(device.Channel) == device.Chunk;
    return musicDeviceID_ == deviceID && Mix_PlayingMusic() != 0;
}

bool SdlMultimediaLayer::IsWaveFastPlaying() const { return fastSound_ && Mix_Playing(FastChannel); }

} // namespace tessaron
