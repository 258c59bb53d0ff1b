// The player's commands go to the model; after each, PositionChanged tells everything that
// follows the position. The model's calls to the hall of fame and the deal builder are
// answered here.
#include "window/frmBoard.h"

#include "help/frmHelp.h"
#include "preferences/Preferences.h"
#include "shell/frmGame.h"
#include "window/BoardAccessibility.h"
#include "window/BoardCommands.h"
#include "window/BoardPause.h"
#include "window/BoardHints.h"
#include "window/BoardKeyboard.h"
#include "window/BoardLayouts.h"
#include "window/BoardLabel.h"
#include "window/CommandButton.h"

#include <QPointer>

namespace tessaron {

namespace {

// Texts of the shuffle.
constexpr std::int16_t ShuffleText = 640;
constexpr std::int16_t ShuffledText = 642;
constexpr std::int16_t NoArrangementText = 643;
constexpr std::int16_t NoneFoundText = 644;

// The progress of a build goes to the progress window; in show mode the board shows the
// table emptied and every tile as it is placed.
class BuildProgress final : public GameCreateObserver {
public:
    BuildProgress(GameCreateObserver& progress, std::function<void()> hideTiles,
                  std::function<void(std::int32_t)> drawPlacedTile)
        : progress_(progress), hideTiles_(std::move(hideTiles)), drawPlacedTile_(std::move(drawPlacedTile))
    {
    }
    void ShowStep(std::int32_t level) override { progress_.ShowStep(level); }
    void HideTiles() override { hideTiles_(); }
    void DrawPlacedTile(std::int32_t tile) override { drawPlacedTile_(tile); }

private:
    GameCreateObserver& progress_;
    std::function<void()> hideTiles_;
    std::function<void(std::int32_t)> drawPlacedTile_;
};
} // namespace

void frmBoard::Forward(const std::function<void()>& operation, bool announce)
{
    // While a deal is built the board waits; only the progress window's Cancel acts.
    if (building_ || pause_->Paused()) return;
    const BoardMoment before = speech_->Moment();
    operation();
    PositionChanged(announce ? &before : nullptr);
}

void frmBoard::SelectByPlayer(std::int32_t tile)
{
    bool accepted = true;
    Forward([this, tile, &accepted] { accepted = play_->SelectTile(tile); });
    if (!accepted && !building_) speech_->AnnounceRefused(tile);
}

void frmBoard::PositionChanged(const BoardMoment* before)
{
    EnableCommands();
    view_.ShowHelpers(*play_);
    Guarded(services_.Errors, BoardObject, "PositionChanged", [this] {
        keyboard_->KeepKeyboardFocus();
        hints_->PositionChanged();
    });
    // Peek mode has switched undo and the clock off for the rest of the game: the board
    // says so in the dead-end text's place, and a screen reader hears it once.
    const BoardLabel* deadEnd = controls_.NoMovePossible();
    BoardLabel* peek = controls_.PeekMode();
    const bool peekWasShown = !peek->isHidden();
    peek->setVisible(play_->PeekMode() && deadEnd->isHidden());
    if (deals_) deals_->PositionChanged();
    if (!before) return;
    QString shownText;
    if (!deadEnd->isHidden())
        shownText = deadEnd->text();
    else if (!peek->isHidden() && !peekWasShown)
        shownText = peek->text();
    speech_->AnnounceChange(*before, shownText,
                            controls_.GameOrigin()->text() + QStringLiteral(", ") + controls_.TilesLeft()->text());
}

void frmBoard::EnableCommands()
{
    Guarded(services_.Errors, BoardObject, "EnableCommands", [this] {
        // Paused, only going on is available.
        CommandAvailability available;
        const bool paused = pause_->Paused();
        if (!paused) available = play_->AvailableCommands(hints_ ? hints_->Verdict() : SolverVerdict::Undecided);
        available.Pause = paused || (!building_ && play_->DealExists() && !play_->GameWon() && !play_->NoMovePossible());
        available.NewDeal = !paused;
        commands_->EnableCommands(available);
    });
}

void frmBoard::imgTile_Click(std::int32_t tile)
{
    clickedTile_ = tile;
    keyboard_->TileClicked(tile);
    SelectByPlayer(tile);
}

void frmBoard::imgTile_DblClick(std::int32_t tile)
{
    if (building_ || pause_->Paused() || !play_->IsPresent(tile)) return;
    // The second press confirms only the tile its first click has just selected: the second
    // of a pair, or the tile to lift in peek mode. Anywhere else it is a click of its own,
    // such as a quick click on the tile a move has just uncovered a few pixels away.
    const bool peek = play_->PeekMode();
    const std::int32_t confirmed = peek ? play_->SelectedTile1() : play_->SelectedTile2();
    if (tile != clickedTile_ || tile != confirmed) {
        imgTile_Click(tile);
        return;
    }
    CommandButton* button = peek ? controls_.RemoveTile() : controls_.RemoveTiles();
    if (button->isEnabled()) button->click();
}

void frmBoard::mnuFileShowHallOfFame_Click()
{
    Forward([this] {
        Guarded(services_.Errors, BoardObject, "mnuFileShowHallOfFame_Click", [this] {
            switch (companions_.ShowHallOfFame(this)) {
            case HallOfFameNewGame:
                layouts_->PickForNewGame();
                play_->NewGame();
                break;
            case HallOfFameChallenge: play_->ReplaySelectedHallOfFameGame(); break;
            default: break;
            }
        });
    });
}

void frmBoard::mnuGameShuffle_Click()
{
    Guarded(services_.Errors, BoardObject, "mnuGameShuffle_Click", [this] {
        if (!play_->AvailableCommands(hints_->Verdict()).Shuffle) return;
        const ShuffleResult result = play_->ShuffleTiles(services_.Random).Result;
        const Locale& texts = services_.Texts;
        if (result == ShuffleResult::Shuffled) {
            speech_->Say(QString::fromStdString(texts.LoadLocaleString(ShuffledText)));
            return;
        }
        const std::int16_t why = result == ShuffleResult::NoWinnableArrangement ? NoArrangementText : NoneFoundText;
        if (services_.MessageBox.AskOkCancel(texts.LoadLocaleString(ShuffleText), texts.LoadLocaleString(why)) ==
            MessageBoxAnswer::Ok)
            play_->UndoLastMove();
    });
}

void frmBoard::mnuOptionTimingActive_Click()
{
    Forward([this] {
        if (play_->AvailableCommands().TimingOption) clock_.Game().ToggleTimingActive(services_.Settings);
        commands_->SetChecked("mnuOptionTimingActive", clock_.Game().TimingActive());
    });
}

void frmBoard::mnuOptionPreferences_Click()
{
    if (building_) return;
    Guarded(services_.Errors, BoardObject, "mnuOptionPreferences_Click", [this] {
        // The menu items may have changed two of the values since they were last read.
        preferences_->Load();
        if (companions_.ShowPreferences(this, *preferences_, play_->AvailableCommands().TimingOption))
            ApplyPreferences();
    });
}

void frmBoard::ApplyPreferences()
{
    Guarded(services_.Errors, BoardObject, "ApplyPreferences", [this] {
        preferences_->Load();
        play_->SetOptions(preferences_->MoveOptions());
        commands_->SetEnterNeverPeeks(preferences_->IsOn(Preference::EnterNeverPeeks));
        clock_.Game().LoadTimingActive(services_.Settings);
        commands_->SetChecked("mnuOptionTimingActive", clock_.Game().TimingActive());
        hints_->LoadWarnLost();
        view_.SetHelpers(preferences_->IsOn(Preference::ShowFreePairs), preferences_->IsOn(Preference::ShowMatches));
        commands_->SetChecked("mnuOptionWarnLost", hints_->WarnLost());
    });
    PositionChanged();
}

void frmBoard::mnuOptionLocaleSelect_Click(int index)
{
    Guarded(services_.Errors, BoardObject, "mnuOptionLocaleSelect_Click", [this, index] {
        services_.Texts.SaveLocale(index);
        SetupLocale();
        // The game is untouched; only its texts are written again in the new language.
        view_.ShowTextsAgain(*play_);
        deals_->ShowOrigin();
        clock_.Game().RefreshText();
        speech_->LanguageChanged();
        for (int item = 0; item < 2; ++item)
            commands_->SetChecked(item == 1 ? "mnuOptionLocaleSelect_1" : "mnuOptionLocaleSelect_0",
                                  item == services_.Texts.GetLocale());
        PositionChanged();
    });
}

std::int32_t frmBoard::InsertGame(double gameTime, const TileArray& tileFaces, const TileArray& removedTiles,
                                  double gameTimeNow)
{
    // The dialogs of the hall of fame open in the middle of the winning move: the commands
    // show the cleared board while they are up.
    PositionChanged();
    const std::int32_t answer = companions_.InsertGame(this, gameTime, tileFaces, removedTiles, gameTimeNow);
    // The model deals the new game next, on the layout in use then.
    if (answer == HallOfFameNewGame) layouts_->PickForNewGame();
    return answer;
}

std::string frmBoard::SelectedGameOrigin() { return companions_.SelectedGameOrigin(); }

std::string frmBoard::SelectedGameTiles() { return companions_.SelectedGameTiles(); }

void frmBoard::BuildDeal(TileArray& faces)
{
    BuildWith(faces, [this, &faces](GameCreateObserver& observer, bool show) {
        deals_->CreateDeal(faces, observer, show);
    });
}

void frmBoard::BuildWith(TileArray& faces, const std::function<void(GameCreateObserver&, bool)>& build)
{
    const bool wasActive = isActiveWindow();
    building_ = true;
    PositionChanged();  // nothing to hint at while the deal is half built
    // The progress window closes itself a second after the build and is deleted then.
    QPointer<frmGame> progress = new frmGame(services_.Texts, services_.Errors, this, options_.EndProgram);
    BuildProgress observer(
        *progress, [this] { controls_.HideTiles(); },
        [this, &faces](std::int32_t tile) { view_.DrawTile(tile, faces[tile], false, true); });
    build(observer, options_.GameCreateShow);
    building_ = false;
    // The keyboard belongs to the board again as soon as the deal is there.
    if (wasActive) activateWindow();
}

} // namespace tessaron
