// The board window's set-up and wiring, its first activation and its closing.
#include "window/frmBoard.h"

#include "board/LayoutCatalog.h"
#include "help/frmHelp.h"
#include "preferences/Preferences.h"
#include "window/BoardAccessibility.h"
#include "window/BoardCommands.h"
#include "window/BoardFiles.h"
#include "window/BoardHints.h"
#include "window/BoardKeyboard.h"
#include "window/BoardLayouts.h"
#include "window/BoardPause.h"
#include "window/BoardSurface.h"
#include "window/BoardWindowPlace.h"
#include "window/CommandButton.h"
#include "window/TilePicture.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#include <cstdlib>
#include <string_view>
#include <utility>

namespace tessaron {

namespace {
const char* LocaleItem(int index) { return index == 1 ? "mnuOptionLocaleSelect_1" : "mnuOptionLocaleSelect_0"; }
const char* DifficultyItem(int band)
{
    constexpr const char* Items[] = {"mnuGameDifficulty_0", "mnuGameDifficulty_1", "mnuGameDifficulty_2",
                                     "mnuGameDifficulty_3"};
    return Items[band];
}
} // namespace

frmBoard::frmBoard(Services& services, BoardCompanions& companions, BoardOptions options, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      companions_(companions),
      options_(std::move(options)),
      geometry_(services.Errors),
      controls_(this, [this] { SoundStop(); }, options_.PictureWorkers),
      view_(controls_, services.Texts, services.Errors),
      clock_(services.Time, options_.Timer, services.Texts, services.Errors,
             [this](const std::string& text) { view_.ShowTimeGone(text); })
{
    setObjectName(QStringLiteral("frmBoard"));
    if (!options_.EndProgram) options_.EndProgram = [] { std::_Exit(EXIT_SUCCESS); };
    setWindowTitle(QString::fromStdString(services_.Program.Title));
    setCentralWidget(controls_.Surface());
    play_ = std::make_unique<Play>(PlayWiring{geometry_, view_, clock_.Game(), services.Sound, *this, *this,
                                              services.Settings, services.Errors});

    // The surface holds the keyboard focus, so a screen reader follows the board's tiles.
    QWidget* surface = controls_.Surface();
    surface->setFocusPolicy(Qt::StrongFocus);
    surface->setFocus();
    speech_ = new BoardSpeech(*play_, geometry_, services_.Texts,
                              [this] { return keyboard_ && keyboard_->FocusShown() ? keyboard_->FocusTile() : 0; },
                              surface);
    speech_->SetHelpers(&view_.Helpers());
    // Of no size at every scale: a reader speaks them, the sighted player sees the labels.
    for (QLabel* announcer : speech_->Announcers()) controls_.AddControl(announcer, QRectF());
    InstallBoardAccessibility();
    pause_ = new BoardPause(PauseWiring{
        *this, controls_, clock_.Game(), *speech_,
        [this] { return !building_ && play_->DealExists() && !play_->GameWon() && !play_->NoMovePossible(); },
        [this] {
            const Play& play = *play_;
            for (std::int32_t tile = 1; tile <= TileCount; ++tile)
                view_.DrawTile(tile, play.TileFaces()[tile],
                               tile == play.SelectedTile1() || tile == play.SelectedTile2(), play.IsPresent(tile));
        },
        [this] { EnableCommands(); }, [this] { PositionChanged(); }});

    commands_ = std::make_unique<BoardCommands>(*this, *surface);
    keyboard_ = std::make_unique<BoardKeyboard>(
        *this, controls_, geometry_, *play_, *speech_,
        KeyboardActions{[this] { return building_; },
                        [this](std::int32_t tile) { SelectByPlayer(tile); },
                        [this] { Forward([this] { play_->ResetSelection(); }); },
                        [this] { menuBar()->setActiveAction(commands_->Menu(BoardMenu::File)->menuAction()); }});
    layouts_ = std::make_unique<BoardLayouts>(LayoutWiring{services_, companions_, geometry_, controls_, *speech_});
    files_ = std::make_unique<BoardFiles>(services_, *play_, *layouts_, *this);
    hints_ = std::make_unique<BoardHints>(HintWiring{
        services_, companions_, *this, *play_, geometry_, options_.Solver, *controls_.GameLost(), *speech_, *keyboard_,
        [this](const std::function<void()>& operation) { Forward(operation, false); }, [this] { EnableCommands(); },
        [this](const char* item) { commands_->Item(item)->trigger(); }, options_.DemoTimer});
    preferences_ = std::make_unique<Preferences>(services_.Settings);
    deals_ = std::make_unique<BoardDeals>(DealsWiring{
        services_, *this, *controls_.Surface(), *play_, geometry_, view_, clock_.Game(), *preferences_,
        [this] { return layouts_->Current().Key; }, [this]() -> const LayoutCatalog& { return layouts_->Catalog(); },
        [this](TileArray& faces, const std::function<void(GameCreateObserver&, bool)>& build) { BuildWith(faces, build); },
        [this](const std::function<void()>& operation) { Forward(operation); },
        [this](const std::string& message) { companions_.ShowMessage(this, message); }, options_.OpenHistory});
    ConnectCommands();
    Form_Load();
}

frmBoard::~frmBoard() = default;

void frmBoard::SetGameCreateShow(bool show) { options_.GameCreateShow = show; }

const Play& frmBoard::Model() const { return *play_; }

const GameClock& frmBoard::GameClockState() const { return clock_.Game(); }

ClockTimer* frmBoard::OwnTimer() const { return clock_.OwnTimer(); }

std::int32_t frmBoard::KeyboardFocusTile() const { return keyboard_->FocusTile(); }

bool frmBoard::KeyboardFocusShown() const { return keyboard_->FocusShown(); }

const BoardPlaces& frmBoard::Places() const { return controls_.Places(); }

const BoardPictures& frmBoard::Pictures() const { return controls_.Pictures(); }

const BoardLayouts& frmBoard::Layouts() const { return *layouts_; }

int frmBoard::PictureScaleShown() const { return controls_.PictureScaleShown(); }

int frmBoard::PictureScaleWanted() const { return controls_.PictureScaleWanted(); }

BoardDeals& frmBoard::Deals() const { return *deals_; }

void frmBoard::ConnectCommands()
{
    for (std::int32_t tile = 1; tile <= TileCount; ++tile) {
        connect(controls_.Tile(tile), &TilePicture::Clicked, this, &frmBoard::imgTile_Click);
        connect(controls_.Tile(tile), &TilePicture::DoubleClicked, this, &frmBoard::imgTile_DblClick);
    }
    auto button = [this](CommandButton* pressed, void (Play::*operation)()) {
        connect(pressed, &QPushButton::clicked, this, [this, operation] { Forward([this, operation] { ((*play_).*operation)(); }); });
    };
    button(controls_.RemoveTiles(), &Play::DoMove);
    button(controls_.RemoveTile(), &Play::Peek);
    button(controls_.UndoLastMove(), &Play::UndoLastMove);
    button(controls_.RedoNextMove(), &Play::RedoNextMove);

    // The Game menu's move items press these buttons (see the commands table).
    BoardCommands& commands = *commands_;
    // Any command but the demo's own stops a running demo before it acts.
    for (const CommandRow& row : BoardCommandRows())
        if (std::string_view(row.Name) != "mnuGameDemo") commands.On(row.Name, [this] { hints_->StopDemo(); });
    commands.On("mnuFileNewGame", [this] {
        Forward([this] {
            layouts_->PickForNewGame();
            play_->NewGame();
        });
    });
    // The new deal goes through Forward, so it is announced.
    commands.On("mnuFileLoadGame", [this] {
        if (building_ || pause_->Paused()) return;
        files_->LoadGame([this](const std::function<void()>& load) { Forward(load); });
        PositionChanged();
    });
    commands.On("mnuFileSaveGame", [this] {
        if (!building_ && !pause_->Paused()) files_->SaveGame();
    });
    commands.On("mnuFileShowHallOfFame", [this] { mnuFileShowHallOfFame_Click(); });
    commands.On("mnuFileStatistics", [this] {
        if (!building_) deals_->ShowStatistics();
    });
    commands.On("mnuGameNewNumbered", [this] { deals_->NewNumberedGame(); });
    commands.On("mnuGameDealOfTheDay", [this] { deals_->DealOfTheDay(); });
    for (int band = 0; band < DealBandCount; ++band)
        commands.On(DifficultyItem(band), [this, band] { deals_->NewGameOfBand(DealBand(band)); });
    commands.On("mnuFileQuit", [this] { close(); });
    commands.On("mnuGameRestartGame", [this] { Forward([this] { play_->RestartGame(); }); });
    // Its cost is charged when the answer is shown: a hint dropped because the player moved
    // first costs nothing.
    // The hint says itself when it comes, at once or later.
    commands.On("mnuGamePause", [this] { pause_->Toggle(); });
    commands.On("mnuGameHint", [this] {
        Forward(
            [this] {
                if (play_->AvailableCommands().Hint) hints_->RequestHint();
            },
            false);
    });
    commands.On("mnuGameShuffle", [this] { Forward([this] { mnuGameShuffle_Click(); }, false); });
    commands.On("mnuGameDemo", [this] {
        if (!building_ && !pause_->Paused()) hints_->ToggleDemo();
    });
    commands.On("mnuGameLayout", [this] {
        Forward([this] {
            if (layouts_->Choose(this)) play_->NewGame();
        });
    });
    commands.On("mnuOptionTimingActive", [this] { mnuOptionTimingActive_Click(); });
    commands.On("mnuOptionWarnLost", [this] { commands_->SetChecked("mnuOptionWarnLost", hints_->ToggleWarnLost()); });
    commands.On("mnuOptionFullScreen", [this] {
        if (isFullScreen())
            showNormal();
        else
            showFullScreen();
        commands_->SetChecked("mnuOptionFullScreen", isFullScreen());
    });
    commands.On("mnuOptionPreferences", [this] { mnuOptionPreferences_Click(); });
    commands.On("mnuOptionEditSounds", [this] {
        Guarded(services_.Errors, BoardObject, "mnuOptionEditSounds_Click", [this] { companions_.ShowSoundDialog(this); });
    });
    for (int index = 0; index < 2; ++index)
        commands.On(LocaleItem(index), [this, index] { mnuOptionLocaleSelect_Click(index); });
    commands.On("mnuHelpHowToPlay", [this] {
        Guarded(services_.Errors, BoardObject, "mnuHelpHowToPlay_Click", [this] {
            if (!help_) help_ = new frmHelp(services_.Texts, services_.Errors, this);
            help_->Display(this);
        });
    });
    commands.On("mnuHelpAbout", [this] {
        Guarded(services_.Errors, BoardObject, "mnuHelpAbout_Click", [this] { companions_.ShowAboutDialog(this); });
    });
}

void frmBoard::Form_Load()
{
    Guarded(services_.Errors, BoardObject, "Form_Load", [&] {
        SetupLocale();
        layouts_->UseAtStart(options_.StartLayout);
        commands_->SetChecked(LocaleItem(services_.Texts.GetLocale()), true);
        ApplyPreferences();
    });
    // The window's size is known only now; its stored place is checked against it. Its
    // own size, not adjustSize's share of the screen: FormLocationLoad fits it to the screen.
    resize(sizeHint());
    controls_.PlaceControls();
    FormLocationLoad(*this, services_.Settings, services_.Errors);
}

void frmBoard::SetupLocale()
{
    Guarded(services_.Errors, BoardObject, "SetupLocale", [this] {
        commands_->SetupLocale(services_.Texts);
        view_.SetupLocale();
        files_->SetupLocale();
        hints_->SetupLocale();
        if (help_) help_->SetupLocale();
    });
}

void frmBoard::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (controls_.WasShown()) return;
    controls_.WindowShown();
    // Now the window manager's frame is known (or soon is): the window is shrunk once more
    // if its frame makes it larger than the free area.
    QTimer::singleShot(0, this, [this] { FitToScreen(*this); });
    // On a screen with another pixel density the pictures of another resolution are drawn.
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, [this] { controls_.PlaceControls(); });
    // Once the window is on screen: the progress window of a new deal stands over it.
    QTimer::singleShot(0, this, &frmBoard::Form_Activate);
}

