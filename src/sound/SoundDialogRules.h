#pragma once
// The rules of the sound settings dialog, apart from its widgets: how a row looks for the
// text in its path field, and when Save may be pressed. Changed values show blue, invalid
// ones red; Save is allowed while something is blue and no path is red.
#include "shell/PlatformServices.h"
#include "sound/SoundPlayer.h"

#include <array>
#include <string>

namespace tessaron {

enum class SettingMark { Normal, Changed, Invalid };

struct SoundRowState {
    SettingMark Label = SettingMark::Normal;
    bool BuiltinEnabled = false; // the field differs from the built-in file
    bool PlayEnabled = false;    // the field names a valid sound file
    bool RestoreEnabled = false; // the field differs from the saved file
};

// Empty is a valid choice (no sound); other texts must verify as sound files.
SoundRowState EvaluateSoundRow(const std::string& fieldText, const std::string& savedPath,
                               const std::string& builtinPath);

inline SettingMark CheckBoxMark(bool ticked, bool saved) { return ticked == saved ? SettingMark::Normal : SettingMark::Changed; }

// A changed check box allows Save whatever the paths; otherwise the first invalid path
// forbids it and any changed path allows it.
bool EnableSave(const std::array<SettingMark, 3>& checkBoxes, const std::array<SettingMark, SoundCount>& labels);

// What the file dialog of a row asks for: titled by the row's label, showing the accepted
// sound files, starting at the field's file; only an existing file may be chosen.
FileDialogRequest SoundFileRequest(const std::string& rowLabel, const std::string& filterDescription,
                                   const std::string& fieldText);

} // namespace tessaron
