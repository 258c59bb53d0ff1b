// The language at start-up from any stored "General" values and any system language:
// the program always ends in English or German with its cached texts loaded, reports at
// most the one conversion failure, and keeps only the version after the clean-up of a
// store written by another version.
#include "FuzzSupport.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/RecordingMessageBox.h"
#include "shell/Locale.h"

using namespace tessaron;

namespace {
constexpr fuzz::SettingsKey Keys[] = {
    {"General", "Locale"},
    {"General", "Version"},
    {"General", "Player"},
    {"Fuzz", "Lcid"},  // the system language: the value's first two bytes, low byte first
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemorySettingsStore store;
    fuzz::FillStore(store, Keys, data, size);
    FixedSystemLocale system;
    if (const auto lcid = store.Read("Fuzz", "Lcid"); lcid && !lcid->empty()) {
        system.Lcid = static_cast<unsigned char>((*lcid)[0]);
        if (lcid->size() > 1) system.Lcid |= std::uint32_t(static_cast<unsigned char>((*lcid)[1])) << 8;
    }
    const std::optional<std::string> storedVersion = store.Read("General", "Version");
    const std::optional<std::string> storedLocale = store.Read("General", "Locale");

    RecordingErrorReport report;
    Registry registry{store, report.Errors, system};
    Locale locale{registry, report.Errors, system};
    locale.LoadLocaleFromRegistry();

    FUZZ_CHECK(report.Box.Boxes.size() <= 1);
    FUZZ_CHECK(locale.GetLocale() == 0 || locale.GetLocale() == 1);
    FUZZ_CHECK(locale.LocaleStringBase == (locale.GetLocale() == 0 ? 1024 : 2048));
    // A stored text that settled the language stays as it was (" 1" and "1.0" are German
    // too); otherwise the language chosen is stored as "0" or "1".
    const std::optional<std::string> nowStored = store.Read("General", "Locale");
    const std::string chosen = locale.GetLocale() == 0 ? "0" : "1";
    if (nowStored != storedLocale || !report.Box.Boxes.empty()) FUZZ_CHECK(nowStored == chosen);
    FUZZ_CHECK(!locale.TimeFormatMinutes.empty() && !locale.TimeFormatSeconds.empty());
    FUZZ_CHECK(!locale.DateTimeFormat.empty() && !report.Errors.ErrorNumberFormat.empty());

    const std::int32_t language = locale.GetLocale();
    registry.CleanupRegistry();
    FUZZ_CHECK(locale.GetLocale() == language);
    FUZZ_CHECK(store.Read("General", "Version") == Registry::CurrentVersionText());
    if (storedVersion != Registry::CurrentVersionText()) FUZZ_CHECK(store.Count() == 1);
    FUZZ_CHECK(report.Box.Boxes.size() <= 1);
    return 0;
}
