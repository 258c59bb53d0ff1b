#pragma once
// What the platform says about the user's language and regional settings.
#include <cstdint>

namespace tessaron {

class SystemLocale {
public:
    virtual ~SystemLocale() = default;
    // The user's default locale as a Windows-style identifier; its low 10 bits are the
    // primary language (7 = German, 9 = English).
    virtual std::uint32_t UserDefaultLCID() const = 0;
    // The regional decimal separator ("." or ",").
    virtual char DecimalSeparator() const = 0;
};

} // namespace tessaron
