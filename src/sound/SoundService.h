#pragma once
// What the game asks of the sound player: play the sound of an event, or stop.
// Events: 0 tile locked, 1 tile selected, 2 tile removal, 3 tile insertion, 4 new game,
// 5 game lost, 6 game won, 7 restart game, 8 hall of fame, 9 replay game.
#include <cstdint>

namespace tessaron {

enum SoundID : std::int32_t {
    SoundTileLocked = 0,
    SoundTileSelected = 1,
    SoundTileRemoval = 2,
    SoundTileInsertion = 3,
    SoundNewGame = 4,
    SoundGameLost = 5,
    SoundGameWon = 6,
    SoundRestartGame = 7,
    SoundHallOfFame = 8,
    SoundReplayGame = 9,
};

class SoundService {
public:
    virtual ~SoundService() = default;
    virtual void SoundStart(std::int32_t soundId) = 0;
    virtual void SoundStop() = 0;
};

} // namespace tessaron
