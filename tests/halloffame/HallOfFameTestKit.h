#pragma once
// What the hall of fame tests share: the services over recording doubles, a formatter of
// solving times, a move list, and a store seeded with listed entries.
#include "halloffame/HallOfFame.h"
#include "halloffame/HallOfFameDialogs.h"
#include "records/DateTimeText.h"
#include "records/GameRecord.h"
#include "records/ValidDeal.h"
#include "shell/Failure.h"
#include "shell/FormatPatterns.h"
#include "doubles/DoubleServices.h"

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tessaron::testkit {

inline double Seconds(int seconds) { return seconds / 86400.0; }

// "95s": enough to tell times apart in texts; the board's own formatter is tested there.
inline std::string SecondsText(double timeGone)
{
    return std::to_string(static_cast<long>(std::lround(timeGone * 86400.0))) + "s";
}

// The positions 144 down to 1: a moves record with every code from 33 to 176.
inline TileArray MovesDownward()
{
    TileArray moves{};
    for (int k = 1; k <= TileCount; ++k) moves[k] = TileCount + 1 - k;
    return moves;
}

// Answers the name request from a script and records what InsertGame showed.
class ScriptedDialogs final : public HallOfFameDialogs {
public:
    struct WindowShown {
        std::int32_t HighlightIndex;
        RgbColour Highlight;
        bool InitialFocusNewGame;
    };

    std::string RequestPlayerName(const std::string& message) override
    {
        NameRequests.push_back(message);
        if (NameRequestFailure) throw *NameRequestFailure;
        return Name;
    }
    void ShowMessage(const std::string& message) override { Messages.push_back(message); }
    std::int32_t ShowAsDialog(std::int32_t highlightIndex, RgbColour highlight, bool initialFocusNewGame) override
    {
        Windows.push_back({highlightIndex, highlight, initialFocusNewGame});
        return Choice;
    }

    std::string Name = "Anna";  // "" stands for a cancelled request
    std::int32_t Choice = HallOfFameClosed;
    std::optional<Failure> NameRequestFailure;
    std::vector<std::string> NameRequests;
    std::vector<std::string> Messages;
    std::vector<WindowShown> Windows;
};

// The services of the hall of fame over an in-memory store, in English.
struct HallOfFameServices : DoubleServices {
    HallOfFameServices() : DoubleServices(1) {}

    // Puts an entry into slot index of the store as the program writes it.
    void SeedEntry(int index, const std::string& player, int seconds, const TileArray& deal)
    {
        const std::string section = FormatNumber(index, "\"HallOfFame\\\"00");
        Settings.SaveRegistryString(section, "Player", player, "");
        Settings.SaveRegistryString(section, "Result", ConvertTimeToString(Seconds(seconds)), "");
        Settings.SaveRegistryString(section, "Tiles", ConvertDeal(deal), "");
        Settings.SaveRegistryString(section, "Moves", ConvertDeal(MovesDownward()), "");
        Settings.SaveRegistryString(section, "Stamp", "20040305070809", "");
    }

    // Place i holds "Player<i>" with deal i in 10 * i seconds.
    void SeedPlayers(int count)
    {
        for (int i = 1; i <= count; ++i) SeedEntry(i, "Player" + std::to_string(i), 10 * i, ValidDeal(i));
    }

    std::string ConvertDeal(const TileArray& deal) { return ConvertTilesToString(deal, Report.Errors); }

    std::unique_ptr<HallOfFame> MakeHallOfFame()
    {
        return std::make_unique<HallOfFame>(Settings, Texts, Sound, Report.Errors, SecondsText);
    }
};

} // namespace tessaron::testkit
