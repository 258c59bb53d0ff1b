#include "window/BoardDeals.h"

#include "window/BoardSurface.h"

#include "board/DailyDeal.h"
#include "board/DealNumber.h"
#include "board/LayoutCatalog.h"
#include "preferences/Preferences.h"
#include "records/DateTimeText.h"
#include "records/ProgressRecord.h"
#include "shell/TextTools.h"
#include "statistics/frmDealNumber.h"
#include "statistics/frmStatistics.h"
#include "window/BoardSurface.h"
#include "window/GameClock.h"
#include "window/TimeGone.h"

#include <QTimer>
#include <QWidget>

#include <charconv>
#include <chrono>

namespace tessaron {

namespace {

// Beside "Game" and "GameOrigin", only for a numbered deal.
constexpr const char* NumberKey = "GameNumber";
constexpr const char* BandKey = "GameBand";
constexpr const char* DayKey = "GameDay";
// The history row of the game whose progress was kept at close, written only then.
constexpr const char* KeptRowKey = "GameRow";
constexpr std::int16_t NumberAndBandText = 870;  // "^0 · ^1"

struct NoProgress final : GameCreateObserver {
    void ShowStep(std::int32_t) override {}
};

// Many builds under one progress window: its step 0 counts the deals tried, and only the
// search's own end closes it.
class SearchProgress final : public GameCreateObserver {
public:
    explicit SearchProgress(GameCreateObserver& progress) : progress_(progress) {}
    void ShowStep(std::int32_t level) override
    {
        if (level >= 0) progress_.ShowStep(level);
    }

private:
    GameCreateObserver& progress_;
};

std::optional<std::int32_t> ReadWhole(const std::string& text)
{
    std::int32_t value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (fault != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

} // namespace

BoardDeals::BoardDeals(DealsWiring wiring)
    : w_(std::move(wiring)), creator_(w_.Geometry, w_.Shared.Random, w_.Shared.Errors), rows_(w_.Shared.Time, [this] { return w_.Clock.PausedSeconds(); })
{
}

BoardDeals::~BoardDeals() = default;

void BoardDeals::CreateDeal(TileArray& faces, GameCreateObserver& observer, bool show)
{
    creator_.GameCreate(faces, observer, show);
}

void BoardDeals::NewNumberedGame()
{
    w_.Forward([this] {
        Guarded(w_.Shared.Errors, BoardObject, "mnuGameNewNumbered_Click", [this] {
            if (const std::optional<std::int32_t> number = frmDealNumber(w_.Shared, &w_.Window).Ask(&w_.Window))
                Start({*number, std::nullopt, std::nullopt});
        });
    });
}

void BoardDeals::DealOfTheDay()
{
    w_.Forward([this] {
        Guarded(w_.Shared.Errors, BoardObject, "mnuGameDealOfTheDay_Click", [this] {
            // "yyyymmddhhnnss" of the local moment: the date as the player's calendar shows it.
            const std::string now = ConvertDateTimeToString(w_.Shared.Time.Now());
            const auto part = [&now](std::size_t at, std::size_t length) {
                return ReadWhole(now.substr(at, length)).value_or(0);
            };
            const std::int32_t year = part(0, 4), month = part(4, 2), day = part(6, 2);
            const std::optional<std::int32_t> number = DailyDealNumber(year, month, day);
            if (!number) Fail(ErrInvalidCall);
            Start({*number, std::nullopt, CalendarDay(year, month, day)});
        });
    });
}

void BoardDeals::NewGameOfBand(DealBand band)
{
    w_.Forward([this, band] {
        Guarded(w_.Shared.Errors, BoardObject, "mnuGameDifficulty_Click", [this, band] {
            const std::string key = w_.LayoutKey();
            std::int32_t number = FindRandomLong(w_.Shared.Random, LastDealNumber, FirstDealNumber, 0);
            std::int32_t tries = 0;
            bool found = false;
            TileArray faces{};
            w_.Build(faces, [&](GameCreateObserver& observer, bool) {
                // Each try is shown by the window's first step; the board shows no tiles of
                // deals that are not kept.
                SearchProgress progress(observer);
                const auto start = std::chrono::steady_clock::now();
                while (!found && tries < BandSearchTries) {
                    ++tries;
                    CreateNumberedDeal(w_.Geometry, key, number, faces, progress, false, w_.Shared.Errors);
                    found = RateDeal(w_.Geometry, key, faces).Band == band;
                    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
                    if (found || spent.count() > BandSearchSeconds) break;
                    number = number == LastDealNumber ? FirstDealNumber : number + 1;
                }
                observer.ShowStep(-1);
            });
            if (!found) {
                w_.ShowMessage(BandSearchFailedText(band, tries, w_.Shared.Texts.LocaleStringBase));
                return;
            }
            w_.Shared.Sound.SoundStart(SoundNewGame);
            starting_ = {number, band, std::nullopt};
            w_.Model.StartLoadedDeal(faces, OriginText(starting_));
        });
    });
}

void BoardDeals::StartNumberedDeal(const DealIdentity& identity)
{
    w_.Forward([this, identity] {
        Guarded(w_.Shared.Errors, BoardObject, "StartNumberedDeal", [this, &identity] { Start(identity); });
    });
}

void BoardDeals::Start(const DealIdentity& identity)
{
    const std::string key = w_.LayoutKey();
    TileArray faces{};
    w_.Shared.Sound.SoundStart(SoundNewGame);
    w_.Build(faces, [&](GameCreateObserver& observer, bool show) {
        CreateNumberedDeal(w_.Geometry, key, identity.Number, faces, observer, show, w_.Shared.Errors);
    });
    // Every numbered deal shows its difficulty; a deal of a band knows it already.
    starting_ = identity;
    if (!starting_.Band) starting_.Band = RateDeal(w_.Geometry, key, faces).Band;
    w_.Model.StartLoadedDeal(faces, OriginText(starting_));
}

void BoardDeals::ShowStatistics()
{
    Guarded(w_.Shared.Errors, BoardObject, "mnuFileStatistics_Click", [this] {
        frmStatistics(w_.Shared, History(), w_.Catalog(), &w_.Window).ShowAsDialog(&w_.Window);
    });
}

bool BoardDeals::StartAsked(const std::variant<DealStartRequest, std::string>& asked)
{
    if (const auto* refusal = std::get_if<std::string>(&asked)) {
        w_.ShowMessage(*refusal);
        return false;
    }
    const DealStartRequest& request = std::get<DealStartRequest>(asked);
    if (request.What == DealStartRequest::Kind::None) return false;
    TakeKeptRow(std::nullopt);
    // Deals are numbered per layout: "--layout KEY" has put the board on its layout already
    // (an unknown key was reported there and the classic layout taken).
    if (request.What == DealStartRequest::Kind::Daily)
        DealOfTheDay();
    else
        StartNumberedDeal({request.Number, std::nullopt, std::nullopt});
    return true;
}

std::optional<DealIdentity> BoardDeals::KeptIdentity() const
{
    const Registry& settings = w_.Shared.Settings;
    const std::string text = settings.LoadRegistryString(BoardSection, NumberKey, "");
    const DealNumberReading reading = ParseDealNumber(text);
    if (text.empty() || reading.Fault != DealNumberFault::None) return std::nullopt;
    // The number belongs to the resumed deal only while it still builds that deal (not after
    // a game of another version or layout was saved without these keys being removed).
    TileArray faces{};
    NoProgress silent;
    CreateNumberedDeal(w_.Geometry, w_.LayoutKey(), reading.Number, faces, silent, false, w_.Shared.Errors);
    if (faces != w_.Model.DealtFaces()) return std::nullopt;
    DealIdentity identity{reading.Number, std::nullopt, std::nullopt};
    identity.Band = DealBandFromKey(settings.LoadRegistryString(BoardSection, BandKey, ""));
    identity.DailyDay = ReadWhole(settings.LoadRegistryString(BoardSection, DayKey, ""));
    return identity;
}

void BoardDeals::ResumeProgress()
{
    Play& play = w_.Model;
    if (!play.DealResumed()) return TakeKeptRow(std::nullopt);
    if (const std::optional<DealIdentity> kept = KeptIdentity()) {
        starting_ = *kept;
        w_.View.ShowGameOrigin(OriginKind::Origin, OriginText(*kept));
    }
    // A damaged or impossible kept position is dropped silently: the deal starts full.
    const std::optional<GameProgress> progress =
        w_.Choices.IsOn(Preference::KeepProgress)
            ? LoadGameProgress(w_.Shared.Settings, w_.Geometry, play.TileFaces())
            : std::nullopt;
    const bool restored = progress && play.RestoreProgress(*progress);
    TakeKeptRow(restored ? std::optional<std::uint32_t>(play.GamesStarted()) : std::nullopt);
    if (!restored) return;
    // Only a game in timed play has a clock to go on; peek and hints switched it off.
    if (progress->RemovedCount == 0 || progress->PeekMode || progress->HintUsed) return;
    w_.Clock.ResumeGameTime(progress->GameTime);
    if (!play.NoMovePossible()) w_.Clock.TimerStart();
}

void BoardDeals::KeepProgress()
{
    const Play& play = w_.Model;
    SaveIdentity();
    std::optional<GameProgress> kept;
    if (w_.Choices.IsOn(Preference::KeepProgress) && play.DealExists() && !play.GameWon()) {
        kept = play.Progress();
        if (kept->RemovedCount > 0 && !kept->PeekMode && !kept->HintUsed) {
            w_.Clock.UpdateGameTime();
            kept->GameTime = w_.Clock.GameTime();
        }
    }
    std::optional<KeptGameRow> row;
    if (SaveGameProgress(w_.Shared.Settings, kept))
        row = rows_.Keep(historyOpened_ ? history_.get() : nullptr);
    else if (historyOpened_)
        rows_.Leave(*history_);
    w_.Shared.Settings.SaveRegistryString(BoardSection, KeptRowKey, row ? EncodeKeptGameRow(*row) : "", "");
}

void BoardDeals::TakeKeptRow(std::optional<std::uint32_t> game)
{
    if (const std::optional<KeptGameRow> kept =
            DecodeKeptGameRow(w_.Shared.Settings.LoadRegistryString(BoardSection, KeptRowKey, "")))
        rows_.Resume(*kept, game);
}

void BoardDeals::SaveIdentity()
{
    const Play& play = w_.Model;
    // As the saved deal: untouched before the first deal, gone with a cleared board.
    if (!play.DealExists()) return;
    const bool numbered = play.RemovedCount() < TileCount && identity_.Number != 0;
    Registry& settings = w_.Shared.Settings;
    settings.SaveRegistryString(BoardSection, NumberKey, numbered ? std::to_string(identity_.Number) : "", "");
    settings.SaveRegistryString(BoardSection, BandKey,
                                numbered && identity_.Band ? std::string(DealBandKey(*identity_.Band)) : "", "");
    settings.SaveRegistryString(BoardSection, DayKey,
                                numbered && identity_.DailyDay ? std::to_string(*identity_.DailyDay) : "", "");
}

void BoardDeals::PositionChanged()
{
    if (!w_.Model.DealExists()) return;
    // The identity of a game is settled when the game is first seen to have started.
    if (w_.Model.GamesStarted() != seenGame_) {
        seenGame_ = w_.Model.GamesStarted();
        identity_ = starting_;
        starting_ = {};
    }
    // The history is opened once the board with its first deal has been painted and what
    // waited for that paint has run, so the start waits neither for the file nor for the
    // database library.
    if (!historyOpened_) {
        if (!openPending_) {
            QObject::connect(
                &w_.Surface, &BoardSurface::Painted, &w_.Window,
                [this] {
                    QTimer::singleShot(0, &w_.Window, [this] {
                        QTimer::singleShot(0, &w_.Window, [this] {
                            History();
                            PositionChanged();
                        });
                    });
                },
                Qt::SingleShotConnection);
            w_.Surface.update();
        }
        openPending_ = true;
        return;
    }
    Guarded(w_.Shared.Errors, BoardObject, "GameHistory", [this] {
        const Play& play = w_.Model;
        const GameClock& clock = w_.Clock;
        // At a win against the clock the model has just brought the clock's time up to date.
        std::optional<double> clockSeconds;
        if (play.GameWon() && clock.TimingActive() && !play.HintUsed())
            clockSeconds = clock.GameTime() * SecondsPerDay;
        rows_.PositionChanged(History(), play, clock.TimingActive(), clockSeconds, [this] { return NewRow(); });
    });
}

void BoardDeals::ShowOrigin()
{
    if (identity_.Number != 0) w_.View.ShowGameOrigin(OriginKind::Origin, OriginText(identity_));
}

GameHistory& BoardDeals::History()
{
    if (!historyOpened_) {
        historyOpened_ = true;
        if (w_.OpenHistory) history_ = w_.OpenHistory(*this);
        if (!history_) history_ = std::make_unique<NoGameHistory>();
    }
    return *history_;
}

void BoardDeals::HistoryUnavailable(const HistoryFault& fault)
{
    if (troubleShown_) return;
    troubleShown_ = true;
    w_.ShowMessage(HistoryFaultText(fault, w_.Shared.Texts.LocaleStringBase));
}

std::string BoardDeals::OriginText(const DealIdentity& identity) const
{
    const int base = w_.Shared.Texts.LocaleStringBase;
    const std::string deal = DealOriginText(identity.Number, base);
    if (!identity.Band) return deal;
    return ReplaceSubString(ReplaceSubString(w_.Shared.Texts.LoadLocaleString(NumberAndBandText), "^0", deal), "^1",
                            std::string(DealBandName(*identity.Band, base)));
}

GameRow BoardDeals::NewRow() const
{
    GameRow row;
    row.Started = ConvertDateTimeToString(w_.Shared.Time.Now());
    row.LayoutKey = w_.LayoutKey();
    row.Number = identity_.Number;
    row.Band = identity_.Band;
    row.DailyDay = identity_.DailyDay;
    return row;
}

} // namespace tessaron
