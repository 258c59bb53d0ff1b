#pragma once
// The settings store over QSettings in the platform's native format, user scope,
// application "Tessaron": the registry on Windows, an INI file on Linux. Every change is
// written through at once, so a value survives a process that is killed right after.
#include "shell/SettingsStore.h"

#include <QSettings>

#include <memory>
#include <string>

namespace tessaron {

class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    // An INI file at this path instead of the native store (tests use a temporary file).
    explicit QtSettingsStore(const std::string& iniFilePath);

    std::optional<std::string> Read(const std::string& section, const std::string& key) const override;
    void Write(const std::string& section, const std::string& key, const std::string& value) override;
    void Remove(const std::string& section, const std::string& key) override;
    void RemoveSection(const std::string& section) override;
    void RemoveAll() override;

private:
    // Writes pending changes to disk; a store that cannot be written is a failure (75).
    void Flush();

    std::unique_ptr<QSettings> settings_;
};

} // namespace tessaron
