#pragma once
// RIFF-wrapped MIDI (".rmi"): a "RIFF" container of form "RMID" whose "data" chunk holds
// an ordinary Standard MIDI File.
#include <cstddef>
#include <optional>
#include <string_view>

namespace tessaron {

// The contents of the "data" chunk, pointing into bytes; nothing when bytes is not a
// well-formed RMID container or has no "data" chunk inside its bounds.
std::optional<std::string_view> RiffMidiData(std::string_view bytes);

} // namespace tessaron
