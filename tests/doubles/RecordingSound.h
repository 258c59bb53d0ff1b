#pragma once
// A sound service that records the events raised and the stops, in order.
#include "sound/SoundService.h"

#include <cstdint>
#include <vector>

namespace tessaron {

class RecordingSound final : public SoundService {
public:
    static constexpr std::int32_t Stop = -1;  // marks a SoundStop in Calls

    void SoundStart(std::int32_t soundId) override
    {
        Events.push_back(soundId);
        Calls.push_back(soundId);
    }
    void SoundStop() override
    {
        ++Stops;
        Calls.push_back(Stop);
    }

    void Clear()
    {
        Events.clear();
        Calls.clear();
        Stops = 0;
    }

    std::vector<std::int32_t> Events;  // the events started, in order
    std::vector<std::int32_t> Calls;   // starts and stops (Stop) in order
    int Stops = 0;
};

} // namespace tessaron
