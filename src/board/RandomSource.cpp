#include "board/RandomSource.h"

#include <chrono>

namespace tessaron {

SeededRandomSource SeededRandomSource::FromClock()
{
    return SeededRandomSource(
        static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double SeededRandomSource::NextUniform()
{
    // The top 53 bits of the engine's output scaled by 2^-53: always below 1, and the same
    // sequence for a seed with every standard library (generate_canonical is neither).
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace tessaron
