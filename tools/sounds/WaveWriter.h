#pragma once
// Writes mono 16-bit PCM ".wav" files from samples in [-1, 1].
#include <string>
#include <vector>

namespace tessaron::sounds {

inline constexpr int SampleRate = 44100;

// Clips to [-1, 1] and rounds to the nearest 16-bit value. False when the file cannot be written.
bool WriteWave(const std::string& path, const std::vector<double>& samples);

} // namespace tessaron::sounds
