#pragma once
// The per-user settings store of the platform: string values under (section, key) of the
// application "Tessaron". A section such as "HallOfFame\01" is a subsection of "HallOfFame".
// Implementations: QtSettingsStore (QSettings, native format) and MemorySettingsStore (tests).
#include <optional>
#include <string>

namespace tessaron {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> Read(const std::string& section, const std::string& key) const = 0;
    virtual void Write(const std::string& section, const std::string& key, const std::string& value) = 0;
    virtual void Remove(const std::string& section, const std::string& key) = 0;
    // Removes the section, its values and its subsections.
    virtual void RemoveSection(const std::string& section) = 0;
    // Removes every value of the application.
    virtual void RemoveAll() = 0;
};

} // namespace tessaron
