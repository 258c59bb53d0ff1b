#pragma once
// Where the board's deals come from and what becomes of them: the plain new deal from the one
// random generator; numbered deals (Game › New numbered game…, Deal of the day, New game by
// difficulty, "--deal N" and "--daily"); the origin label of a numbered deal ("Deal 12345",
// "Deal 12345 · Hard"); the deal kept at close with its number and the position kept for the
// next start; the history's row of every game; and File › Statistics….
#include "board/DealDifficulty.h"
#include "board/GameCreator.h"
#include "board/Play.h"
#include "records/GameHistory.h"
#include "shell/DealOptions.h"
#include "shell/Services.h"
#include "window/BoardGameRows.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>

class QWidget;

namespace tessaron {

class BoardSurface;
class GameClock;
class LayoutCatalog;
class Preferences;

// Who a numbered deal is: its number, its band when it was built for one, and the day
// (CalendarDay) when it is a deal of the day. Number 0: a deal without a number.
struct DealIdentity {
    std::int32_t Number = 0;
    std::optional<DealBand> Band;
    std::optional<std::int32_t> DailyDay;
    bool operator==(const DealIdentity&) const = default;
};

// Opens the history once the board is on screen, telling trouble of a store that cannot be
// used; null gives a board that keeps no history.
using HistoryOpener = std::function<std::unique_ptr<GameHistory>(HistoryTrouble& trouble)>;

struct DealsWiring {
    const Services& Shared;
    QWidget& Window;  // owns the dialogs
    // The board's background: the history is opened once it has been painted.
    BoardSurface& Surface;
    Play& Model;
    const BoardGeometry& Geometry;
    PlayView& View;
    GameClock& Clock;
    const Preferences& Choices;
    // The key of the layout the board deals on.
    std::function<std::string()> LayoutKey;
    // The layouts the board knows, the player's own among them (for their names).
    std::function<const LayoutCatalog&()> Catalog;
    // Runs a build into faces under the progress window (in show mode the board draws each
    // tile of faces as it is placed): build gets the observer and the show flag.
    std::function<void(TileArray& faces, const std::function<void(GameCreateObserver&, bool)>& build)> Build;
    // Runs a model operation as a player's command (refused while building or paused).
    std::function<void(const std::function<void()>&)> Forward;
    // The game's message dialog with one OK button.
    std::function<void(const std::string&)> ShowMessage;
    HistoryOpener OpenHistory;
};

// How long a deal of a band is searched for before the player is told none was found.
inline constexpr double BandSearchSeconds = 1.8;

class BoardDeals final : private HistoryTrouble {
public:
    explicit BoardDeals(DealsWiring wiring);
    ~BoardDeals() override;

    // The plain new deal from the one random generator: no number.
    void CreateDeal(TileArray& faces, GameCreateObserver& observer, bool show);

    // The Game menu's commands. The number is asked for; refused input never starts a deal.
    void NewNumberedGame();
    // The deal whose number follows from the local date.
    void DealOfTheDay();
    // Tries numbered deals from a random start number until one rates in band, for at most
    // BandSearchSeconds; none found is said.
    void NewGameOfBand(DealBand band);
    // Starts deal identity.Number on the board's layout under the progress window.
    void StartNumberedDeal(const DealIdentity& identity);
    void ShowStatistics();

    // At the first activation, instead of the saved game: the deal asked for on the command
    // line, or its refusal shown. False when nothing was asked (or it was refused).
    bool StartAsked(const std::variant<DealStartRequest, std::string>& asked);
    // At the first activation after the saved deal was resumed: its number when it still is
    // that numbered deal, and the kept position when "KeepProgress" is on, its history row
    // going on with it.
    void ResumeProgress();
    // At close, after the deal was saved: its number beside it, the position kept (or
    // dropped), and the game's row stays open with a kept position, else ends as left.
    void KeepProgress();

    // After every change of the position: a new game gets its identity and its row, an end
    // is written.
    void PositionChanged();
    // The origin label of a numbered deal again, in the current language.
    void ShowOrigin();

    const DealIdentity& Identity() const { return identity_; }
    GameHistory& History();

private:
    void HistoryUnavailable(const HistoryFault& fault) override;
    // Builds and starts a numbered deal; the caller runs it as a player's command.
    void Start(const DealIdentity& identity);
    std::string OriginText(const DealIdentity& identity) const;
    std::optional<DealIdentity> KeptIdentity() const;
    void SaveIdentity();
    // The row kept at the last close goes on with game, or (nothing) is closed.
    void TakeKeptRow(std::optional<std::uint32_t> game);
    GameRow NewRow() const;

    DealsWiring w_;
    GameCreator creator_;
    BoardGameRows rows_;
    std::unique_ptr<GameHistory> history_;
    bool historyOpened_ = false;
    bool openPending_ = false;
    bool troubleShown_ = false;
    DealIdentity identity_;   // of the game on the board
    std::uint32_t seenGame_ = 0;  // Play::GamesStarted of that game
    DealIdentity starting_;   // of the game about to start
};

} // namespace tessaron
