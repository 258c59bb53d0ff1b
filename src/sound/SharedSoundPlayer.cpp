#include "sound/SharedSoundPlayer.h"

#include <utility>

namespace tessaron {

SharedSoundPlayer::SharedSoundPlayer(MultimediaLayer& media, Registry& settings, const Locale& texts,
                                     ErrorReport& errors, std::string programFolder)
    : media_(media), settings_(settings), texts_(texts), errors_(errors), programFolder_(std::move(programFolder))
{
}

SharedSoundPlayer::~SharedSoundPlayer() = default;

SoundPlayer& SharedSoundPlayer::Player()
{
    if (!player_)
        player_ = std::make_unique<SoundPlayer>(media_, settings_, texts_, errors_, programFolder_);
    return *player_;
}

} // namespace tessaron
