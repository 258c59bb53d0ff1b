#pragma once
// An in-memory settings store with the semantics of the real one: string values under
// (section, key); removing a section removes its subsections ("HallOfFame\01" belongs to
// "HallOfFame"). Every change is logged so tests can see what was written, and a test
// can make every operation fail to exercise the failure reports.
#include "shell/Failure.h"
#include "shell/SettingsStore.h"

#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessaron {

class MemorySettingsStore final : public SettingsStore {
public:
    enum class OperationKind { Write, Remove, RemoveSection, RemoveAll };
    struct Operation {
        OperationKind Kind;
        std::string Section;
        std::string Key;
        std::string Value;
    };

    std::optional<std::string> Read(const std::string& section, const std::string& key) const override
    {
        ThrowIfFailing();
        const auto found = values_.find({section, key});
        if (found == values_.end()) return std::nullopt;
        return found->second;
    }

    void Write(const std::string& section, const std::string& key, const std::string& value) override
    {
        ThrowIfFailing();
        values_[{section, key}] = value;
        Log.push_back({OperationKind::Write, section, key, value});
    }

    void Remove(const std::string& section, const std::string& key) override
    {
        ThrowIfFailing();
        values_.erase({section, key});
        Log.push_back({OperationKind::Remove, section, key, {}});
    }

    void RemoveSection(const std::string& section) override
    {
        ThrowIfFailing();
        for (auto it = values_.begin(); it != values_.end();) {
            const std::string& name = it->first.first;
            const bool inside = name == section
                || (name.size() > section.size() && name.compare(0, section.size(), section) == 0
                    && name[section.size()] == '\\');
            it = inside ? values_.erase(it) : std::next(it);
        }
        Log.push_back({OperationKind::RemoveSection, section, {}, {}});
    }

    void RemoveAll() override
    {
        ThrowIfFailing();
        values_.clear();
        Log.push_back({OperationKind::RemoveAll, {}, {}, {}});
    }

    // Every stored value as (section, key) -> value.
    const std::map<std::pair<std::string, std::string>, std::string>& Values() const { return values_; }
    std::size_t Count() const { return values_.size(); }

    // While set, every operation throws this failure (for example 75, path/file access error).
    std::optional<Failure> FailWith;
    std::vector<Operation> Log;

private:
    void ThrowIfFailing() const
    {
        if (FailWith) throw *FailWith;
    }

    std::map<std::pair<std::string, std::string>, std::string> values_;
};

} // namespace tessaron
