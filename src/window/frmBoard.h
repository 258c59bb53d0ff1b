#pragma once
// The board window. It owns the board model and the collaborators that show it and take the
// player's commands, wires them to each other and forwards the window's own events:
//   BoardWidgets  every control on the board and its place at the board's scale
//   BoardView      what the model draws (tiles, counts, origin, banners, time)
//   BoardClock     the game clock and its tick
//   BoardCommands  the menus and buttons from one table, their enabled states
//   BoardFiles     loading and saving game files
//   BoardHints     the Hint command, the demo and the lost-game warning (the solver companion)
//   BoardKeyboard  the keyboard focus ring, Space and Escape
//   BoardLayouts   the layout played on and switching to another
//   BoardSpeech    what a screen reader learns of the board
//   BoardDeals     where deals come from (plain, numbered, of a band), the kept game, the
//                  history's rows and the statistics
// Every path that changes the position ends in PositionChanged, which tells the commands,
// the solver, the keyboard focus and the speech.
#include "board/BoardGeometry.h"
#include "board/GameCreator.h"
#include "window/BoardDeals.h"
#include "board/Play.h"
#include "shell/Services.h"
#include "window/BoardAccessibility.h"
#include "window/BoardClock.h"
#include "window/BoardCompanions.h"
#include "window/BoardWidgets.h"
#include "window/BoardView.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>

class QThreadPool;

namespace tessaron {

class BoardCommands;
class Preferences;
class frmHelp;
class BoardFiles;
class BoardHints;
class BoardKeyboard;
class BoardLayouts;
class BoardPause;
class PositionSolver;

struct BoardOptions {
    // The clock's 1000 ms tick; null gives a real timer.
    ClockTimer* Timer = nullptr;
    // What Cancel in the progress window does: end the program at once, saving nothing.
    std::function<void()> EndProgram;
    // Solves positions for the lost-game warning and hints; null gives a worker thread.
    PositionSolver* Solver = nullptr;
    // Decodes the pictures of a new resolution; null gives a worker thread.
    QThreadPool* PictureWorkers = nullptr;
    // Show each tile as it is placed while a deal is built ("-GameCreateShow").
    bool GameCreateShow = false;
    // "--layout KEY": the first deal is a new one on this layout.
    std::optional<std::string> StartLayout = std::nullopt;
    // The demo's step (three make a move); null gives a real timer.
    ClockTimer* DemoTimer = nullptr;
    // The deal asked for on the command line ("--deal N", "--daily"), or its refusal, shown
    // when the window starts.
    std::variant<DealStartRequest, std::string> StartDeal{};
    // Opens the game history once the board is on screen; null keeps no history.
    HistoryOpener OpenHistory{};
};

class frmBoard final : public QMainWindow, private HallOfFameGate, private DealBuilder {
    Q_OBJECT
public:
    frmBoard(Services& services, BoardCompanions& companions, BoardOptions options = {}, QWidget* parent = nullptr);
    ~frmBoard() override;

    // Show each tile as it is placed while a deal is built ("-GameCreateShow").
    void SetGameCreateShow(bool show);

    const Play& Model() const;
    const GameClock& GameClockState() const;
    // The 1000 ms tick of the real timer (null when the timer was passed in).
    ClockTimer* OwnTimer() const;
    // The tile the keyboard focus rests on (0 when there is none to rest on) and whether its
    // ring shows (only once an arrow key was used).
    std::int32_t KeyboardFocusTile() const;
    bool KeyboardFocusShown() const;
    // Every control of the board with its place in board units.
    const BoardPlaces& Places() const;
    const BoardPictures& Pictures() const;
    const BoardLayouts& Layouts() const;
    // The resolution of the pictures shown (1..3), and the one the window's size calls for;
    // they differ while the pictures of a new resolution are being decoded.
    int PictureScaleShown() const;
    int PictureScaleWanted() const;
    // The numbered deals, the history's rows and the kept game.
    BoardDeals& Deals() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // frmBoard.cpp: set-up, wiring, first activation, closing.
    void ConnectCommands();
    void Form_Load();
    void Form_Activate();
    void SetupLocale();
    void SoundStop();

    // BoardPlay.cpp: the player's commands forwarded to the model, and what follows them.
    // Runs a model operation unless a deal is being built, then PositionChanged; a screen
    // reader is told what changed unless the caller says it itself.
    void Forward(const std::function<void()>& operation, bool announce = true);
    // A click or Space on a tile; a refusal is spoken.
    void SelectByPlayer(std::int32_t tile);
    // After anything that may have changed the position: the commands enabled, the solver
    // and the keyboard focus told, and the speech given what the board held before.
    void PositionChanged(const BoardMoment* before = nullptr);
    void EnableCommands();

    void imgTile_Click(std::int32_t tile);
    void imgTile_DblClick(std::int32_t tile);
    void mnuFileShowHallOfFame_Click();
    // Says what it did itself; a position no shuffle can help offers undo.
    void mnuGameShuffle_Click();
    void mnuOptionTimingActive_Click();
    void mnuOptionPreferences_Click();
    // The stored preferences put in force: the move options, Enter, the clock option and the
    // lost-game warning with their check marks, the helpers.
    void ApplyPreferences();
    void mnuOptionLocaleSelect_Click(int index);

    std::int32_t InsertGame(double gameTime, const TileArray& tileFaces, const TileArray& removedTiles,
                            double gameTimeNow) override;
    std::string SelectedGameOrigin() override;
    std::string SelectedGameTiles() override;
    void BuildDeal(TileArray& faces) override;
    // Runs build into faces with the progress window over the board, the board waiting.
    void BuildWith(TileArray& faces, const std::function<void(GameCreateObserver&, bool)>& build);

    Services& services_;
    BoardCompanions& companions_;
    BoardOptions options_;
    BoardGeometry geometry_;
    BoardWidgets controls_;
    BoardView view_;
    BoardClock clock_;
    std::unique_ptr<Play> play_;
    BoardSpeech* speech_ = nullptr;
    std::unique_ptr<BoardKeyboard> keyboard_;
    std::unique_ptr<BoardCommands> commands_;
    std::unique_ptr<BoardFiles> files_;
    // Declared after the geometry its worker reads, so it is gone first.
    std::unique_ptr<BoardHints> hints_;
    std::unique_ptr<Preferences> preferences_;
    std::unique_ptr<BoardDeals> deals_;
    // Made at its first opening; a window of the board's, kept open beside it.
    frmHelp* help_ = nullptr;
    BoardPause* pause_ = nullptr;
    std::unique_ptr<BoardLayouts> layouts_;

    bool building_ = false;
    // The tile of the last click, which a double click's second press may confirm.
    std::int32_t clickedTile_ = 0;
};

} // namespace tessaron
