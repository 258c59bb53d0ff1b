#pragma once
// The ten built-in event sounds, synthesised from sine partials and a little seeded
// noise, so every build produces the same samples.
#include <vector>

namespace tessaron::sounds {

// The sound of event 0 to 9 at SampleRate, mono, peaks below full scale.
std::vector<double> DefaultSound(int soundId);

} // namespace tessaron::sounds