void frmBoard::Form_Activate()
{
    // A deal asked for on the command line replaces the saved one, as a new game does.
    if (deals_->StartAsked(options_.StartDeal)) return;
    Forward([this] {
        Guarded(services_.Errors, BoardObject, "Form_Activate", [this] {
            play_->ResumeSavedGame();
            deals_->ResumeProgress();
        });
    });
}

void frmBoard::closeEvent(QCloseEvent* event)
{
    // Half a deal must not be saved: a build in progress can only be cancelled.
    if (building_) {
        event->ignore();
        return;
    }
    // A hint or warning that arrived now would open a message over a closed window.
    hints_->Stop();
    Guarded(services_.Errors, BoardObject, "Form_Unload", [this] {
        FormLocationSave(*this, services_.Settings, services_.Errors);
        play_->GameSave();
        deals_->KeepProgress();
        clock_.Game().TimerStop();
    });
    event->accept();
}

void frmBoard::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (preferences_->IsOn(Preference::PauseWhenHidden)) pause_->Pause();
}

void frmBoard::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() &&
        preferences_->IsOn(Preference::PauseWhenHidden))
        pause_->Pause();
}

void frmBoard::SoundStop()
{
    Guarded(services_.Errors, BoardObject, "SoundStop", [this] { services_.Sound.SoundStop(); });
}

} // namespace tessaron
