#pragma once
// The platform's own texts: the buttons and labels of its file dialog and message box, the
// context menus of text fields. They follow the game's language, set where the game's
// language is applied (Locale::SetLocale).
#include <cstdint>

namespace tessaron {

class PlatformTexts {
public:
    virtual ~PlatformTexts() = default;
    // locale: 0 English, 1 German. Takes effect for windows open now and opened later.
    virtual void UseLanguage(std::int32_t locale) = 0;
};

} // namespace tessaron
