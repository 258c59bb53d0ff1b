#pragma once
// The shape of MIDI files, checked before they reach the synthesiser (which accepts almost
// any bytes and then plays silence). RIFF-wrapped MIDI (".rmi") is a "RIFF" container of
// form "RMID" whose "data" chunk holds an ordinary Standard MIDI File.
#include <cstddef>
#include <optional>
#include <string_view>

namespace tessaron {

// The contents of the "data" chunk, pointing into bytes; nothing when bytes is not a
// well-formed RMID container or has no "data" chunk inside its bounds.
std::optional<std::string_view> RiffMidiData(std::string_view bytes);

// True when bytes begin with a Standard MIDI File header chunk ("MThd", at least six bytes
// long) followed by a complete track chunk ("MTrk").
bool IsStandardMidiFile(std::string_view bytes);

} // namespace tessaron
