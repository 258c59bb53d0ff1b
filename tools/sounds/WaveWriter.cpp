#include "WaveWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace tessaron::sounds {
namespace {

void Put16(std::ofstream& out, std::uint16_t value)
{
    const char bytes[] = {char(value & 0xFF), char(value >> 8)};
    out.write(bytes, 2);
}

void Put32(std::ofstream& out, std::uint32_t value)
{
    Put16(out, std::uint16_t(value & 0xFFFF));
    Put16(out, std::uint16_t(value >> 16));
}

} // namespace

bool WriteWave(const std::string& path, const std::vector<double>& samples)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const std::uint32_t dataSize = std::uint32_t(samples.size() * 2);
    out.write("RIFF", 4);
    Put32(out, 36 + dataSize);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);                      // size of the format chunk
    Put16(out, 1);                       // PCM
    Put16(out, 1);                       // mono
    Put32(out, SampleRate);
    Put32(out, SampleRate * 2);          // bytes per second
    Put16(out, 2);                       // bytes per frame
    Put16(out, 16);                      // bits per sample
    out.write("data", 4);
    Put32(out, dataSize);
    for (double sample : samples)
        Put16(out, std::uint16_t(std::int16_t(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0))));
    return bool(out);
}

} // namespace tessaron::sounds
