#pragma once
// A board model wired to recording doubles: what the view was told, the sounds raised,
// the hall of fame calls and a clock moved by hand.
#include "play/KnownDeals.h"
#include "board/Play.h"
#include "doubles/FixedSystemLocale.h"
#include "doubles/ManualClock.h"
#include "doubles/ManualTimer.h"
#include "doubles/MemorySettingsStore.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/RecordingSound.h"
#include "shell/Locale.h"
#include "shell/Registry.h"
#include "window/GameClock.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace tessaron {

class RecordingPlayView final : public PlayView, public ClockView {
public:
    void DrawTile(std::int32_t tile, std::int32_t face, bool, bool visible) override
    {
        Visible.at(tile) = visible;
        Faces.at(tile) = face;
        Draws.push_back(tile);
    }
    void ShowTileCount(std::int32_t tilesLeft) override { TileCount = tilesLeft; }
    void ShowGameOrigin(OriginKind kind, const std::string& origin) override
    {
        Kind = kind;
        Origin = origin;
    }
    void ShowNoMovePossible(bool shown) override { NoMovePossibleShown = shown; }
    void ShowGameWon(bool shown) override { GameWonShown = shown; }
    void ShowTimeGone(const std::string& text) override { TimeGone = text; }

    int VisibleCount() const { return int(std::count(Visible.begin(), Visible.end(), true)); }

    TilePresence Visible{};
    TileArray Faces{};  // the face each tile was last drawn with
    std::vector<std::int32_t> Draws;
    std::int32_t TileCount = -1;
    OriginKind Kind = OriginKind::NewGame;
    std::string Origin;
    bool NoMovePossibleShown = false;
    bool GameWonShown = false;
    std::string TimeGone;
};

// Hands out the deals the test queued; the fallback deal once the queue is empty.
class QueuedDeals final : public DealBuilder {
public:
    void BuildDeal(TileArray& faces) override
    {
        ++Builds;
        if (!Deals.empty()) {
            faces = Deals.front();
            Deals.pop_front();
        } else {
            faces = Fallback;
        }
    }
    std::deque<TileArray> Deals;
    TileArray Fallback{};
    int Builds = 0;
};

class ScriptedHallOfFame final : public HallOfFameGate {
public:
    struct Call {
        double GameTime;
        TileArray Faces;
        TileArray Removed;
        double GameTimeNow;
    };
    std::int32_t InsertGame(double gameTime, const TileArray& faces, const TileArray& removed,
                            double gameTimeNow) override
    {
        Calls.push_back({gameTime, faces, removed, gameTimeNow});
        return Answer;
    }
    std::string SelectedGameOrigin() override { return Origin; }
    std::string SelectedGameTiles() override { return Tiles; }

    std::int32_t Answer = HallOfFameNotShown;
    std::string Origin;
    std::string Tiles;
    std::vector<Call> Calls;
};

struct PlayBench {
    explicit PlayBench(std::uint64_t seed = 7)
    {
        Geometry.CreateTileRelations(BoardLayout, 36.0f, 52.0f);
        Texts.SetLocale();
        Deal = GenerateDeal(Geometry, Report.Errors, seed);
        Deals.Fallback = Deal.Faces;
    }
    PlayBench(const PlayBench&) = delete;
    PlayBench& operator=(const PlayBench&) = delete;

    // Selects the two tiles and presses Do move.
    void Move(std::int32_t first, std::int32_t second)
    {
        Model.SelectTile(first);
        Model.SelectTile(second);
        Model.DoMove();
    }
    // Takes off pair k of the known deal (pairs come off from 72 down to 1).
    void MovePair(int k) { Move(Deal.Pair(k).first, Deal.Pair(k).second); }
    // A new game (on the queued deal, else the known one), with the sounds forgotten.
    void Start()
    {
        Model.NewGame();
        Sound.Clear();
    }

    RecordingErrorReport Report;
    BoardGeometry Geometry{Report.Errors};
    MemorySettingsStore Store;
    FixedSystemLocale System;
    Registry Settings{Store, Report.Errors, System};
    Locale Texts{Settings, Report.Errors, System};
    RecordingSound Sound;
    ManualClock Time;
    ManualTimer Timer;
    RecordingPlayView View;
    QueuedDeals Deals;
    ScriptedHallOfFame HallOfFame;
    GameClock Clock{Time, Timer, View, Texts, Report.Errors};
    KnownDeal Deal;
    Play Model{PlayWiring{Geometry, View, Clock, Sound, HallOfFame, Deals, Settings, Report.Errors}};
};

} // namespace tessaron
