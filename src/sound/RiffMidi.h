#pragma once
// The shape of MIDI files, checked before they reach the synthesiser (which accepts almost
// any bytes and then plays silence). RIFF-wrapped MIDI is a "RIFF" container of form "RMID"
// whose "data" chunk holds an ordinary Standard MIDI File. The name of a file says little:
// ".mid" files holding RMID and ".rmi" files holding plain SMF are common.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaron {

// The contents of the "data" chunk, pointing into bytes; nothing when bytes is not a
// well-formed RMID container or has no "data" chunk inside its bounds.
std::optional<std::string_view> RiffMidiData(std::string_view bytes);

// True when bytes begin with a Standard MIDI File header chunk ("MThd", at least six bytes
// long) followed, after any chunks of other kinds, by a complete track chunk ("MTrk").
bool IsStandardMidiFile(std::string_view bytes);

// The Standard MIDI File in bytes, plain or RMID-wrapped, as the synthesiser can play it:
// the header and the complete track chunks only, the header counting those tracks (the
// synthesiser stops at a chunk of another kind, and at a track cut short, and then plays
// nothing). Nothing when bytes hold no MIDI.
std::optional<std::string> PlayableMidiFile(std::string_view bytes);

} // namespace tessaron
