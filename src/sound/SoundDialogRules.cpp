#include "sound/SoundDialogRules.h"

#include "shell/TextTools.h"
#include "sound/SoundFiles.h"

#include <algorithm>

namespace tessaron {

SoundRowState EvaluateSoundRow(const std::string& fieldText, const std::string& savedPath,
                               const std::string& builtinPath)
{
    const bool verified = !fieldText.empty() && !VerifySoundFilePath(fieldText).empty();
    const bool invalid = !fieldText.empty() && !verified;
    const bool changed = fieldText != savedPath;
    SoundRowState state;
    state.Label = !changed ? SettingMark::Normal : invalid ? SettingMark::Invalid : SettingMark::Changed;
    state.BuiltinEnabled = fieldText != builtinPath;
    state.PlayEnabled = verified;
    state.RestoreEnabled = changed;
    return state;
}

bool EnableSave(const std::array<SettingMark, 3>& checkBoxes, const std::array<SettingMark, SoundCount>& labels)
{
    if (std::any_of(checkBoxes.begin(), checkBoxes.end(), [](SettingMark m) { return m == SettingMark::Changed; }))
        return true;
    bool changed = false;
    for (SettingMark mark : labels) {
        if (mark == SettingMark::Invalid)
            return false;
        changed = changed || mark == SettingMark::Changed;
    }
    return changed;
}

FileDialogRequest SoundFileRequest(const std::string& rowLabel, const std::string& filterDescription,
                                   const std::string& fieldText)
{
    FileDialogRequest request;
    request.Title = rowLabel;
    request.Filter = ReplaceSubString("^0 (*.mid;*.mp3;*.rmi;*.wav)|*.mid;*.mp3;*.rmi;*.wav", "^0", filterDescription);
    request.InitialFileName = fieldText;
    request.FileMustExist = true;
    request.PathMustExist = true;
    return request;
}

} // namespace tessaron
