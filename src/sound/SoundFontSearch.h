#pragma once
// Where the General MIDI sound font of the MIDI synthesiser is installed. Debian's packages
// put theirs in different places and formats: fluid-soundfont-gm and timgm6mb-soundfont
// ".sf2" files in /usr/share/sounds/sf2, the sf3-soundfont-gm packages ".sf3" files in
// /usr/share/sounds/sf3, each announcing itself through the alternatives default-GM.sf2
// and default-GM.sf3.
#include <filesystem>
#include <string>

namespace tessaron {

// The sound font to use below root ("/" on a running system; tests pass a folder of their
// own): the administrator's choice of default font first, then the fonts of the known
// packages, then any ".sf2" or ".sf3" file in the usual folders, in name order. "" when
// there is none.
std::string FindSoundFont(const std::filesystem::path& root);

} // namespace tessaron
