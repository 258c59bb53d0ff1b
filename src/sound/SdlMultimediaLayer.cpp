#include "sound/SdlMultimediaLayer.h"

#include "sound/RiffMidi.h"
#include "sound/SoundFiles.h"
#include "sound/SoundFontSearch.h"

// Only the audio subsystem is used; the program's own main stays the entry point.
#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cctype>
#include <utility>

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

// At most this many MIDI files stay loaded (each holds a synthesiser); the game has ten events.
constexpr std::size_t MidiMusicKept = 16;

const Clock& RunningSystemClock()
{
    static const SystemClock clock;
    return clock;
}

} // namespace

struct SdlMultimediaLayer::MidiMusic {
    Mix_Music* Music = nullptr;
    std::uint64_t LastUse = 0;
    ~MidiMusic() { Mix_FreeMusic(Music); } // halts it first when it is the music playing
};

struct SdlMultimediaLayer::Device {
    FileBytes Bytes; // an ".mp3" streams from these bytes while it plays
    Mix_Chunk* Chunk = nullptr;
    Mix_Music* Music = nullptr; // owned
    std::shared_ptr<MidiMusic> Midi; // shared with the layer's store of loaded MIDI files
    int Channel = -1;

    Mix_Music* PlayedMusic() const { return Midi ? Midi->Music : Music; }

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

SdlMultimediaLayer::SdlMultimediaLayer(const Locale& texts)
    : SdlMultimediaLayer(texts, RunningSystemClock(), "/")
{
}

SdlMultimediaLayer::SdlMultimediaLayer(const Locale& texts, const Clock& time,
                                       std::filesystem::path soundFontRoot)
    : texts_(texts), time_(time), soundFontRoot_(std::move(soundFontRoot))
{
}

SdlMultimediaLayer::~SdlMultimediaLayer() { CloseAudio(); }

bool SdlMultimediaLayer::EnsureAudioOpen()
{
    if (audioState_ == AudioState::Open)
        return true;
    // Trying to start an audio system can take long; a failed one is tried again later.
    if (audioState_ == AudioState::Failed && time_.SteadySeconds() - audioFailedAt_ < AudioRetrySeconds)
        return false;
    if (!OpenAudio()) {
        audioState_ = AudioState::Failed;
        audioFailedAt_ = time_.SteadySeconds();
        return false;
    }
    audioState_ = AudioState::Open;
    return true;
}

bool SdlMultimediaLayer::OpenAudio()
{
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
    return true;
}

// FluidSynth needs a General MIDI sound font. One named by SDL_SOUNDFONTS wins (SDL_mixer
// reads it itself); otherwise the installed one. Other platforms may have a MIDI
// synthesiser of their own and are left to SDL_mixer.
void SdlMultimediaLayer::ChooseSoundFont()
{
    soundFontMissing_ = false;
    const char* chosen = SDL_getenv("SDL_SOUNDFONTS");
    if (chosen && *chosen) {
        Mix_SetSoundFonts(nullptr);
        return;
    }
#if defined(__unix__) && !defined(__APPLE__)
    const std::string font = FindSoundFont(soundFontRoot_);
    soundFontMissing_ = font.empty();
    Mix_SetSoundFonts(soundFontMissing_ ? nullptr : font.c_str());
#endif
}

void SdlMultimediaLayer::CloseAudio()
{
    fastSound_.reset();
    devices_.clear();
    midiMusic_.clear();
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
    const std::string_view bytes = device->Bytes.View();
    if (extension == ".wav") {
        device->Chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), SDL_TRUE);
    } else if (extension == ".mid" || extension == ".rmi") {
        // The synthesiser takes almost any bytes and then plays silence; what is no MIDI
        // must fail here, where the player can still say so. MIDI it cannot load is the
        // synthesiser's fault, not the file's.
        const std::optional<std::string> midi = PlayableMidiFile(bytes);
        if (!midi)
            return {MediaFormatUndecodable, 0};
        device->Midi = MidiMusicFor(*midi);
        if (!device->Midi)
            return {MediaSynthesizerMissing, 0};
    } else {
        SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
        device->Music = extension == ".mp3" ? Mix_LoadMUSType_RW(source, MUS_MP3, SDL_TRUE) : Mix_LoadMUS_RW(source, SDL_TRUE);
        if (!device->Music)
            return {MediaFormatUndecodable, 0};
    }
    if (!device->Music)
        device->Bytes = {}; // chunks hold their own samples, MIDI music its own events
    if (!device->Chunk && !device->PlayedMusic())
        return {MediaFormatUndecodable, 0};

    const std::uint32_t deviceID = nextDeviceID_++;
    devices_.emplace(deviceID, std::move(device));
    return {MediaOk, deviceID};
}

std::shared_ptr<SdlMultimediaLayer::MidiMusic> SdlMultimediaLayer::MidiMusicFor(std::string_view midi)
{
    if (soundFontMissing_)
        return nullptr;
    auto found = midiMusic_.find(midi);
    if (found == midiMusic_.end()) {
        DropUnusedMidiMusic();
        auto music = std::make_shared<MidiMusic>();
        found = midiMusic_.emplace(std::string(midi), music).first;
        // Loaded from the stored copy, which lives as long as the music.
        const std::string& stored = found->first;
        ++midiMusicLoads_;
        music->Music = Mix_LoadMUSType_RW(SDL_RWFromConstMem(stored.data(), int(stored.size())), MUS_MID, SDL_TRUE);
        if (!music->Music) {
            midiMusic_.erase(found);
            return nullptr;
        }
    }
    found->second->LastUse = ++midiUses_;
    return found->second;
}

// Makes room for one more: drops the least recently used music no open device plays.
void SdlMultimediaLayer::DropUnusedMidiMusic()
{
    if (midiMusic_.size() < MidiMusicKept)
        return;
    auto oldest = midiMusic_.end();
    for (auto entry = midiMusic_.begin(); entry != midiMusic_.end(); ++entry)
        if (entry->second.use_count() == 1 && (oldest == midiMusic_.end() || entry->second->LastUse < oldest->second->LastUse))
            oldest = entry;
    if (oldest != midiMusic_.end())
        midiMusic_.erase(oldest);
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
    if (Mix_PlayMusic(device.PlayedMusic(), 0) != 0)
        return MediaOutputUnsuitable;
    musicDeviceID_ = deviceID;
    return MediaOk;
}

std::uint32_t SdlMultimediaLayer::Close(std::uint32_t deviceID)
{
    const auto found = devices_.find(deviceID);
    if (found == devices_.end())
        return MediaDeviceNotOpen;
    if (musicDeviceID_ == deviceID) {
        // Stopped, not freed: a MIDI file's music stays loaded for its next start.
        Mix_HaltMusic();
        musicDeviceID_ = 0;
    }
    devices_.erase(found);
    return MediaOk;
}

std::optional<std::string> SdlMultimediaLayer::ErrorText(std::uint32_t code)
{
    const std::optional<std::int16_t> number = MultimediaErrorTextNumber(code);
    if (!number)
        return std::nullopt;
    return texts_.LoadLocaleString(*number);
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
