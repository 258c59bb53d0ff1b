#pragma once
#include "shell/SystemLocale.h"

namespace tessaron {

// The user's language and decimal separator from QLocale::system(), the language given
// as a Windows-style locale identifier (German 0x0407, English 0x0409, ...).
class QtSystemLocale final : public SystemLocale {
public:
    std::uint32_t UserDefaultLCID() const override;
    char DecimalSeparator() const override;
};

} // namespace tessaron
