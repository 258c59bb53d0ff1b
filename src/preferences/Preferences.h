#pragma once
// The player's choices of how the game behaves, under "Board" in the settings store. The
// five added ways of play and the two helpers are stored as "1" only while on (absent is off, the classic game);
// "TimingActive" keeps the clock's own rule ("0" or absent is off) and "WarnLost" is on
// unless stored as "0". The model holds what the store holds: after a save each value is
// read back, so a write that failed leaves its old value in force and the others stand.
#include "board/Play.h"
#include "shell/Registry.h"

#include <array>
#include <cstddef>

namespace tessaron {

enum class Preference : std::size_t {
    PairOnSecondClick,
    ClickMovesSelection,
    EnterNeverPeeks,
    KeepProgress,
    PauseWhenHidden,
    TimingActive,
    WarnLost,
    ShowFreePairs,
    ShowMatches,
};
inline constexpr std::size_t PreferenceCount = 9;

struct PreferenceValues {
    std::array<bool, PreferenceCount> On{};
    bool operator[](Preference p) const { return On[std::size_t(p)]; }
    bool& operator[](Preference p) { return On[std::size_t(p)]; }
    bool operator==(const PreferenceValues&) const = default;
};

// The settings key of a preference ("PairOnSecondClick", ...), all under "Board".
const char* PreferenceKey(Preference preference);

class Preferences {
public:
    explicit Preferences(Registry& settings);

    // Reads every value from the store.
    void Load();
    const PreferenceValues& Values() const { return values_; }
    bool IsOn(Preference preference) const { return values_[preference]; }
    // Stores the values that differ from the ones held and reads them back; true when a
    // value held has changed.
    bool Save(const PreferenceValues& values);
    // The choices the move model takes.
    PlayOptions MoveOptions() const;

private:
    bool Read(Preference preference) const;
    void Write(Preference preference, bool on);

    Registry& settings_;
    PreferenceValues values_;
};

} // namespace tessaron
