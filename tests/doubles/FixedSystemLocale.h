#pragma once
// A system locale that says what the test tells it: English with "." unless changed.
#include "shell/SystemLocale.h"

#include <cstdint>

namespace tessaron {

class FixedSystemLocale final : public SystemLocale {
public:
    static constexpr std::uint32_t English = 0x0409;  // en-US
    static constexpr std::uint32_t German = 0x0407;   // de-DE
    static constexpr std::uint32_t French = 0x040C;   // fr-FR

    FixedSystemLocale() = default;
    FixedSystemLocale(std::uint32_t lcid, char decimalSeparator) : Lcid(lcid), Separator(decimalSeparator) {}

    std::uint32_t UserDefaultLCID() const override { return Lcid; }
    char DecimalSeparator() const override { return Separator; }

    std::uint32_t Lcid = English;
    char Separator = '.';
};

} // namespace tessaron
