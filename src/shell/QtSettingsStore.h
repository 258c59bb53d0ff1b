#pragma once
// The settings store over QSettings in the platform's native format, user scope,
// application "Tessaron": the registry on Windows, an INI file on Linux. Every change is
// written through at once, so a value survives a process that is killed right after.
#include "shell/SettingsStore.h"

#include <QSettings>
#include <QString>

#include <functional>
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
    std::unique_ptr<QSettings> Open() const;
    // Makes one change and writes it to disk; a store that cannot be written is a
    // failure (75). Each change is judged by its own result, never by an earlier one.
    void Change(const std::function<void(QSettings&)>& change);

    QString iniFilePath_;  // empty: the native store
    // Kept open for reading; it also keeps the parsed file shared with the writers.
    std::unique_ptr<QSettings> settings_;
};

} // namespace tessaron
