#pragma once
// The interface language and the lookup of localised texts. Text n is resource string
// 1024 + n in English and 2048 + n in German.
#include "shell/ErrorReport.h"
#include "shell/PlatformTexts.h"
#include "shell/Registry.h"
#include "shell/SystemLocale.h"

#include <cstdint>
#include <string>

namespace tessaron {

class Locale {
public:
    // platformTexts, when given, is switched with the language (see SetLocale).
    Locale(Registry& registry, ErrorReport& errors, const SystemLocale& systemLocale,
           PlatformTexts* platformTexts = nullptr);

    // Settles the language at start-up: the stored choice, else the system's language.
    void LoadLocaleFromRegistry();
    // Makes locale (0 English, 1 German) the language now, stores it and applies it.
    void SaveLocale(std::int32_t locale);
    // Sets the string base from the language, refreshes the four cached texts and puts the
    // platform's own texts into the same language.
    void SetLocale();
    std::int32_t GetLocale() const { return LocaleIndex; }

    // Resource string LocaleStringBase + number; the sum is 16-bit arithmetic and an
    // overflow, like a missing string, is a reported failure giving "".
    std::string LoadLocaleString(std::int16_t number) const;

    std::int32_t LocaleIndex = 0;
    std::int16_t LocaleStringBase = 1024;
    std::string TimeFormatMinutes;  // text 1
    std::string TimeFormatSeconds;  // text 2
    std::string DateTimeFormat;     // text 3

private:
    Registry& registry_;
    ErrorReport& errors_;
    const SystemLocale& systemLocale_;
    PlatformTexts* platformTexts_;
};

} // namespace tessaron
