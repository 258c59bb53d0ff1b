#pragma once
// Every service a window needs, as doubles: settings in memory, recorded message boxes and
// sounds, a clock moved by hand, a scripted file dialog and link opener. Tests and
// benchmarks that open real windows start from this wiring.
#include "board/RandomSource.h"
#include "doubles/FakeFileDialog.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/ManualClock.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingLinkOpener.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/RecordingSound.h"
#include "shell/Locale.h"
#include "shell/Registry.h"
#include "shell/Services.h"

#include <cstdint>

namespace tessaron {

struct DoubleServices {
    explicit DoubleServices(std::uint64_t randomSeed) : Random(randomSeed) { Texts.SetLocale(); }
    DoubleServices(const DoubleServices&) = delete;
    DoubleServices& operator=(const DoubleServices&) = delete;

    RecordingErrorReport Report;
    MemorySettingsStore Store;
    FixedSystemLocale System;
    Registry Settings{Store, Report.Errors, System};
    Locale Texts{Settings, Report.Errors, System};
    RecordingSound Sound;
    SeededRandomSource Random;
    ManualClock Time;
    FakeFileDialog FileDialog;
    RecordingLinkOpener Links;
    ProgramInfo Program;
    Services Wiring{Settings, Texts, Report.Errors, Report.Box, Sound, Random, Time, FileDialog, Links, Program};
};

} // namespace tessaron
