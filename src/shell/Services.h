#pragma once
// Everything a window needs from the rest of the program, wired once in Main (the real
// services) or in a test (doubles). Windows hold a reference; nothing here is global.
#include "board/RandomSource.h"
#include "shell/Clock.h"
#include "shell/ErrorReport.h"
#include "shell/Locale.h"
#include "shell/MessageBoxService.h"
#include "shell/PlatformServices.h"
#include "shell/Registry.h"
#include "sound/SoundService.h"

namespace tessaron {

struct Services {
    Registry& Settings;
    Locale& Texts;
    ErrorReport& Errors;
    MessageBoxService& MessageBox;
    SoundService& Sound;
    RandomSource& Random;
    Clock& Time;
    FileDialogService& FileDialog;
    LinkOpener& Links;
    const ProgramInfo& Program;
};

} // namespace tessaron
