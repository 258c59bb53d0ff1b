#pragma once
// The board window: the background, 144 tile pictures, four corner buttons, four labels,
// the win banners and the menu bar. It owns the board model and forwards every click and
// command to it; what it shows is what the model tells it.
#include "board/BoardGeometry.h"
#include "board/GameCreator.h"
#include "board/KeyboardFocus.h"
#include "board/Play.h"
#include "shell/Services.h"
#include "window/BoardCompanions.h"
#include "window/BoardPictures.h"
#include "window/BoardPlaces.h"
#include "window/BoardScale.h"
#include "window/BoardSolver.h"
#include "window/GameClock.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;
class QThreadPool;

namespace tessaron {

class BoardLabel;
class PictureDecoder;
class BoardSpeech;
class BoardSurface;
class CommandButton;
class TilePicture;

struct BoardOptions {
    // The clock's 1000 ms tick; null gives a real timer.
    ClockTimer* Timer = nullptr;
    // What Cancel in the progress window does: end the program at once, saving nothing.
    std::function<void()> EndProgram;
    // Solves positions for the lost-game warning and hints; null gives a worker thread.
    PositionSolver* Solver = nullptr;
    // Decodes the pictures of a new resolution; null gives a worker thread.
    QThreadPool* PictureWorkers = nullptr;
};

class frmBoard final : public QMainWindow,
                       private PlayView,
                       private ClockView,
                       private HallOfFameGate,
                       private DealBuilder,
                       private HintView {
    Q_OBJECT
public:
    frmBoard(Services& services, BoardCompanions& companions, BoardOptions options = {}, QWidget* parent = nullptr);
    ~frmBoard() override;

    // Show each tile as it is placed while a deal is built ("-GameCreateShow").
    void SetGameCreateShow(bool show) { gameCreateShow_ = show; }

    const Play& Model() const { return *play_; }
    const GameClock& GameClockState() const { return *clock_; }
    // The 1000 ms tick of the real timer (null when the timer was passed in).
    ClockTimer* OwnTimer() const { return ownTimer_.get(); }
    // The tile the keyboard focus rests on (0 when there is none to rest on) and whether its
    // ring shows (only once an arrow key was used).
    std::int32_t KeyboardFocusTile() const { return focusTile_; }
    bool KeyboardFocusShown() const { return focusShown_; }
    // Every control of the board with its place in board units.
    const BoardPlaces& Places() const { return places_; }
    const BoardPictures& Pictures() const { return pictures_; }
    // The resolution of the pictures shown (1..3), and the one the window's size calls for;
    // they differ while the pictures of a new resolution are being decoded.
    int PictureScaleShown() const { return pictureScale_; }
    int PictureScaleWanted() const { return wantedPictureScale_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // frmBoard.cpp: set-up, first activation, closing, window place.
    void Form_Load();
    void Form_Activate();
    void CreateControls();
    void FormLocationLoad();
    // The size of the window manager's frame around the window.
    QSize FrameExtra() const;
    void FitToScreen();
    void FormLocationSave();
    double TwipsPerPixel() const;
    void SoundStop();

    // BoardPlacing.cpp: the board fitted to the window's size.
    void PlaceControls();
    // The resource paths of every picture on the board now.
    std::vector<std::string> PicturesShown() const;
    void PicturesDecoded(DecodedPictures decoded, int scale);
    void ShowPicturesAtScale(int scale);

    // BoardMenus.cpp: menu bar, captions, enabled states, language.
    void CreateMenus();
    void SetupLocale();
    void EnableCommands();
    void ClickCommandButton(QPushButton* button);
    void PressDefaultButton();
    void mnuFileNewGame_Click();
    void mnuFileShowHallOfFame_Click();
    void mnuGameRemoveTile_Click();
    void mnuGameRestartGame_Click();
    void mnuOptionTimingActive_Click();
    void mnuOptionLocaleSelect_Click(int index);

    // BoardPlay.cpp: tiles, buttons and what the model draws.
    void imgTile_Click(std::int32_t tile);
    void imgTile_DblClick(std::int32_t tile);
    void cmdRemoveTiles_Click();
    void cmdRemoveTile_Click();
    void cmdUndoLastMove_Click();
    void cmdRedoNextMove_Click();
    // A click or Space on a tile; a refusal is spoken.
    void SelectByPlayer(std::int32_t tile);
    // Runs a model operation unless a deal is being built, then refreshes the commands and
    // tells a screen reader what changed (unless the caller says it itself).
    void Forward(const std::function<void()>& operation, bool announce = true);

    void DrawTile(std::int32_t tile, std::int32_t face, bool selected, bool visible) override;
    void ShowTileCount(std::int32_t tilesLeft) override;
    void ShowGameOrigin(OriginKind kind, const std::string& origin) override;
    void ShowNoMovePossible(bool shown) override;
    void ShowGameWon(bool shown) override;
    void ShowTimeGone(const std::string& text) override;
    std::int32_t InsertGame(double gameTime, const TileArray& tileFaces, const TileArray& removedTiles,
                            double gameTimeNow) override;
    std::string SelectedGameOrigin() override;
    std::string SelectedGameTiles() override;
    void BuildDeal(TileArray& faces) override;

    // BoardKeyboard.cpp: the focus ring, Space and Escape.
    void CreateKeyboard();
    void MoveKeyboardFocus(FocusDirection direction);
    void SelectFocusedTile();
    void ClearSelection();
    void SetKeyboardFocus(std::int32_t tile, bool shown);
    // The tiles the focus may rest on: the free ones, in peek mode every tile in play.
    TilePresence FocusTiles() const;
    // Moves the focus to a free tile nearby when its tile left play or became locked.
    void KeepKeyboardFocus();
    // BoardHint.cpp: the Hint command and the lost-game warning.
    void CreateHintCommands();
    void SetupHintLocale();
    void mnuGameHint_Click();
    void mnuOptionWarnLost_Click();
    void ShowGameLost(bool shown) override;
    void ShowHint(std::int32_t first, std::int32_t second) override;
    void ShowNoHint(const PositionAnswer& answer) override;

    // BoardFiles.cpp: game files.
    void mnuFileLoadGame_Click();
    void mnuFileSaveGame_Click();
    void GameFileLoad(const std::string& filePath, const std::string& origin);
    void GameFileSave(const std::string& filePath);

    Services& services_;
    BoardCompanions& companions_;
    BoardOptions options_;
    BoardPictures pictures_;
    BoardScale scale_;
    BoardPlaces places_{scale_};
    // The resolution of the pictures shown (1..3); 0 before the first placing.
    int pictureScale_ = 0;
    int wantedPictureScale_ = 0;
    std::unique_ptr<PictureDecoder> decoder_;
    BoardGeometry geometry_;
    GameCreator creator_;
    std::unique_ptr<ClockTimer> ownTimer_;
    std::unique_ptr<GameClock> clock_;
    std::unique_ptr<Play> play_;
    // Declared after the geometry its worker reads, so it is gone first.
    std::unique_ptr<PositionSolver> ownSolver_;
    std::unique_ptr<BoardSolver> solver_;

    bool gameCreateShow_ = false;
    bool formActivated_ = false;
    bool building_ = false;

    // Localised texts for the model's reports and the file menus.
    std::string fileDialogFilter_;
    std::string fileOpenTitle_;
    std::string fileSaveTitle_;
    std::string fileInvalidText_;
    std::string tileCountFormat_;
    std::string newGameText_;
    std::string savedGameText_;
    std::int32_t focusTile_ = 0;
    bool focusShown_ = false;
    // The tile of the last click, which a double click's second press may confirm.
    std::int32_t clickedTile_ = 0;

    BoardSurface* surface_ = nullptr;
    BoardSpeech* speech_ = nullptr;
    std::array<TilePicture*, TileCount + 1> imgTile_{};
    // The face each picture was last drawn with, to draw it again at another resolution.
    std::array<std::int32_t, TileCount + 1> shownFaces_{};
    CommandButton* cmdRedoNextMove_ = nullptr;
    CommandButton* cmdRemoveTiles_ = nullptr;
    CommandButton* cmdRemoveTile_ = nullptr;
    CommandButton* cmdUndoLastMove_ = nullptr;
    BoardLabel* lblGameOrigin_ = nullptr;
    BoardLabel* lblTimeGone_ = nullptr;
    BoardLabel* lblNoMovePossible_ = nullptr;
    BoardLabel* lblGameLost_ = nullptr;
    BoardLabel* lblTileCount_ = nullptr;
    std::array<QLabel*, 2> imgGameWon_{};

    QMenu* mnuFile_ = nullptr;
    QMenu* mnuGame_ = nullptr;
    QMenu* mnuOption_ = nullptr;
    QMenu* mnuOptionLocale_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    QAction* mnuFileNewGame_ = nullptr;
    QAction* mnuFileLoadGame_ = nullptr;
    QAction* mnuFileSaveGame_ = nullptr;
    QAction* mnuFileShowHallOfFame_ = nullptr;
    QAction* mnuFileQuit_ = nullptr;
    QAction* mnuGameUndoLastMove_ = nullptr;
    QAction* mnuGameRedoNextMove_ = nullptr;
    QAction* mnuGameRemoveTiles_ = nullptr;
    QAction* mnuGameRemoveTile_ = nullptr;
    QAction* mnuGameRestartGame_ = nullptr;
    QAction* mnuGameHint_ = nullptr;
    QAction* mnuOptionTimingActive_ = nullptr;
    QAction* mnuOptionWarnLost_ = nullptr;
    QAction* mnuOptionEditSounds_ = nullptr;
    std::array<QAction*, 2> mnuOptionLocaleSelect_{};
    QAction* mnuHelpAbout_ = nullptr;
    QAction* defaultButtonKey_ = nullptr;
};

} // namespace tessaron
