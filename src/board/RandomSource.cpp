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
    return std::generate_canonical<double, 53>(engine_);
}

} // namespace tessaron
