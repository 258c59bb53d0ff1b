#pragma once
#include <cstdint>

namespace tessaron {

// What came of a game solved against the clock, or of the hall of fame window.
enum HallOfFameChoice : std::int32_t {
    HallOfFameNotShown = 0,  // no entry and no window, or the name request was cancelled
    HallOfFameClosed = 1,
    HallOfFameNewGame = 2,
    HallOfFameChallenge = 3,
};

} // namespace tessaron
