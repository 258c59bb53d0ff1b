#pragma once
// The program's one sound object, created on first use: the first SoundStart, SoundStop
// or opening of the sound settings dialog loads the settings and the built-in sounds.
#include "sound/SoundPlayer.h"

#include <memory>
#include <string>

namespace tessaron {

class SharedSoundPlayer final : public SoundService {
public:
    SharedSoundPlayer(MultimediaLayer& media, Registry& settings, const Locale& texts, ErrorReport& errors,
                      std::string programFolder);
    ~SharedSoundPlayer() override;

    void SoundStart(std::int32_t soundId) override { Player().SoundStart(soundId); }
    void SoundStop() override { Player().SoundStop(); }

    // The sound object, created now if it does not exist yet.
    SoundPlayer& Player();
    bool Created() const { return player_ != nullptr; }

private:
    MultimediaLayer& media_;
    Registry& settings_;
    const Locale& texts_;
    ErrorReport& errors_;
    std::string programFolder_;
    std::unique_ptr<SoundPlayer> player_;
};

} // namespace tessaron
