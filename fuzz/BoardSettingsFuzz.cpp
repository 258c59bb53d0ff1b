// The board window's stored values from any text: the window place ("Left", "Top") read
// as single-precision numbers with either decimal separator, and the clock option
// ("TimingActive"). A number that cannot be read is reported and gives the default; a
// number that was read survives saving and loading again.
#include "FuzzSupport.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/ManualClock.h"
#include "doubles/ManualTimer.h"
#include "doubles/RecordingMessageBox.h"
#include "shell/Locale.h"
#include "window/GameClock.h"

#include <cmath>

using namespace tessaron;

namespace {

constexpr fuzz::SettingsKey Keys[] = {
    {"Board", "Left"},
    {"Board", "Top"},
    {"Board", "TimingActive"},
    {"Fuzz", "DecimalSeparator"},  // "," when the value's first byte is odd, else "."
};

struct SilentClockView final : ClockView {
    void ShowTimeGone(const std::string& text) override { Shown = text; }
    std::string Shown;
};

void CheckPlace(MemorySettingsStore& store, const FixedSystemLocale& system, const char* key, float defaultValue)
{
    RecordingErrorReport report;
    Registry registry{store, report.Errors, system};
    const std::optional<std::string> stored = store.Read("Board", key);
    const float value = registry.LoadRegistrySingle("Board", key, defaultValue);

    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(report.Box.Boxes.size() <= 1);
    if (!stored || stored->empty() || !report.Box.Boxes.empty()) {
        FUZZ_CHECK(value == defaultValue);
        return;
    }
    // Stored again in the general number format (seven significant digits) and read back.
    registry.SaveRegistrySingle("Board", key, value, 0.0f);
    const float again = registry.LoadRegistrySingle("Board", key, 0.0f);
    FUZZ_CHECK(report.Box.Boxes.empty());
    FUZZ_CHECK(std::fabs(double(again) - double(value)) <= std::fabs(double(value)) * 1e-6);
}

void CheckClockOption(MemorySettingsStore& store, const FixedSystemLocale& system)
{
    RecordingErrorReport report;
    Registry registry{store, report.Errors, system};
    Locale texts{registry, report.Errors, system};
    texts.SetLocale();
    ManualClock time;
    ManualTimer timer;
    SilentClockView view;
    GameClock clock{time, timer, view, texts, report.Errors};

    const std::optional<std::string> stored = store.Read("Board", "TimingActive");
    clock.LoadTimingActive(registry);
    FUZZ_CHECK(clock.TimingActive() == (stored && *stored != "0"));

    clock.TimerSetup();
    time.AdvanceSeconds(65);
    timer.Tick();
    FUZZ_CHECK(timer.IsActive() == clock.TimingActive());
    // The menu command stores only the value that differs from the default "0".
    clock.ToggleTimingActive(registry);
    FUZZ_CHECK(store.Read("Board", "TimingActive") == (clock.TimingActive() ? std::optional<std::string>("1")
                                                                            : std::nullopt));
    FUZZ_CHECK(report.Box.Boxes.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemorySettingsStore store;
    fuzz::FillStore(store, Keys, data, size);
    FixedSystemLocale system;
    if (const auto separator = store.Read("Fuzz", "DecimalSeparator"); separator && !separator->empty())
        system.Separator = ((*separator)[0] & 1) ? ',' : '.';

    CheckPlace(store, system, "Left", 1440.0f);
    CheckPlace(store, system, "Top", 720.0f);
    CheckClockOption(store, system);
    return 0;
}
