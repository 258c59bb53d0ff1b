#pragma once
// Which files the sound player accepts and where its built-in sounds live. Paths are
// UTF-8 text. A sound file is accepted when its name ends in ".mid", ".mp3", ".rmi" or
// ".wav" (any case) and such a file exists.
#include <cstdint>
#include <string>

namespace tessaron {

// The accepted extensions in their order of preference for the built-in sounds.
inline constexpr const char* SoundFileExtensions[] = {".mid", ".mp3", ".rmi", ".wav"};

bool HasSoundFileExtension(const std::string& filePath);
// True when the name ends in ".wav" in any case: such files may take the fast path.
bool IsWaveFileName(const std::string& filePath);
bool SoundFileExists(const std::string& filePath);

// The path itself when it names an accepted, existing sound file; otherwise "".
std::string VerifySoundFilePath(const std::string& filePath);
// The path plus the first accepted extension for which a file exists; otherwise "".
std::string CompleteSoundFilePath(const std::string& pathWithoutExtension);

// The built-in sound of an event: "Sounds/Sound0N" with the preferred existing extension,
// looked for beside the program first, then in the installed data folder
// (<program folder>/../share/tessaron/Sounds). "" when there is none.
std::string FindDefaultSoundFile(const std::string& programFolder, std::int32_t soundId);

} // namespace tessaron
