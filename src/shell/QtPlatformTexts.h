#pragma once
#include "shell/PlatformTexts.h"

#include <QTranslator>

namespace tessaron {

// Qt's own translations (qtbase_de.qm from Qt's translations folder, or a "translations"
// folder beside the program) installed while the game is German, and Qt's default locale
// in the game's language. Dates and sizes in Qt's file dialog keep the system's formats.
class QtPlatformTexts final : public PlatformTexts {
public:
    QtPlatformTexts() = default;
    QtPlatformTexts(const QtPlatformTexts&) = delete;
    QtPlatformTexts& operator=(const QtPlatformTexts&) = delete;
    ~QtPlatformTexts() override;

    void UseLanguage(std::int32_t locale) override;

private:
    QTranslator translator_;
    bool installed_ = false;
};

} // namespace tessaron
