#pragma once
// The services a sound player needs, all doubles, plus a program folder in a temporary
// folder where tests place sound files.
#include "doubles/FakeMultimedia.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingMessageBox.h"
#include "shell/Locale.h"
#include "shell/Registry.h"
#include "sound/SoundPlayer.h"
#include "TempFolder.h"

#include <memory>
#include <string>

namespace tessaron {

struct SoundTestBench {
    TempFolder Folder;
    FakeMultimedia Media;
    MemorySettingsStore Store;
    FixedSystemLocale SystemLanguage;
    RecordingErrorReport Report;
    Registry Settings{Store, Report.Errors, SystemLanguage};
    Locale Texts{Settings, Report.Errors, SystemLanguage};

    std::string ProgramFolder() const { return (Folder.Path() / "bin").string(); }
    // A file in the program's built-in "Sounds" folder.
    std::string BuiltinSound(const std::string& name) const { return Folder.Write("bin/Sounds/" + name); }
    std::string UserSound(const std::string& name) const { return Folder.Write("user/" + name); }
    void Choose(int id, const std::string& path) { Store.Write("Sound", "FilePath" + std::to_string(id), path); }

    std::unique_ptr<SoundPlayer> MakePlayer()
    {
        return std::make_unique<SoundPlayer>(Media, Settings, Texts, Report.Errors, ProgramFolder());
    }
};

} // namespace tessaron
