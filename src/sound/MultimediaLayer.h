#pragma once
// The audio back end the sound player drives: files opened as devices and played from
// their start, plus a fast way to start a ".wav" file without a device. Every call
// returns at once except Open and Close, which wait until they are done. Playback itself
// runs asynchronously; nothing reports its end.
#include <cstdint>
#include <optional>
#include <string>

namespace tessaron {

// The error codes of the layer. The player treats some of them specially (see SoundPlayer).
enum MultimediaError : std::uint32_t {
    MediaOk = 0,
    MediaDeviceNotOpen = 2,            // play or close of an identifier that is not open
    MediaAudioUnavailable = 277,       // no audio device, or the audio system cannot start
    MediaOutputsBusy = 320,            // every output that could play the sound is busy
    MediaOutputUnsuitable = 326,       // the output cannot play this sound
    MediaFileUnreadable = 0x1001,      // the file is missing or cannot be read
    MediaFormatUndecodable = 0x1002,   // the file's contents cannot be decoded
    MediaSynthesizerMissing = 0x1003,  // MIDI cannot play: the synthesiser has no sound font
};

// The text number (Locale) that describes one of the codes above; nothing for other codes.
inline std::optional<std::int16_t> MultimediaErrorTextNumber(std::uint32_t code)
{
    switch (code) {
    case MediaDeviceNotOpen: return 700;
    case MediaAudioUnavailable: return 701;
    case MediaOutputsBusy: return 702;
    case MediaOutputUnsuitable: return 703;
    case MediaFileUnreadable: return 704;
    case MediaFormatUndecodable: return 705;
    case MediaSynthesizerMissing: return 706;
    default: return std::nullopt;
    }
}

struct MediaOpenResult {
    std::uint32_t Error = MediaOk;
    std::uint32_t DeviceID = 0; // non-zero when Error is MediaOk
};

class MultimediaLayer {
public:
    virtual ~MultimediaLayer() = default;
    // Opens the file as a device; the kind of device follows the file name's extension.
    virtual MediaOpenResult Open(const std::string& filePath) = 0;
    // Starts the device's file from its beginning and returns at once.
    virtual std::uint32_t Play(std::uint32_t deviceID) = 0;
    // Stops the device if it still plays and releases it; returns when that is done.
    virtual std::uint32_t Close(std::uint32_t deviceID) = 0;
    // The text of an error code in the game's language at the time of the call; nothing
    // for a code the layer does not know.
    virtual std::optional<std::string> ErrorText(std::uint32_t code) = 0;

    // Starts a ".wav" file asynchronously without a device. False when it could not be
    // started; it never plays some other sound in place of a missing file.
    virtual bool PlayWaveFast(const std::string& filePath) = 0;
    // Stops the sound started by PlayWaveFast, if any.
    virtual void StopWaveFast() = 0;
};

} // namespace tessaron
