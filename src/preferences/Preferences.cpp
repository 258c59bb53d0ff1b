#include "preferences/Preferences.h"

namespace tessaron {

namespace {


// What "absent" means: the classic game for the added ways, the existing defaults else.
constexpr bool DefaultOn(Preference preference) { return preference == Preference::WarnLost; }

} // namespace

const char* PreferenceKey(Preference preference)
{
    constexpr std::array<const char*, PreferenceCount> Keys{"PairOnSecondClick", "ClickMovesSelection",
                                                            "EnterNeverPeeks",   "KeepProgress",
                                                            "PauseWhenHidden",   "TimingActive",
                                                            "WarnLost",          "ShowFreePairs",
                                                            "ShowMatches"};
    return Keys.at(std::size_t(preference));
}

Preferences::Preferences(Registry& settings) : settings_(settings) {}

bool Preferences::Read(Preference preference) const
{
    const char* key = PreferenceKey(preference);
    switch (preference) {
    case Preference::TimingActive:
        return settings_.LoadRegistryString(BoardSection, key, "0") != "0";
    case Preference::WarnLost:
        return settings_.LoadRegistryString(BoardSection, key, "1") != "0";
    default:
        return settings_.LoadRegistryString(BoardSection, key, "") == "1";
    }
}

void Preferences::Write(Preference preference, bool on)
{
    const char* key = PreferenceKey(preference);
    const std::string value = on ? "1" : "0";
    switch (preference) {
    case Preference::TimingActive:
        settings_.SaveRegistryString(BoardSection, key, value, "0");
        break;
    case Preference::WarnLost:
        settings_.SaveRegistryString(BoardSection, key, value, "1");
        break;
    default:
        // Off is stored as nothing at all.
        settings_.SaveRegistryString(BoardSection, key, on ? "1" : "", "");
        break;
    }
}

void Preferences::Load()
{
    for (std::size_t n = 0; n < PreferenceCount; ++n) values_.On[n] = Read(Preference(n));
}

bool Preferences::Save(const PreferenceValues& values)
{
    const PreferenceValues before = values_;
    for (std::size_t n = 0; n < PreferenceCount; ++n) {
        if (values.On[n] == values_.On[n]) continue;
        Write(Preference(n), values.On[n]);
        values_.On[n] = Read(Preference(n));
    }
    return values_ != before;
}

PlayOptions Preferences::MoveOptions() const
{
    PlayOptions options;
    options.PairOnSecondClick = IsOn(Preference::PairOnSecondClick);
    options.ClickMovesSelection = IsOn(Preference::ClickMovesSelection);
    return options;
}

} // namespace tessaron
