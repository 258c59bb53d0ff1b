#pragma once
// The settings operations every part of the program uses. Saving a value equal to its
// default, or an empty value, removes the stored value, so the store holds only values
// that differ from their defaults. Failures are reported under "modSubMain".
#include "shell/ErrorReport.h"
#include "shell/SettingsStore.h"
#include "shell/SystemLocale.h"

#include <string>

namespace tessaron {

// The section of the board window, its game and its options.
inline constexpr const char* BoardSection = "Board";

class Registry {
public:
    Registry(SettingsStore& store, ErrorReport& errors, const SystemLocale& systemLocale);

    std::string LoadRegistryString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const;
    float LoadRegistrySingle(const std::string& section, const std::string& key, float defaultValue) const;
    void SaveRegistryString(const std::string& section, const std::string& key, const std::string& value,
                            const std::string& defaultValue);
    void SaveRegistrySingle(const std::string& section, const std::string& key, float value, float defaultValue);
    void DeleteRegistrySection(const std::string& section);
    void DeleteRegistry();

    // Wipes the store when it was written by another program version, then records this one.
    void CleanupRegistry();
    // "01.00" for version 1.0.
    static std::string CurrentVersionText();

    SettingsStore& Store() { return store_; }

private:
    SettingsStore& store_;
    ErrorReport& errors_;
    const SystemLocale& systemLocale_;
};

} // namespace tessaron
