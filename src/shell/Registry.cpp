#include "shell/Registry.h"

#include "shell/FormatPatterns.h"
#include "shell/TextTools.h"

namespace tessaron {

Registry::Registry(SettingsStore& store, ErrorReport& errors, const SystemLocale& systemLocale)
    : store_(store), errors_(errors), systemLocale_(systemLocale)
{
}

std::string Registry::LoadRegistryString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) const
{
    std::string value;
    Guarded(errors_, MainModule, "LoadRegistryString", [&] {
        value = store_.Read(section, key).value_or(defaultValue);
    });
    return value;
}

// A stored text that is not a number is reported and gives the default, like a missing one.
float Registry::LoadRegistrySingle(const std::string& section, const std::string& key, float defaultValue) const
{
    float value = defaultValue;
    Guarded(errors_, MainModule, "LoadRegistrySingle", [&] {
        const std::optional<std::string> text = store_.Read(section, key);
        if (text && !text->empty()) value = TextToSingle(*text, systemLocale_.DecimalSeparator());
    });
    return value;
}

// Saving the default or an empty value removes whatever is stored, an empty stored text
// included, so that the default takes effect again.
void Registry::SaveRegistryString(const std::string& section, const std::string& key, const std::string& value,
                                  const std::string& defaultValue)
{
    Guarded(errors_, MainModule, "SaveRegistryString", [&] {
        if (value == defaultValue || value.empty()) {
            if (store_.Read(section, key)) store_.Remove(section, key);
        } else {
            store_.Write(section, key, value);
        }
    });
}

void Registry::SaveRegistrySingle(const std::string& section, const std::string& key, float value,
                                  float defaultValue)
{
    Guarded(errors_, MainModule, "SaveRegistrySingle", [&] {
        if (value == defaultValue) {
            if (store_.Read(section, key)) store_.Remove(section, key);
        } else {
            store_.Write(section, key, SingleToText(value, systemLocale_.DecimalSeparator()));
        }
    });
}

void Registry::DeleteRegistrySection(const std::string& section)
{
    Guarded(errors_, MainModule, "DeleteRegistrySection", [&] { store_.RemoveSection(section); });
}

void Registry::DeleteRegistry()
{
    Guarded(errors_, MainModule, "DeleteRegistry", [&] { store_.RemoveAll(); });
}

std::string Registry::CurrentVersionText()
{
    return FormatNumber(TESSARON_VERSION_MAJOR, "00") + "." + FormatNumber(TESSARON_VERSION_MINOR, "00");
}

void Registry::CleanupRegistry()
{
    Guarded(errors_, MainModule, "CleanupRegistry", [&] {
        const std::string stored = LoadRegistryString("General", "Version", "");
        const std::string current = CurrentVersionText();
        if (stored != current) {
            DeleteRegistry();
            SaveRegistryString("General", "Version", current, "");
        }
    });
}

} // namespace tessaron
