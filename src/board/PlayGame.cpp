// The start of every game: new, resumed, loaded from a file or replayed from the hall of
// fame, and the saved current game.
#include "board/Play.h"

#include "records/GameRecord.h"

namespace tessaron {

namespace {
}

OriginKind Play::OriginLabel() const
{
    if (!gameOrigin_.empty()) return OriginKind::Origin;
    return dealResumed_ ? OriginKind::SavedGame : OriginKind::NewGame;
}

void Play::ShowOrigin() { w_.View.ShowGameOrigin(OriginLabel(), gameOrigin_); }

void Play::CreateDeal()
{
    w_.Sound.SoundStart(SoundNewGame);
    gameOrigin_.clear();
    dealResumed_ = false;
    ShowOrigin();
    building_ = true;
    w_.Deals.BuildDeal(dealt_);
    building_ = false;
}

void Play::NewGame()
{
    HideMessages();
    CreateDeal();
    GameStart();
}

void Play::GameStart()
{
    faces_ = dealt_;
    shuffles_.clear();
    shufflesDone_ = 0;
    removedCount_ = 0;
    removedCountMax_ = 0;
    removed_.fill(0);
    selected1_ = 0;
    selected2_ = 0;
    // Taken away from the lowest layer upwards, built again from the top layer down.
    for (std::int32_t tile = TileCount; tile >= 1; --tile) DrawTile(tile, false, false);
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) DrawTile(tile, false, true);
    UpdateTileCount();
    peekMode_ = false;
    hintUsed_ = false;
    w_.Clock.TimerReset();
    counts_ = {};
    ++gamesStarted_;
}

bool Play::GameLoad(const std::string& text)
{
    const bool ok = ConvertTilesFromString(dealt_, text);
    if (!ok) CreateDeal();
    return ok;
}

void Play::ResumeSavedGame()
{
    if (GameLoad(w_.Settings.LoadRegistryString(BoardSection, "Game", ""))) {
        gameOrigin_ = w_.Settings.LoadRegistryString(BoardSection, "GameOrigin", "");
        dealResumed_ = true;
        ShowOrigin();
        w_.Sound.SoundStart(SoundRestartGame);
    }
    GameStart();
}

void Play::GameSave()
{
    // Closing before the first deal was made keeps the game saved at the last exit.
    if (!DealExists()) return;
    if (removedCount_ >= TileCount) {
        w_.Settings.SaveRegistryString(BoardSection, "Game", "", "");
        w_.Settings.SaveRegistryString(BoardSection, "GameOrigin", "", "");
        return;
    }
    w_.Settings.SaveRegistryString(BoardSection, "Game", ConvertTilesToString(dealt_, w_.Errors), "");
    w_.Settings.SaveRegistryString(BoardSection, "GameOrigin", gameOrigin_, "");
}

void Play::StartLoadedDeal(const TileArray& faces, const std::string& origin)
{
    HideMessages();
    dealt_ = faces;
    gameOrigin_ = origin;
    dealResumed_ = false;
    ShowOrigin();
    GameStart();
}

void Play::ReplaySelectedHallOfFameGame()
{
    HideMessages();
    if (GameLoad(w_.HallOfFame.SelectedGameTiles())) {
        w_.Sound.SoundStart(SoundReplayGame);
        gameOrigin_ = w_.HallOfFame.SelectedGameOrigin();
        dealResumed_ = false;
        ShowOrigin();
    }
    GameStart();
}

} // namespace tessaron
