#include "sound/RiffMidi.h"

#include <algorithm>
#include <cstdint>

namespace tessaron {
namespace {

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

std::uint32_t BigEndian32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | std::uint32_t(static_cast<unsigned char>(bytes[at + i]));
    return value;
}

} // namespace

std::optional<std::string_view> RiffMidiData(std::string_view bytes)
{
    constexpr std::size_t headerSize = 12; // "RIFF", size, "RMID"
    constexpr std::size_t chunkHeaderSize = 8;
    if (bytes.size() < headerSize || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "RMID")
        return std::nullopt;
    // A container may claim less than the file holds; never read beyond either.
    const std::size_t riffEnd = std::min<std::size_t>(bytes.size(), std::size_t(LittleEndian32(bytes, 4)) + 8);
    std::size_t at = headerSize;
    while (at + chunkHeaderSize <= riffEnd) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = LittleEndian32(bytes, at + 4);
        const std::size_t body = at + chunkHeaderSize;
        if (size > riffEnd - body)
            return std::nullopt;
        if (id == "data")
            return bytes.substr(body, size);
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}

bool IsStandardMidiFile(std::string_view bytes)
{
    constexpr std::size_t chunkHeaderSize = 8;
    if (bytes.size() < chunkHeaderSize || bytes.substr(0, 4) != "MThd")
        return false;
    const std::size_t headerLength = BigEndian32(bytes, 4);
    if (headerLength < 6 || headerLength > bytes.size() - chunkHeaderSize)
        return false;
    // Readers skip chunks they do not know; the synthesiser does too.
    std::size_t at = chunkHeaderSize + headerLength;
    while (bytes.size() - at >= chunkHeaderSize) {
        const std::size_t size = BigEndian32(bytes, at + 4);
        if (size > bytes.size() - at - chunkHeaderSize)
            return false;
        if (bytes.substr(at, 4) == "MTrk")
            return true;
        at += chunkHeaderSize + size;
    }
    return false;
}

std::optional<std::string> PlayableMidiFile(std::string_view bytes)
{
    constexpr std::size_t chunkHeaderSize = 8;
    constexpr std::size_t trackCountAt = chunkHeaderSize + 2;
    if (const auto wrapped = RiffMidiData(bytes))
        bytes = *wrapped;
    if (!IsStandardMidiFile(bytes))
        return std::nullopt;
    std::size_t at = chunkHeaderSize + BigEndian32(bytes, 4);
    std::string playable(bytes.substr(0, at));
    std::uint16_t tracks = 0;
    while (bytes.size() - at >= chunkHeaderSize && tracks < 0xFFFF) {
        const std::size_t size = BigEndian32(bytes, at + 4);
        if (size > bytes.size() - at - chunkHeaderSize)
            break;
        if (bytes.substr(at, 4) == "MTrk") {
            playable += bytes.substr(at, chunkHeaderSize + size);
            ++tracks;
        }
        at += chunkHeaderSize + size;
    }
    playable[trackCountAt] = char(tracks >> 8);
    playable[trackCountAt + 1] = char(tracks & 0xFF);
    return playable;
}

} // namespace tessaron
