#pragma once
// Small MIDI files made by the tests themselves: a Standard MIDI File with three piano
// notes, and the same wrapped in a RIFF "RMID" container.
#include <cstdint>
#include <string>

namespace tessaron {

inline std::string LittleEndian32(std::uint32_t value)
{
    return {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}

// Format 0, 96 ticks per quarter at 120 beats per minute: C, E and G, a quarter second each.
inline std::string TinyMidiFile()
{
    std::string track = std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7) // tempo 500000 us per quarter
                        + std::string("\x00\xC0\x00", 3);                  // piano
    for (char note : {'\x3C', '\x40', '\x43'}) {
        track += std::string("\x00\x90", 2) + note + '\x64';
        track += std::string("\x30\x80", 2) + note + '\x40';
    }
    track += std::string("\x00\xFF\x2F\x00", 4);
    // The track is shorter than 256 bytes: its big-endian size is one byte after three zeros.
    return std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60" "MTrk\x00\x00\x00", 21) + char(track.size()) +
           track;
}

// chunksBefore: complete chunks placed ahead of the "data" chunk.
inline std::string WrapInRiffMidi(const std::string& midi, const std::string& chunksBefore = {})
{
    const std::string pad = midi.size() % 2 ? std::string(1, '\0') : std::string();
    const std::string body = "RMID" + chunksBefore + "data" + LittleEndian32(std::uint32_t(midi.size())) + midi + pad;
    return "RIFF" + LittleEndian32(std::uint32_t(body.size())) + body;
}

} // namespace tessaron
