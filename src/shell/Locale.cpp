#include "shell/Locale.h"

#include "shell/FormatPatterns.h"
#include "shell/StringTable.h"
#include "shell/TextTools.h"

#include <limits>

namespace tessaron {

namespace {
constexpr std::uint32_t PrimaryLanguageMask = 0x3FF;
constexpr std::uint32_t LangGerman = 7;
} // namespace

Locale::Locale(Registry& registry, ErrorReport& errors, const SystemLocale& systemLocale,
               PlatformTexts* platformTexts)
    : registry_(registry), errors_(errors), systemLocale_(systemLocale), platformTexts_(platformTexts)
{
}

// A stored "0" or "1" wins; anything else (nothing, another number, a text that is not a
// number, which is reported first) lets the system's language decide, and that choice is
// stored.
void Locale::LoadLocaleFromRegistry()
{
    Guarded(errors_, MainModule, "LoadLocaleFromRegistry", [&] {
        const std::string stored = registry_.LoadRegistryString("General", "Locale", "");
        if (!stored.empty()) {
            const bool converted = Guarded(errors_, MainModule, "LoadLocaleFromRegistry",
                                           [&] { LocaleIndex = TextToInteger16(stored); });
            if (converted && (LocaleIndex == 0 || LocaleIndex == 1)) {
                SetLocale();
                return;
            }
        }
        const std::uint32_t primaryLanguage = systemLocale_.UserDefaultLCID() & PrimaryLanguageMask;
        SaveLocale(primaryLanguage == LangGerman ? 1 : 0);
    });
}

void Locale::SaveLocale(std::int32_t locale)
{
    Guarded(errors_, MainModule, "SaveLocale", [&] {
        LocaleIndex = locale;
        registry_.SaveRegistryString("General", "Locale", FormatNumber(locale, "0"), "");
        SetLocale();
    });
}

void Locale::SetLocale()
{
    Guarded(errors_, MainModule, "SetLocale", [&] {
        if (LocaleIndex == 0) LocaleStringBase = EnglishStringBase;
        else if (LocaleIndex == 1) LocaleStringBase = GermanStringBase;
        errors_.ErrorNumberFormat = LoadLocaleString(0);
        TimeFormatMinutes = LoadLocaleString(1);
        TimeFormatSeconds = LoadLocaleString(2);
        DateTimeFormat = LoadLocaleString(3);
        // The language of the texts now in use: an index out of range kept the old base.
        if (platformTexts_) platformTexts_->UseLanguage(LocaleStringBase == GermanStringBase ? 1 : 0);
    });
}

std::string Locale::LoadLocaleString(std::int16_t number) const
{
    std::string text;
    Guarded(errors_, MainModule, "LoadLocaleString", [&] {
        const int id = int(LocaleStringBase) + int(number);
        if (id > std::numeric_limits<std::int16_t>::max() || id < std::numeric_limits<std::int16_t>::min())
            Fail(ErrOverflow);
        const auto found = ResourceString(id);
        if (!found) Fail(ErrResourceNotFound, "Resource with identifier '" + std::to_string(id) + "' not found");
        text = std::string(*found);
    });
    return text;
}

} // namespace tessaron
